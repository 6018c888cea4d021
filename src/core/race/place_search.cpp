#include "core/race/place_search.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/race/final_order.h"
#include "core/race/level.h"
#include "core/race/level_pass.h"
#include "core/race/magic.h"
#include "core/race/rank_key.h"
#include "core/race/reach.h"

namespace tev {

namespace {

// Games left between two clubs of the league, or (b == 0) a club's interleague games left.
struct GameGroup {
    int a = 0;
    int b = 0;
    int games = 0;
};

// Plays (sign +1) or takes back (sign -1) a group's games: `a_wins` won by a, `b_wins` by b (by
// the other league for an interleague group), the rest drawn.
void play(LeaguePosition& pos, const GameGroup& g, int a_wins, int b_wins, int sign) {
    const int draws = g.games - a_wins - b_wins;
    ClubRecord& a = pos.clubs[g.a];
    a.wins += sign * a_wins;
    a.losses += sign * b_wins;
    a.draws += sign * draws;
    if (g.b == 0) {
        pos.interleague_left[g.a] -= sign * g.games;
        return;
    }
    ClubRecord& b = pos.clubs[g.b];
    b.wins += sign * b_wins;
    b.losses += sign * a_wins;
    b.draws += sign * draws;
    pos.beat[g.a][g.b] += sign * a_wins;
    pos.beat[g.b][g.a] += sign * b_wins;
    pos.played[g.a][g.b] += sign * g.games;
    pos.played[g.b][g.a] += sign * g.games;
    pos.left[g.a][g.b] -= sign * g.games;
    pos.left[g.b][g.a] -= sign * g.games;
}

long long key_of(int wins, int losses) { return pct_ten_thousandths(wins, losses); }

// The best and the worst percentage a club can still end on.
long long best_key(const LeaguePosition& pos, int c) {
    return key_of(pos.clubs[c].wins + pos.games_left(c), pos.clubs[c].losses);
}
long long worst_key(const LeaguePosition& pos, int c) {
    return key_of(pos.clubs[c].wins, pos.clubs[c].losses + pos.games_left(c));
}

// The position with the clubs of `gone` (a mask) out of the race: every rival of `club` loses
// the games it has left against them, and they stand on a record that is below any target.
LeaguePosition without(const LeaguePosition& pos, int club, unsigned gone) {
    LeaguePosition out = pos;
    for (int a = 1; a <= 6; ++a) {
        if (!((gone >> a) & 1u)) continue;
        for (int r = 1; r <= 6; ++r) {
            if (r == a) continue;
            if (r != club && !((gone >> r) & 1u)) out.clubs[r].losses += out.left[r][a];
            out.left[r][a] = out.left[a][r] = 0;
        }
        out.clubs[a] = {0, 1, 0};
        out.interleague_left[a] = 0;
    }
    return out;
}

class PlaceSearch {
public:
    PlaceSearch(const LeaguePosition& pos, const TieRules& rules, int club, int places)
        : work_(pos), rules_(rules), club_(club), places_(places) {}

    // Some outcome places the club within the places.
    bool possible() {
        finding_failure_ = false;
        for (const GameGroup& g : own_groups()) play(work_, g, g.games, 0, +1);
        own_key_ = key_of(work_.clubs[club_].wins, work_.clubs[club_].losses);
        groups_ = rival_groups();
        return descend(0);
    }

    // Some outcome in which the club wins exactly `wins` of its games places it below the places.
    bool fails_with(int wins) {
        finding_failure_ = true;
        wins_wanted_ = wins;
        wins_left_ = wins;
        own_groups_ = own_groups();
        // Above two wins a draw of the club's in place of a loss always lifts its percentage,
        // which never helps a failure; with fewer it may leave the percentage as it was.
        own_draws_ = work_.clubs[club_].wins + wins <= 2;
        if (own_groups_.empty()) {
            if (wins != 0) return false;
            own_key_ = key_of(work_.clubs[club_].wins, work_.clubs[club_].losses);
        }
        groups_ = own_groups_;
        const auto rest = rival_groups();
        groups_.insert(groups_.end(), rest.begin(), rest.end());
        return descend(0);
    }

private:
    enum class Verdict { found, dead, open };
    static constexpr long kMostPositions = 10000;
    long visited_ = 0;

