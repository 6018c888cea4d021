#include "core/pitchers/pitcher_make.h"

#include <algorithm>
#include <unordered_map>

#include "core/store/game_string.h"
#include "core/text/fixed_width.h"

namespace tev {

Text pitcher_key(int team, TextView name_field) { return right_num(team, 2) + pad_ascii(name_field, 10); }

namespace {

class Builder {
public:
    // The row of `key`, added at the end when new; nullptr when the table is full.
    PitcherRow* row_of(const Text& key) {
        if (const auto it = index_.find(key); it != index_.end()) return &build_.table[it->second];
        if (used_ == kPitcherRows) {
            if (std::find(refused_.begin(), refused_.end(), key) == refused_.end()) refused_.push_back(key);
            return nullptr;
        }
        build_.table[used_].key = key;
        index_.emplace(key, used_);
        return &build_.table[used_++];
    }

    void credit(PitcherRow* row, std::int16_t PitcherRow::*count) {
        if (row != nullptr) ++(row->*count);
    }

    PitcherBuild finish() {
        std::stable_sort(build_.table.begin(), build_.table.begin() + used_, [](const PitcherRow& a, const PitcherRow& b) {
            return a.wins != b.wins ? a.wins > b.wins : a.losses < b.losses;
        });
        build_.left_out = static_cast<int>(refused_.size());
        return build_;
    }

private:
    PitcherBuild build_;
    int used_ = 0;
    std::unordered_map<Text, int> index_;  // key -> its row, so a season's lookups do not scan
    std::vector<Text> refused_;
};

}  // namespace

PitcherBuild tousyu_datmake(const Season& season, int first_team, int last_team) {
    Builder b;
    for_each_game(season, first_team, last_team, [&](Slot slot, const Text& game) {
        const TextView r1 = mid_view(game, 1, 2), r2 = mid_view(game, 3, 2);
        if (r1 == r2) return;  // a draw credits nobody
        const int second = home_team(slot);
        PitcherRow* v = b.row_of(pitcher_key(slot.team, mid_view(game, 5, 10)));
        PitcherRow* h = b.row_of(pitcher_key(second, mid_view(game, 15, 10)));
        const bool first_won = first_runs(game) > second_runs(game);
        b.credit(first_won ? v : h, &PitcherRow::wins);
        b.credit(first_won ? h : v, &PitcherRow::losses);
        const TextView save = mid_view(game, 25, 10);
        if (!trim_right_view(save).empty()) b.credit(b.row_of(pitcher_key(first_won ? slot.team : second, save)), &PitcherRow::saves);
    });
    return b.finish();
}

}  // namespace tev
