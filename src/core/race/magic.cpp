#include "core/race/magic.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/race/rank_key.h"

namespace tev {

namespace {

// Whether `club`, winning `x` of its remaining games, stays above `rival` in the outcome that is
// worst for it against that rival: its other games lost, its wins taken first from the games that
// do not involve the rival, the rival winning every other game it has left.
bool above_rival_in_worst_case(const LeaguePosition& pos, int club, int rival, int x) {
    const int left = pos.games_left(club);
    const int against = pos.left[club][rival];
    const int wins_against = std::max(0, x - (left - against));
    const ClubRecord& c = pos.clubs[club];
    const ClubRecord& r = pos.clubs[rival];
    const RankKey own = rank_key(c.wins + x, c.losses + (left - x), pos.wins_ranked);
    const int rival_other = pos.games_left(rival) - against;
    const RankKey theirs =
        rank_key(r.wins + rival_other + (against - wins_against), r.losses + wins_against, pos.wins_ranked);
    return own > theirs;
}

bool clinched_with(const LeaguePosition& pos, int club, int x) {
    for (int rival = 1; rival <= 6; ++rival)
        if (rival != club && !above_rival_in_worst_case(pos, club, rival, x)) return false;
    return true;
}

// The search for an outcome of the games among the other clubs that leaves each of them at or
// below a target key. limit[r][b] is the most further wins club r may take with b further losses
// (-1: none), which never falls as b grows, so "every game it has still to settle is a loss" is
// the best any unsettled club can hope for: the pruning rule.
class LevelSearch {
public:
    LevelSearch(const LeaguePosition& pos, int club) {
        const ClubRecord& c = pos.clubs[club];
        const RankKey target = rank_key(c.wins + pos.games_left(club), c.losses, pos.wins_ranked);
        for (int i = 1; i <= 6; ++i)
            for (int j = i + 1; j <= 6; ++j)
                if (i != club && j != club && pos.left[i][j] > 0) pairs_.push_back({i, j, pos.left[i][j]});
        for (const Pair& p : pairs_) {
            unsettled_[p.i] += p.games;
            unsettled_[p.j] += p.games;
        }
        for (int r = 1; r <= 6; ++r) {
            if (r == club) continue;
            // The club beats r in every game they have left.
            const int wins = pos.clubs[r].wins;
            const int losses = pos.clubs[r].losses + pos.left[club][r];
            const int range = unsettled_[r];
            limit_[r].assign(range + 1, -1);
            for (int b = 0; b <= range; ++b) {
                int a = b > 0 ? std::max(limit_[r][b - 1], 0) : 0;
                if (rank_key(wins + a, losses + b, pos.wins_ranked) > target) continue;
                while (a < range && !(rank_key(wins + a + 1, losses + b, pos.wins_ranked) > target)) ++a;
                limit_[r][b] = a;
            }
        }
        active_.fill(false);
        for (int r = 1; r <= 6; ++r) active_[r] = r != club;
    }

    bool feasible() {
        for (int r = 1; r <= 6; ++r)
            if (active_[r] && slack(r, 0, 0) < 0) return false;
        return search(0);
    }

private:
    struct Pair {
        int i, j, games;
    };
    struct Choice {
        int w, l, score;
    };

    // How many more wins club r could still take if all its unsettled games were losses.
    int slack(int r, int more_wins, int more_losses) const {
        const int b = losses_[r] + more_losses + unsettled_[r];
        return limit_[r][b] - (wins_[r] + more_wins);
    }

    std::string state_key(std::size_t k) const {
        std::string key(1, static_cast<char>(k));
        // A club with every game settled has passed its check and no longer shapes what follows.
        for (int r = 1; r <= 6; ++r) {
            const bool open = active_[r] && unsettled_[r] > 0;
            key += static_cast<char>(open ? wins_[r] : 0);
            key += static_cast<char>(open ? losses_[r] : 0);
        }
        return key;
    }

    bool search(std::size_t k) {
        if (k == pairs_.size()) return true;
        const std::string key = state_key(k);
        if (failed_.count(key)) return false;
        const Pair p = pairs_[k];
        unsettled_[p.i] -= p.games;
        unsettled_[p.j] -= p.games;
        // Choices that keep both clubs able to stay level, the roomiest first.
        std::vector<Choice> choices;
        for (int w = 0; w <= p.games; ++w)
            for (int l = 0; w + l <= p.games; ++l) {
                const int si = slack(p.i, w, l);
                const int sj = slack(p.j, l, w);
                if (si >= 0 && sj >= 0) choices.push_back({w, l, std::min(si, sj)});
            }
        std::stable_sort(choices.begin(), choices.end(),
                         [](const Choice& a, const Choice& b) { return a.score > b.score; });
        bool found = false;
        for (const Choice& c : choices) {
            apply(p, c.w, c.l, 1);
            found = search(k + 1);
            apply(p, c.w, c.l, -1);
            if (found) break;
        }
        unsettled_[p.i] += p.games;
        unsettled_[p.j] += p.games;
        if (!found) failed_.insert(key);
        return found;
    }

    void apply(const Pair& p, int w, int l, int sign) {
        wins_[p.i] += sign * w;
        losses_[p.i] += sign * l;
        wins_[p.j] += sign * l;
        losses_[p.j] += sign * w;
    }

    std::vector<Pair> pairs_;
    std::array<std::vector<int>, 7> limit_;
    std::array<int, 7> unsettled_{};
    std::array<int, 7> wins_{};    // further wins in the games among the other clubs
    std::array<int, 7> losses_{};  // further losses there
    std::array<bool, 7> active_{};
    std::unordered_set<std::string> failed_;
};

}  // namespace

std::optional<int> magic_number(const LeaguePosition& pos, int club) {
    // Each rival's worst case only grows harder for it as the club wins more, so the first x
    // that clinches is the magic number.
    const int left = pos.games_left(club);
    for (int x = 0; x <= left; ++x)
        if (clinched_with(pos, club, x)) return x;
    return std::nullopt;
}

bool eliminated(const LeaguePosition& pos, int club) {
    // Winning every game of its own is the club's best: each win raises it and lowers a rival.
    LevelSearch search(pos, club);
    return !search.feasible();
}

}  // namespace tev