    LeaguePosition work_;
    const TieRules& rules_;
    int club_;
    int places_;
    bool finding_failure_ = false;
    int wins_wanted_ = 0;
    int wins_left_ = 0;
    bool own_draws_ = false;
    long long own_key_ = 0;
    std::vector<GameGroup> own_groups_;
    std::vector<GameGroup> groups_;

    std::vector<GameGroup> own_groups() const {
        std::vector<GameGroup> out;
        if (work_.interleague_left[club_] > 0) out.push_back({club_, 0, work_.interleague_left[club_]});
        for (int r = 1; r <= 6; ++r)
            if (r != club_ && work_.left[club_][r] > 0) out.push_back({club_, r, work_.left[club_][r]});
        return out;
    }

    std::vector<GameGroup> rival_groups() const {
        std::vector<GameGroup> out;
        for (int a = 1; a <= 6; ++a) {
            if (a == club_) continue;
            if (work_.interleague_left[a] > 0) out.push_back({a, 0, work_.interleague_left[a]});
            for (int b = a + 1; b <= 6; ++b)
                if (b != club_ && work_.left[a][b] > 0) out.push_back({a, b, work_.left[a][b]});
        }
        // Small groups first: each decision then leaves the percentage checks less to guess. The
        // interleague games come last, where they are decided together (see interleague_finish).
        std::stable_sort(out.begin(), out.end(), [](const GameGroup& x, const GameGroup& y) {
            return std::pair(x.b == 0, x.games) < std::pair(y.b == 0, y.games);
        });
        return out;
    }

    bool own_key_fixed(std::size_t next) const { return !finding_failure_ || next >= own_groups_.size(); }

    // A club that ends above or below the club whatever happens: its games matter to nobody's
    // place against the club.
    bool settled(int c) const { return best_key(work_, c) < own_key_ || worst_key(work_, c) > own_key_; }

    bool matters(const GameGroup& g) const { return !settled(g.a) || (g.b != 0 && !settled(g.b)); }

    bool descend(std::size_t next) {
        // A question not settled within the positions a frame allows gets the answer that claims
        // less: a failure (so one more win is asked for, or the own chance is not promised), and a
        // finish (so the place is not called gone).
        if (++visited_ > kMostPositions) return true;
        const Verdict v = finding_failure_ ? judge_failure() : judge_finish();
        if (v != Verdict::open) return v == Verdict::found;
        if (own_key_fixed(next)) {
            const std::size_t pick = tightest_group(next);
            if (pick == groups_.size()) return interleague_finish(next);
            std::swap(groups_[next], groups_[pick]);
            const bool found = branch(next);
            std::swap(groups_[next], groups_[pick]);
            return found;
        }
        return branch(next);
    }

    // How far a rival is from settling against the club: looking for a failure, the losses it
    // can still take and stay at or above the club's percentage; for a finish, the wins it can
    // still take and stay at or below. A club with none left must win (or lose) every game.
    int slack(int c) const {
        const ClubRecord& r = work_.clubs[c];
        const int left = work_.games_left(c);
        int most = -1;
        for (int k = 0; k <= left; ++k) {
            const bool stays = finding_failure_ ? key_of(r.wins + left - k, r.losses + k) >= own_key_
                                                : key_of(r.wins + k, r.losses + left - k) <= own_key_;
            if (!stays) break;
            most = k;
        }
        return most;
    }

    // The league group to decide next: the one holding the rival closest to settling, whose
    // games then decide most. Its index, or the end when only interleague games still matter.
    std::size_t tightest_group(std::size_t next) const {
        std::size_t best = groups_.size();
        std::pair<int, int> best_rank{0, 0};
        for (std::size_t k = next; k < groups_.size(); ++k) {
            const GameGroup& g = groups_[k];
            if (g.b == 0 || !matters(g)) continue;
            int tight = 1 << 20;
            for (int c : {g.a, g.b})
                if (!settled(c)) tight = std::min(tight, slack(c));
            const std::pair<int, int> rank{tight, g.games};
            if (best == groups_.size() || rank < best_rank) best = k, best_rank = rank;
        }
        return best;
    }

