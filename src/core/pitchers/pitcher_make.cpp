#include "core/pitchers/pitcher_make.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "core/store/game_string.h"
#include "core/text/fixed_width.h"

namespace tev {

Text pitcher_key(int team, TextView name_field) { return right_num(team, 2) + pad_ascii(name_field, 10); }

namespace {

// The pitchers' order: most wins first, then fewest losses; equal rows keep their order.
bool ranks_before(const PitcherRow& a, const PitcherRow& b) {
    return a.wins != b.wins ? a.wins > b.wins : a.losses < b.losses;
}

std::size_t used_rows(const PitcherTable& table) {
    return static_cast<std::size_t>(
        std::find_if(table.begin(), table.end(), [](const PitcherRow& row) { return row.key.empty(); }) - table.begin());
}

// A pitcher's key as a view over a small buffer, so that finding his row allocates nothing.
class KeyBuffer {
public:
    KeyBuffer() {
        for (int team = 0; team < kPrefixes; ++team) prefixes_[team] = right_num(team, 2);
    }

    TextView make(int team, TextView name_field) {
        if (team < 0 || team >= kPrefixes) {
            spare_ = pitcher_key(team, name_field);
            return spare_;
        }
        const Text& prefix = prefixes_[team];
        const TextView name = name_field.substr(0, kNameWidth);
        std::copy(prefix.begin(), prefix.end(), chars_.begin());
        std::copy(name.begin(), name.end(), chars_.begin() + 2);
        std::fill(chars_.begin() + 2 + name.size(), chars_.end(), U' ');
        return TextView(chars_.data(), chars_.size());
    }

private:
    static constexpr int kPrefixes = 13;
    static constexpr std::size_t kNameWidth = 10;
    std::array<Text, kPrefixes> prefixes_;
    std::array<char32_t, 2 + kNameWidth> chars_{};
    Text spare_;
};

class Builder {
public:
    Builder() { slots_.fill(-1); }

    // The row of `key`, added at the end when new; nullptr when the table is full.
    PitcherRow* row_of(TextView key) {
        std::size_t slot = std::hash<TextView>{}(key) & (kSlots - 1);
        for (; slots_[slot] >= 0; slot = (slot + 1) & (kSlots - 1))
            if (build_.table[slots_[slot]].key == key) return &build_.table[slots_[slot]];
        if (used_ == kPitcherRows) {
            if (std::find(refused_.begin(), refused_.end(), key) == refused_.end()) refused_.emplace_back(key);
            return nullptr;
        }
        build_.table[used_].key = Text(key);
        slots_[slot] = static_cast<std::int16_t>(used_);
        return &build_.table[used_++];
    }

    void credit(PitcherRow* row, std::int16_t PitcherRow::*count) {
        if (row != nullptr) ++(row->*count);
    }

    PitcherBuild finish() {
        std::stable_sort(build_.table.begin(), build_.table.begin() + used_, ranks_before);
        build_.left_out = static_cast<int>(refused_.size());
        return std::move(build_);
    }

private:
    // An open-addressed index of the rows, twice the table's size so that probes stay short.
    static constexpr std::size_t kSlots = 512;
    static_assert(kSlots >= 2 * kPitcherRows && (kSlots & (kSlots - 1)) == 0);

    PitcherBuild build_;
    int used_ = 0;
    std::array<std::int16_t, kSlots> slots_{};
    std::vector<Text> refused_;
};

}  // namespace

PitcherBuild build_pitcher_table(const Season& season, int first_team, int last_team) {
    Builder b;
    KeyBuffer keys;
    // The pitchers of record of a game, and its save, for the clubs of [first_team, last_team] in it.
    const auto credit_game = [&](int first, int second, const Text& game) {
        const TextView r1 = mid_view(game, 1, 2), r2 = mid_view(game, 3, 2);
        if (r1 == r2) return;  // a draw credits nobody
        // A game imported with its score alone (no innings) names no pitcher: nobody is credited
        // in its place, as a game typed in always names both.
        const bool score_alone = !has_line_score(game);
        const auto credited = [&](int team, TextView name) {
            const bool named = !(score_alone && trim_right_view(name).empty());
            return team >= first_team && team <= last_team && named;
        };
        const auto in_range = [&](int team) { return team >= first_team && team <= last_team; };
        const TextView first_name = mid_view(game, 5, 10), second_name = mid_view(game, 15, 10);
        PitcherRow* v = credited(first, first_name) ? b.row_of(keys.make(first, first_name)) : nullptr;
        PitcherRow* h = credited(second, second_name) ? b.row_of(keys.make(second, second_name)) : nullptr;
        const bool first_won = first_runs(game) > second_runs(game);
        b.credit(first_won ? v : h, &PitcherRow::wins);
        b.credit(first_won ? h : v, &PitcherRow::losses);
        const TextView save = mid_view(game, 25, 10);
        const int winner = first_won ? first : second;
        if (!trim_right_view(save).empty() && in_range(winner))
            b.credit(b.row_of(keys.make(winner, save)), &PitcherRow::saves);
    };
    for_each_game(season, first_team, last_team,
                  [&](Slot slot, const Text& game) { credit_game(slot.team, home_team(slot), game); });
    // Interleague games count for the pitchers of this table's clubs, after the league games.
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        credit_game(slot.team, interleague_home(slot), game);
    });
    return b.finish();
}

PitcherBuild merge_pitcher_tables(const Season& season, const PitcherBuild& central, const PitcherBuild& pacific) {
    const std::size_t c = used_rows(central.table), p = used_rows(pacific.table);
    // Interleague games come after every league game in each table, so a pitcher whose first game
    // was one of them stands in a different place among his equals in the two tables than in the
    // table of both leagues: such a season builds that table from the games.
    if (central.left_out > 0 || pacific.left_out > 0 || c + p > kPitcherRows || has_interleague_games(season))
        return build_pitcher_table(season, 1, 12);
    PitcherBuild both;
    // std::merge takes the Central row first among equal ones, as their order of appearance does.
    std::merge(central.table.begin(), central.table.begin() + static_cast<std::ptrdiff_t>(c), pacific.table.begin(),
               pacific.table.begin() + static_cast<std::ptrdiff_t>(p), both.table.begin(), ranks_before);
    return both;
}

}  // namespace tev
