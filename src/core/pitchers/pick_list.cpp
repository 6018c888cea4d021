#include "core/pitchers/pick_list.h"

#include "core/text/fixed_width.h"

namespace tev {

std::vector<Text> pitcher_pick_rows(const PitcherTable& table, int team, bool home_run_pitcher) {
    std::vector<Text> rows;
    int rank = 0;
    for (int r = 0; r < kPitcherRows && !table[r].key.empty(); ++r) {
        const PitcherRow& row = table[r];
        const bool same_as_above = r > 0 && row.wins == table[r - 1].wins && row.losses == table[r - 1].losses;
        if (!same_as_above) rank = r + 1;
        if (number_or_zero(mid(row.key, 1, 2)) != team) continue;
        rows.push_back(right_num(rank, 3) + U"] " + pad_wide(trim_right(mid(row.key, 3, 10)), 10) +
                       right_num(row.wins, 2) + U"勝  " + right_num(row.losses, 2) + U"敗  " +
                       right_num(row.saves, 2) + U"Ｓ   ");
    }
    if (home_run_pitcher) {
        rows.emplace_back(kHrKeyboardRow);
    } else {
        rows.emplace_back(kKeyboardRow);
        rows.emplace_back(kCancelRow);
    }
    return rows;
}

PickKind pick_kind(const Text& row) {
    const Text rest = mid(row, 6, 6);
    if (rest == U"キーボード入") return PickKind::keyboard;
    if (rest.rfind(U"キャンセル", 0) == 0) return PickKind::cancel;
    return PickKind::pitcher;
}

Text picked_name(const Text& row) { return trim_right(mid(row, 6, 10)); }

}  // namespace tev