    bool branch(std::size_t next) {
        const GameGroup g = groups_[next];
        const bool own = finding_failure_ && next < own_groups_.size();
        for (const auto& [a_wins, b_wins] : outcomes(g, own)) {
            if (own && !own_outcome_fits(next, a_wins)) continue;
            play(work_, g, a_wins, b_wins, +1);
            if (own) wins_left_ -= a_wins;
            if (own && next + 1 == own_groups_.size())
                own_key_ = key_of(work_.clubs[club_].wins, work_.clubs[club_].losses);
            const bool found = descend(next + 1);
            if (own) wins_left_ += a_wins;
            play(work_, g, a_wins, b_wins, -1);
            if (found) return true;
        }
        return false;
    }

    // Whether the club's own wins can still come to the number wanted after winning `a_wins` here.
    bool own_outcome_fits(std::size_t index, int a_wins) const {
        int room = 0;
        for (std::size_t k = index + 1; k < own_groups_.size(); ++k) room += own_groups_[k].games;
        return a_wins <= wins_left_ && wins_left_ - a_wins <= room;
    }

    // The outcomes of a group to try, those likelier to be wanted first.
    std::vector<std::pair<int, int>> outcomes(const GameGroup& g, bool own) const {
        std::vector<std::pair<int, int>> out;
        if (own) {
            // The club's wins from the other league first: they lift no rival of its own.
            for (int w = g.games; w >= 0; --w)
                for (int d = 0; d <= (own_draws_ ? g.games - w : 0); ++d) out.push_back({w, g.games - w - d});
            if (g.b != 0) std::reverse(out.begin(), out.end());
            return out;
        }
        // Looking for a failure the stronger club wins first; for a finish, it loses first.
        const bool a_stronger = g.b == 0 || key_of(work_.clubs[g.a].wins, work_.clubs[g.a].losses) >=
                                                key_of(work_.clubs[g.b].wins, work_.clubs[g.b].losses);
        const bool a_first = a_stronger == finding_failure_;
        for (int w = 0; w <= g.games; ++w)
            for (int d = 0; d <= g.games - w; ++d) {
                const int win_first = g.games - w - d;  // most wins for the club tried first
                out.push_back(a_first ? std::pair{win_first, w} : std::pair{w, win_first});
            }
        return out;
    }

    // A rival's interleague games touch no other club of the league: all they can change in the
    // club's place is how the rival's record compares with the club's on percentage and on wins,
    // the only steps of any rules they reach. One outcome of each kind is tried, the product
    // over the rivals at the end.
    bool interleague_finish(std::size_t next) {
        std::vector<std::size_t> open;
        for (std::size_t k = next; k < groups_.size(); ++k)
            if (matters(groups_[k])) open.push_back(k);
        std::vector<std::vector<std::pair<int, int>>> kinds;
        for (std::size_t k : open) kinds.push_back(outcome_kinds(groups_[k]));
        return try_kinds(open, kinds, 0);
    }

    std::vector<std::pair<int, int>> outcome_kinds(const GameGroup& g) const {
        const ClubRecord& r = work_.clubs[g.a];
        const int own_wins = work_.clubs[club_].wins;
        std::array<bool, 9> seen{};
        std::vector<std::pair<long long, std::pair<int, int>>> found;  // (percentage, outcome)
        for (int w = 0; w <= g.games; ++w)
            for (int d = 0; d <= g.games - w; ++d) {
                const int wins = r.wins + w;
                const long long key = key_of(wins, r.losses + g.games - w - d);
                // Wins part only clubs level on percentage, unless the rules rank by wins first.
                const int side = (key > own_key_) - (key < own_key_);
                const bool wins_count = side == 0 || rules_.steps.front() == TieStep::wins;
                const int kind = 3 * (side + 1) + (wins_count ? (wins > own_wins) - (wins < own_wins) + 1 : 0);
                if (seen[kind]) continue;
                seen[kind] = true;
                found.push_back({key, {w, d}});
            }
        // Looking for a failure, the rival's higher records first; for a finish, its lower.
        std::sort(found.begin(), found.end());
        if (finding_failure_) std::reverse(found.begin(), found.end());
        std::vector<std::pair<int, int>> out;
        for (const auto& f : found) out.push_back(f.second);
        return out;
    }

