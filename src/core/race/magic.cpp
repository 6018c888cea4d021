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
    // `one_way`: only outcomes in which each pair's decided games all go the same way are tried.
    LevelSearch(const LeaguePosition& pos, int club, bool one_way) : one_way_(one_way) {
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
    static constexpr std::size_t kNodeBudget = 200000;
    std::size_t nodes_ = 0;

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
        // A search that has not settled within its budget counts the club as still alive: the
        // table must never hang on one position, and it must never call a club out wrongly.
        if (++nodes_ > kNodeBudget) return true;
        const std::string key = state_key(k);
        if (failed_.count(key)) return false;
        const Pair p = pairs_[k];
        unsettled_[p.i] -= p.games;
        unsettled_[p.j] -= p.games;
        // Choices that keep both clubs able to stay level, the roomiest first.
        std::vector<Choice> choices;
        for (int w = 0; w <= p.games; ++w)
            for (int l = 0; w + l <= p.games; ++l) {
                if (one_way_ && w > 0 && l > 0) continue;
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

    bool one_way_ = false;
    std::vector<Pair> pairs_;
    std::array<std::vector<int>, 7> limit_;
    std::array<int, 7> unsettled_{};
    std::array<int, 7> wins_{};    // further wins in the games among the other clubs
    std::array<int, 7> losses_{};  // further losses there
    std::array<bool, 7> active_{};
    std::unordered_set<std::string> failed_;
};

// Whether the other clubs can all end at or below `target` (a percentage key of at least .5000).
// At such a target two draws of one pair may become one win each way without lifting either club
// above it ((W+1)/(n+2) lies between W/n and 1/2), so each pair keeps at most one draw. For each
// choice of which pairs keep one, every club's decided games are fixed and its condition is a cap
// on its wins among them; the wins can be shared out exactly when no group of clubs has more games
// among themselves than their caps allow (the max-flow min-cut condition of the sharing).
bool level_by_sharing(const LeaguePosition& pos, int club, RankKey target) {
    std::vector<int> rivals;
    for (int r = 1; r <= 6; ++r)
        if (r != club) rivals.push_back(r);
    struct Pair {
        int a, b, games;  // a, b index `rivals`
    };
    std::vector<Pair> pairs;
    for (std::size_t a = 0; a < rivals.size(); ++a)
        for (std::size_t b = a + 1; b < rivals.size(); ++b)
            if (const int g = pos.left[rivals[a]][rivals[b]]; g > 0)
                pairs.push_back({static_cast<int>(a), static_cast<int>(b), g});
    const int n_rivals = static_cast<int>(rivals.size());
    for (unsigned mask = 0; mask < (1u << pairs.size()); ++mask) {
        std::vector<int> decided(pairs.size()), games(rivals.size(), 0), cap(rivals.size(), -1);
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            decided[k] = pairs[k].games - ((mask >> k) & 1u);
            games[pairs[k].a] += decided[k];
            games[pairs[k].b] += decided[k];
        }
        bool capped = true;
        for (int i = 0; i < n_rivals && capped; ++i) {
            const ClubRecord& r = pos.clubs[rivals[i]];
            const int losses = r.losses + pos.left[club][rivals[i]];
            for (int a = 0; a <= games[i]; ++a)
                if (rank_key(r.wins + a, losses + games[i] - a, pos.wins_ranked) <= target) cap[i] = a;
            capped = cap[i] >= 0;
        }
        if (!capped) continue;
        bool shared = true;
        for (unsigned group = 1; group < (1u << n_rivals) && shared; ++group) {
            long long inside = 0, room = 0;
            for (int i = 0; i < n_rivals; ++i)
                if ((group >> i) & 1u) room += cap[i];
            for (std::size_t k = 0; k < pairs.size(); ++k)
                if (((group >> pairs[k].a) & 1u) && ((group >> pairs[k].b) & 1u)) inside += decided[k];
            shared = inside <= room;
        }
        if (shared) return true;
    }
    return false;
}

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
    const ClubRecord& c = pos.clubs[club];
    const RankKey target = rank_key(c.wins + pos.games_left(club), c.losses, pos.wins_ranked);
    if (!pos.wins_ranked && target.first >= 5000) return !level_by_sharing(pos, club, target);
    // Below .5000 two decided games of a pair going opposite ways may become two draws without
    // lifting either club above the target, so only one-way outcomes need trying. A season ranked
    // by wins has no such rule (a draw instead of a win costs a win), and keeps the full search.
    LevelSearch search(pos, club, !pos.wins_ranked);
    return !search.feasible();
}

}  // namespace tev
