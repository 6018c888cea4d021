#include "core/race/meetings.h"

namespace tev {

int meetings_per_pair(const Season& season) {
    // The year's own schedule: its club file's meetings, or the default of 26 when it has none.
    return season.clubs.meetings;
}

}  // namespace tev