    bool try_kinds(const std::vector<std::size_t>& open, const std::vector<std::vector<std::pair<int, int>>>& kinds,
                   std::size_t k) {
        if (k == kinds.size()) return leaf();
        const GameGroup& g = groups_[open[k]];
        for (const auto& [w, d] : kinds[k]) {
            play(work_, g, w, g.games - w - d, +1);
            const bool found = try_kinds(open, kinds, k + 1);
            play(work_, g, w, g.games - w - d, -1);
            if (found) return true;
        }
        return false;
    }

    bool leaf() {
        // With no rival level with the club on percentage its place is the count of those above
        // it, under every rules but those ranking by wins first.
        if (rules_.steps.front() == TieStep::percentage) {
            int above = 0;
            bool level = false;
            for (int r = 1; r <= 6; ++r) {
                if (r == club_) continue;
                const long long key = key_of(work_.clubs[r].wins, work_.clubs[r].losses);
                above += key > own_key_;
                level = level || key == own_key_;
            }
            if (!level) return finding_failure_ ? above + 1 > places_ : above + 1 <= places_;
        }
        const LeagueOrder order = final_order(work_, rules_);
        if (finding_failure_) return worst_place(order, club_) > places_;
        const int place = rules_.level_keeps_chance ? order.place[club_] : worst_place(order, club_);
        return place <= places_;
    }

    // Percentage alone, for the club winning every game it has left (already played in work_):
    // rivals that can all stay below it (or level, where the club surely wins the tie) give a
    // finish; rivals that cannot even stay level leave none.
    Verdict judge_finish() const {
        RivalTargets targets, level_targets;
        bool one_side = true, level_one_side = true;
        for (int r = 1; r <= 6; ++r) {
            const bool tie_safe = r != club_ && own_key_ > 0 &&
                                  !may_pass_when_level(work_, rules_, club_, r, 0, own_key_);
            const bool tie_lost = r != club_ && surely_passes_when_level(work_, rules_, club_, r, own_key_);
            targets[r] = RankKey{tie_safe ? own_key_ : own_key_ - 1, 0};
            level_targets[r] = RankKey{tie_lost ? own_key_ - 1 : own_key_, 0};
            one_side = one_side && ((targets[r].first >= 5000) == (own_key_ - 1 >= 5000));
            // Targets of .5000 itself go with either side: a record there has as many wins as losses.
            level_one_side = level_one_side && (own_key_ >= 5000 ? level_targets[r].first >= 5000 || own_key_ == 5000
                                                                 : level_targets[r].first < 5000);
        }
        if (!one_side) targets.fill(RankKey{own_key_ - 1, 0});
        bool any_level = false;
        for (unsigned gone : rival_sets(club_, places_ - 1)) {
            const LeaguePosition pos = gone ? without(work_, club_, gone) : work_;
            if (own_key_ > 0 && stay_within(pos, targets)) return Verdict::found;
            // Rivals that would win the tie must stay below the club, not merely level with it.
            any_level = any_level || (level_one_side ? stay_within(pos, level_for(level_targets, gone))
                                                     : rivals_can_stay_at_or_below(pos, club_, RankKey{own_key_, 0}));
        }
        return any_level ? Verdict::open : Verdict::dead;
    }

    // The targets with the rivals out of the race (standing on no win) held to the club's own.
    RivalTargets level_for(RivalTargets targets, unsigned gone) const {
        for (int r : clubs_in(gone)) targets[r] = RankKey{own_key_, 0};
        return targets;
    }

