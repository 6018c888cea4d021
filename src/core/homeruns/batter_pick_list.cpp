#include "core/homeruns/batter_pick_list.h"

#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

std::vector<Text> homerun_batter_rows(const HrLeagueTable& table, int team, const ClubNames& clubs) {
    std::vector<Text> rows{clubs.team_name(team) + U"ホームラン打者名", Text()};
    int rank = 0;
    for (int i = 0; i < kHrLeagueEntries && !table[i].empty(); ++i) {
        const Text& entry = table[i];
        if (i == 0 || mid(entry, 13, 2) != mid(table[i - 1], 13, 2)) rank = i + 1;
        if (number_or_zero(mid(entry, 1, 2)) != team) continue;
        rows.push_back(right_num(rank, 3) + U"] " + pad_wide(trim_right(mid(entry, 3, 10)), 10) +
                       mid(entry, 13, 2) + U"本");
    }
    rows.emplace_back(kHrBatterKeyboardRow);
    rows.emplace_back(kHrEndRow);
    return rows;
}

BatterPick batter_pick_kind(const Text& row) {
    if (mid(row, 4, 1) != U"]") return BatterPick::none;
    if (mid(row, 6, 6) == U"ＨＲ入力終了") return BatterPick::end;
    if (mid(row, 6, 6) == U"キーボード入") return BatterPick::keyboard;
    return BatterPick::batter;
}

Text typed_batter_row(const Text& name) {
    return U"  *] " + trim_right(name);
}

}  // namespace tev
