#include "core/race/level.h"

namespace tev {

int losses_when_beaten(const LeaguePosition& pos, int club, int rival) {
    return pos.clubs[rival].losses + pos.left[club][rival] + pos.interleague_left[rival];
}

}  // namespace tev
