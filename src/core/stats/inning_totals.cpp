#include "core/stats/inning_totals.h"

#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

InningTotals kaisuu_ten(const Season& season) {
    InningTotals totals;
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        const int home = home_team(slot);
        for (int inning = 1; inning <= kInnings; ++inning) {
            const std::size_t cell = 2 * static_cast<std::size_t>(inning - 1);
            totals.first[slot.team][inning] += static_cast<int>(number_or_zero(mid_view(game, 40 + cell, 2)));
            totals.second[home][inning] += static_cast<int>(number_or_zero(mid_view(game, 70 + cell, 2)));
        }
    });
    return totals;
}

Text inning_title(int team, const ClubNames& clubs) { return clubs.team_short(team) + U"各回得点"; }

std::vector<Text> inning_boxes(const InningTotals& totals, int team, bool batted_first) {
    std::vector<Text> boxes;
    for (int inning = 1; inning <= kInnings; ++inning)
        boxes.push_back(plain_num(batted_first ? totals.inn_first(team, inning) : totals.inn_second(team, inning)));
    return boxes;
}

}  // namespace tev
