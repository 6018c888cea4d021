#include "core/race/reach.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/race/rank_key.h"

namespace tev {

namespace {

constexpr int kMost = kMostReachingRivals;

// The passing rivals' own small league: their records before it, and the games among them.
struct SmallLeague {
    int size = 0;
    std::array<long long, kMost> bar{};
    std::array<int, kMost> wins{}, losses{};
    std::array<std::array<int, kMost>, kMost> games{};
};

bool at_bar(int wins, int losses, long long bar) { return pct_ten_thousandths(wins, losses) >= bar; }

// Below .5000 two draws between two rivals may become a win each way, which lifts a club below
// .5000 and keeps one above it above: each pair keeps at most one draw. Then every club's decided
// games are fixed, its condition is a least number of wins among them, and the wins can be shared
// out exactly when no set of clubs needs more than the games that touch it.
bool reach_below_half(const SmallLeague& s) {
    std::vector<std::array<int, 2>> pairs;
    for (int i = 0; i < s.size; ++i)
        for (int j = i + 1; j < s.size; ++j)
            if (s.games[i][j] > 0) pairs.push_back({i, j});
    for (unsigned draws = 0; draws < (1u << pairs.size()); ++draws) {
        std::array<std::array<int, kMost>, kMost> decided = s.games;
        for (std::size_t k = 0; k < pairs.size(); ++k)
            if ((draws >> k) & 1u) {
                --decided[pairs[k][0]][pairs[k][1]];
                --decided[pairs[k][1]][pairs[k][0]];
            }
        std::array<int, kMost> need{};
        bool possible = true;
        for (int i = 0; i < s.size && possible; ++i) {
            int games = 0;
            for (int j = 0; j < s.size; ++j) games += j == i ? 0 : decided[i][j];
            need[i] = -1;
            for (int a = 0; a <= games && need[i] < 0; ++a)
                if (at_bar(s.wins[i] + a, s.losses[i] + games - a, s.bar[i])) need[i] = a;
            possible = need[i] >= 0;
        }
        for (unsigned set = 1; set < (1u << s.size) && possible; ++set) {
            long long wanted = 0, touching = 0;
            for (int i = 0; i < s.size; ++i) {
                if (!((set >> i) & 1u)) continue;
                wanted += need[i];
                for (int j = 0; j < s.size; ++j)
                    if (j != i && (!((set >> j) & 1u) || j > i)) touching += decided[i][j];
            }
            possible = wanted <= touching;
        }
        if (possible) return true;
    }
    return false;
}

// The fewest wins club i needs with `losses` more losses, or a number past any use.
int wins_needed(const SmallLeague& s, int i, int losses, int most) {
    for (int a = 0; a <= most; ++a)
        if (at_bar(s.wins[i] + a, s.losses[i] + losses, s.bar[i])) return a;
    return most + 1;
}

// The most losses club i can take with no more wins, or -1 when it is below the bar already.
int losses_allowed(const SmallLeague& s, int i, int most) {
    int allowed = -1;
    for (int l = 0; l <= most && at_bar(s.wins[i], s.losses[i] + l, s.bar[i]); ++l) allowed = l;
    return allowed;
}

// At .5000 or above a win each way between two clubs may become two draws, and so may a round of
// wins a over b, b over c, c over a: each club loses a win and a loss, which keeps a club at or
// above .5000 there (it has other decided games, so it never ends with none). So the games go one
// way in each pair, along some order of the clubs, and each amount is best at its least.
bool reach_above_half(const SmallLeague& s) {
    std::array<int, kMost> order{};
    for (int i = 0; i < s.size; ++i) order[i] = i;
    do {
        const int a = order[0];
        if (s.size == 1) return at_bar(s.wins[a], s.losses[a], s.bar[a]);
        const int b = order[1];
        if (s.size == 2) {
            const int need = wins_needed(s, a, 0, s.games[a][b]);
            if (need <= s.games[a][b] && need <= losses_allowed(s, b, s.games[a][b])) return true;
            continue;
        }
        const int c = order[2];
        const int need_a = wins_needed(s, a, 0, s.games[a][b] + s.games[a][c]);
        const int room_c = losses_allowed(s, c, s.games[a][c] + s.games[b][c]);
        // b's need grows with the losses it takes from a: followed upward, not searched afresh.
        int need_b = 0;
        for (int ab = 0; ab <= s.games[a][b] && room_c >= 0; ++ab) {
            while (need_b <= s.games[b][c] && !at_bar(s.wins[b] + need_b, s.losses[b] + ab, s.bar[b])) ++need_b;
            const int ac = std::max(0, need_a - ab);
            if (ac <= s.games[a][c] && need_b <= s.games[b][c] && ac + need_b <= room_c) return true;
        }
    } while (std::next_permutation(order.begin(), order.begin() + s.size));
    return false;
}

// Every outcome of the games among the clubs tried, for a club with no decided game outside them
// (where a round of wins may not become draws).
bool reach_by_every_outcome(SmallLeague s, int pair = 0) {
    std::vector<std::array<int, 2>> pairs;
    for (int i = 0; i < s.size; ++i)
        for (int j = i + 1; j < s.size; ++j) pairs.push_back({i, j});
    if (pair == static_cast<int>(pairs.size())) {
        for (int i = 0; i < s.size; ++i)
            if (!at_bar(s.wins[i], s.losses[i], s.bar[i])) return false;
        return true;
    }
    const auto [i, j] = pairs[pair];
    const int n = s.games[i][j];
    for (int wi = 0; wi <= n; ++wi)
        for (int wj = 0; wi + wj <= n; ++wj) {
            SmallLeague t = s;
            t.wins[i] += wi, t.losses[j] += wi, t.wins[j] += wj, t.losses[i] += wj;
            if (reach_by_every_outcome(t, pair + 1)) return true;
        }
    return false;
}

// The reductions hold when every bar lies on one side of .5000; bars on both sides (only at
// .5000 itself) try every outcome.
bool small_league_reaches(const SmallLeague& s) {
    bool below = true, above = true, undecided = false;
    for (int i = 0; i < s.size; ++i) {
        below = below && s.bar[i] < 5000;
        above = above && s.bar[i] >= 5000;
        undecided = undecided || s.wins[i] + s.losses[i] == 0;
    }
    if (below) return reach_below_half(s);
    if (above && !undecided) return reach_above_half(s);
    return reach_by_every_outcome(s);
}

// Whether the passing set taken together can reach the bar: each club at the bar puts the set
// there too, so a set whose combined record stays a point below it even at its best holds a club
// below it. At or above .5000 the set is best with every game among its clubs drawn, below it with
// every one decided (each adds a win and a loss).
bool set_may_reach(const LeaguePosition& pos, int club, const std::vector<int>& members, int beaten, long long bar) {
    if (bar >= 5000 && bar < 5100) return true;  // kept simple around .5000, where the side matters
    long long wins = 0, losses = beaten, among = 0;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const int r = members[i];
        wins += pos.clubs[r].wins + pos.interleague_left[r] + pos.left[club][r];
        losses += pos.clubs[r].losses;
        for (int o = 1; o <= 6; ++o) {
            if (o == club || o == r) continue;
            if (std::find(members.begin(), members.end(), o) == members.end())
                wins += pos.left[r][o];
            else if (o > r)
                among += pos.left[r][o];
        }
    }
    wins -= beaten;
    if (bar < 5000) wins += among, losses += among;
    // Exactly: wins / (wins + losses) >= (bar - 1) / 10000, kept in whole numbers.
    return wins * 10000 >= (bar - 1) * (wins + losses) || wins + losses == 0;
}

// The passing set `members` with the club's `beaten` wins against them shared as `share`.
bool shares_reach(const LeaguePosition& pos, int club, const std::vector<int>& members, int beaten,
                  const RivalBars& bars, std::array<int, kMost>& share, int k) {
    const int m = static_cast<int>(members.size());
    if (k == m - 1) {
        if (beaten > pos.left[club][members[k]]) return false;
        share[k] = beaten;
        SmallLeague s;
        s.size = m;
        for (int i = 0; i < m; ++i) {
            const int r = members[i];
            s.wins[i] = pos.clubs[r].wins + pos.interleague_left[r] + pos.left[club][r] - share[i];
            s.losses[i] = pos.clubs[r].losses + share[i];
            s.bar[i] = bars[r];
            for (int o = 1; o <= 6; ++o)
                if (o != club && std::find(members.begin(), members.end(), o) == members.end()) s.wins[i] += pos.left[r][o];
            for (int j = 0; j < m; ++j) s.games[i][j] = i == j ? 0 : pos.left[r][members[j]];
        }
        return small_league_reaches(s);
    }
    for (int e = std::min(beaten, pos.left[club][members[k]]); e >= 0; --e) {
        share[k] = e;
        if (shares_reach(pos, club, members, beaten - e, bars, share, k + 1)) return true;
    }
    return false;
}

}  // namespace

