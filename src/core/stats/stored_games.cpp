#include "core/stats/stored_games.h"

#include <algorithm>

#include "core/store/game_string.h"
#include "core/text/fixed_width.h"

namespace tev {

int interleague_meetings_in_use(const Season& season) {
    int meetings = std::clamp(season.interleague_meetings, 0, kMostInterleagueMeetings);
    for_each_interleague_game(
        season, [&](Slot slot, const Text&) { meetings = std::max(meetings, slot.meet); });
    return meetings;
}

int games_with_score_alone(const Season& season) {
    int count = 0;
    for_each_stored_game(season, [&](const StoredGame& g) { count += has_line_score(*g.game) ? 0 : 1; });
    return count;
}

Text score_alone_note(const Season& season, const Text& left_out_of) {
    const int count = games_with_score_alone(season);
    if (count == 0) return Text();
    return U"得点だけの試合 " + plain_num(count) + U" 試合は" + left_out_of + U"に含みません。";
}

}  // namespace tev
