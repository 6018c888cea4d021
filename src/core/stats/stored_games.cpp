#include "core/stats/stored_games.h"

#include <algorithm>

namespace tev {

bool has_interleague_play(const Season& season) {
    if (season.interleague_meetings > 0) return true;
    return std::any_of(season.interleague.begin(), season.interleague.end(),
                       [](const Text& g) { return !g.empty(); });
}

int interleague_meetings_in_use(const Season& season) {
    int meetings = std::clamp(season.interleague_meetings, 0, kMostInterleagueMeetings);
    for_each_interleague_game(
        season, [&](Slot slot, const Text&) { meetings = std::max(meetings, slot.meet); });
    return meetings;
}

}  // namespace tev