bool rivals_can_reach(const LeaguePosition& pos, int club, int wins, int count, long long bar) {
    RivalBars bars;
    bars.fill(bar);
    return rivals_can_reach(pos, club, wins, count, bars);
}

bool rivals_can_reach(const LeaguePosition& pos, int club, int wins, int count, const RivalBars& bars) {
    if (count < 1) return false;
    for (unsigned set : rival_sets(club, count))
        if (set_can_reach(pos, club, wins, set, bars)) return true;
    return false;
}

bool set_can_reach(const LeaguePosition& pos, int club, int wins, unsigned set, const RivalBars& bars) {
    const std::vector<int> members = clubs_in(set);
    // The club's wins come first from the other league and from the rivals outside the set.
    int elsewhere = pos.interleague_left[club];
    for (int r = 1; r <= 6; ++r)
        if (r != club && !((set >> r) & 1u)) elsewhere += pos.left[club][r];
    std::array<int, kMost> share{};
    const int beaten = std::max(0, wins - elsewhere);
    long long lowest = bars[members[0]];
    for (int r : members) lowest = std::min(lowest, bars[r]);
    if (!set_may_reach(pos, club, members, beaten, lowest)) return false;
    return shares_reach(pos, club, members, beaten, bars, share, 0);
}

}  // namespace tev
