#include "core/stats/inning_totals.h"

#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// The runs of the two-character inning cell at `pos` (1-based) of `game`. The common cells (a
// digit after a blank or a digit, two blanks) are read by hand, since every cell of every game
// comes here at each commit; anything else (" X", a damaged cell) is read as number_or_zero
// reads it.
int inning_runs(const Text& game, std::size_t pos) {
    if (pos + 1 <= game.size()) {
        const char32_t tens = game[pos - 1], ones = game[pos];
        const bool tens_digit = tens >= U'0' && tens <= U'9';
        if (ones >= U'0' && ones <= U'9' && (tens_digit || tens == U' '))
            return (tens_digit ? static_cast<int>(tens - U'0') * 10 : 0) + static_cast<int>(ones - U'0');
        if (tens == U' ' && ones == U' ') return 0;  // an inning not played
    }
    return static_cast<int>(number_or_zero(mid_view(game, pos, 2)));
}

}  // namespace

InningTotals build_inning_totals(const Season& season) {
    InningTotals totals;
    const auto add = [&](int first, int second, const Text& game) {
        for (int inning = 1; inning <= kInnings; ++inning) {
            const std::size_t cell = 2 * static_cast<std::size_t>(inning - 1);
            totals.first[first][inning] += inning_runs(game, 40 + cell);
            totals.second[second][inning] += inning_runs(game, 70 + cell);
        }
    };
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) { add(slot.team, home_team(slot), game); });
    for_each_interleague_game(season, [&](Slot slot, const Text& game) { add(slot.team, interleague_home(slot), game); });
    return totals;
}

Text inning_title(int team, const ClubNames& clubs) { return clubs.team_short(team) + U"各回得点"; }

std::vector<Text> inning_boxes(const InningTotals& totals, int team, bool batted_first) {
    std::vector<Text> boxes;
    for (int inning = 1; inning <= kInnings; ++inning)
        boxes.push_back(plain_num(batted_first ? totals.runs_batting_first(team, inning) : totals.runs_batting_second(team, inning)));
    return boxes;
}

}  // namespace tev