    bool stay_within(const LeaguePosition& pos, const RivalTargets& targets) const {
        long long lowest = targets[club_ == 1 ? 2 : 1].first;
        for (int r = 1; r <= 6; ++r)
            if (r != club_) lowest = std::min(lowest, targets[r].first);
        return lowest >= 5000 ? rivals_can_stay_level_by_percentage(pos, club_, targets)
                              : rivals_can_stay_level_below_half(pos, club_, targets);
    }

    // Percentage alone, the club's games not yet decided lost but for the wins still to place:
    // rivals enough to keep it out that can pass it give a failure whatever the ties; when they
    // cannot even reach it (or pass it, where the club surely wins the tie) there is none.
    Verdict judge_failure() const {
        const ClubRecord& c = work_.clubs[club_];
        const int wins = c.wins + wins_left_;
        const long long bar = key_of(wins, c.losses + work_.games_left(club_) - wins_left_);
        if (rivals_can_reach(work_, club_, wins_left_, places_, bar + 1)) return Verdict::found;
        RivalBars bars;
        for (int r = 1; r <= 6; ++r)
            bars[r] = r != club_ && may_pass_when_level(work_, rules_, club_, r, wins_left_, own_draws_ ? -1 : bar) ? bar : bar + 1;
        if (!rivals_can_reach(work_, club_, wins_left_, places_, bars)) return Verdict::dead;
        return Verdict::open;
    }
};

}  // namespace

bool can_finish_within(const LeaguePosition& pos, const TieRules& rules, int club, int places) {
    if (rules.level_keeps_chance && places == 1) return !eliminated(pos, club);
    return PlaceSearch(pos, rules, club, places).possible();
}

namespace {

// Whether rivals enough pass the club (above 1) or reach it (above 0), on percentage alone, when
// it wins `wins` of the games it has left and loses the rest.
bool passed(const LeaguePosition& pos, int club, int places, int wins, int above) {
    const ClubRecord& c = pos.clubs[club];
    const long long own = key_of(c.wins + wins, c.losses + pos.games_left(club) - wins);
    return rivals_can_reach(pos, club, wins, places, own + above);
}

// Whether `wins` further wins clinch the place, given that one fewer would not keep every rival
// strictly below: only a finish level on percentage is left for the rules to part.
bool clinches_with(const LeaguePosition& pos, const TieRules& rules, int club, int places, int wins) {
    return !passed(pos, club, places, wins, 0) || !PlaceSearch(pos, rules, club, places).fails_with(wins);
}

}  // namespace

bool keeps_own_chance(const LeaguePosition& pos, const TieRules& rules, int club, int places) {
    if (rules.level_keeps_chance && places == 1) return magic_number(pos, club).has_value();
    const int left = pos.games_left(club);
    if (passed(pos, club, places, left, 1)) return false;
    // With one win fewer than all rivals still fall short of passing it: a number below `left`.
    if (left > 0 && !passed(pos, club, places, left - 1, 1)) return true;
    return clinches_with(pos, rules, club, places, left);
}

bool has_clinched(const LeaguePosition& pos, const TieRules& rules, int club, int places) {
    if (rules.level_keeps_chance && places == 1) return magic_number(pos, club) == 0;
    return !passed(pos, club, places, 0, 1) && clinches_with(pos, rules, club, places, 0);
}

std::optional<int> clinch_number(const LeaguePosition& pos, const TieRules& rules, int club, int places) {
    if (rules.level_keeps_chance && places == 1) return magic_number(pos, club);
    const int left = pos.games_left(club);
    if (passed(pos, club, places, left, 1)) return std::nullopt;
    // Being passed only grows harder with each win: the fewest wins that stop it, by halving.
    int low = 0, high = left;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (passed(pos, club, places, mid, 1))
            low = mid + 1;
        else
            high = mid;
    }
    // With one win more the club is above any rival that could only reach it with one fewer, so
    // only a finish level on percentage at this number is left for the rules to part.
    if (clinches_with(pos, rules, club, places, low)) return low;
    return low == left ? std::nullopt : std::optional<int>(low + 1);
}

}  // namespace tev
