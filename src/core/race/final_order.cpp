#include "core/race/final_order.h"

#include <algorithm>
#include <vector>

#include "core/race/rank_key.h"

namespace tev {

namespace {

unsigned mask_of(const std::vector<int>& clubs) {
    unsigned mask = 0;
    for (int c : clubs) mask |= 1u << c;
    return mask;
}

// The value a step gives a club of `group` (a greater value places it higher), or nothing when the
// step cannot part this group at all.
class StepValues {
public:
    StepValues(const LeaguePosition& pos, const TieRules& rules) : pos_(pos), rules_(rules) {}

    bool parts(TieStep step, const std::vector<int>& group) const {
        if (step != TieStep::previous_place) return true;
        return std::all_of(group.begin(), group.end(), [&](int c) { return rules_.previous_place[c] > 0; });
    }

    long long value(TieStep step, int club, unsigned group) const {
        const ClubRecord& r = pos_.clubs[club];
        switch (step) {
            case TieStep::percentage: return pct_ten_thousandths(r.wins, r.losses);
            case TieStep::wins: return r.wins;
            case TieStep::head_to_head: {
                const ClubRecord h = pos_.record_within(club, group);
                return pct_ten_thousandths(h.wins, h.losses);
            }
            case TieStep::league_percentage: {
                const ClubRecord l = pos_.league_record(club);
                return pct_ten_thousandths(l.wins, l.losses);
            }
            case TieStep::previous_place: return -rules_.previous_place[club];
        }
        return 0;
    }

private:
    const LeaguePosition& pos_;
    const TieRules& rules_;
};

// Splits `group` by the steps from `step` on and appends its parts, best first, to `parts`. A
// group that a step splits goes on to the next step on its own, its head-to-head record counted
// among its own clubs.
void split(const StepValues& values, const TieRules& rules, std::vector<int> group, std::size_t step,
           std::vector<std::vector<int>>& parts) {
    if (group.size() == 1 || step == rules.steps.size()) {
        parts.push_back(group);
        return;
    }
    const TieStep kind = rules.steps[step];
    if (!values.parts(kind, group)) return split(values, rules, group, step + 1, parts);
    const unsigned mask = mask_of(group);
    std::vector<std::pair<long long, int>> keyed;
    for (int c : group) keyed.push_back({values.value(kind, c, mask), c});
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < keyed.size();) {
        std::vector<int> run;
        std::size_t j = i;
        for (; j < keyed.size() && keyed[j].first == keyed[i].first; ++j) run.push_back(keyed[j].second);
        split(values, rules, run, step + 1, parts);
        i = j;
    }
}

LeagueOrder order_of_parts(const std::vector<std::vector<int>>& parts) {
    LeagueOrder order;
    int placed = 0;
    for (const auto& part : parts) {
        for (std::size_t i = 0; i < part.size(); ++i) {
            const int c = part[i];
            order.clubs[placed + static_cast<int>(i)] = c;
            order.place[c] = placed + 1;
            order.level[c] = static_cast<int>(part.size()) - 1;
        }
        placed += static_cast<int>(part.size());
    }
    return order;
}

}  // namespace

LeagueOrder final_order(const LeaguePosition& pos, const TieRules& rules) {
    std::vector<std::vector<int>> parts;
    split(StepValues(pos, rules), rules, {1, 2, 3, 4, 5, 6}, 0, parts);
    return order_of_parts(parts);
}

LeagueOrder order_in_season(const LeaguePosition& pos, const TieRules& rules) {
    LeagueOrder order = final_order(pos, rules);
    bool games_left = false;
    for (int c = 1; c <= 6; ++c) games_left = games_left || pos.games_left(c) > 0;
    if (!rules.shares_level_in_season || !games_left) return order;
    // The order stays the rules' own; the places are shared by percentage alone.
    for (int c = 1; c <= 6; ++c) {
        const long long own = pct_ten_thousandths(pos.clubs[c].wins, pos.clubs[c].losses);
        int above = 0, level = 0;
        for (int r = 1; r <= 6; ++r) {
            if (r == c) continue;
            const long long theirs = pct_ten_thousandths(pos.clubs[r].wins, pos.clubs[r].losses);
            above += theirs > own;
            level += theirs == own;
        }
        order.place[c] = above + 1;
        order.level[c] = level;
    }
    return order;
}

}  // namespace tev
