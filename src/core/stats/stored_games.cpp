#include "core/stats/stored_games.h"

#include <algorithm>

namespace tev {

int interleague_meetings_in_use(const Season& season) {
    int meetings = std::clamp(season.interleague_meetings, 0, kMostInterleagueMeetings);
    for_each_interleague_game(
        season, [&](Slot slot, const Text&) { meetings = std::max(meetings, slot.meet); });
    return meetings;
}

}  // namespace tev
