#include <array>
#include <vector>

#include "core/race/level.h"

namespace tev {

namespace {

// Each rival as the club's wins-first target sees it: what it has when the club beats it in every
// game they have left and it loses its interleague games, and how many games it still has
// against the other rivals.
struct Rival {
    int team = 0;
    int wins = 0;
    int losses = 0;
    int unsettled = 0;
};

std::vector<Rival> rivals_of(const LeaguePosition& pos, int club) {
    std::vector<Rival> rivals;
    for (int r = 1; r <= 6; ++r) {
        if (r == club) continue;
        Rival rival{r, pos.clubs[r].wins, losses_when_beaten(pos, club, r), 0};
        for (int s = 1; s <= 6; ++s)
            if (s != club && s != r) rival.unsettled += pos.left[r][s];
        rivals.push_back(rival);
    }
    return rivals;
}

// The games among the rivals as a transport of wins: `cap` the further wins each rival may take,
// `need` the further losses it must take, room[i][j] the games i may win against j. The losses
// can all be delivered exactly when no group of rivals needs more of them than the winners can
// send it (the max-flow min-cut condition of the transport, every winner sending at most its cap
// and at most its room against the group).
using Room = std::array<std::array<int, 5>, 5>;

bool transport_fits(const std::vector<int>& cap, const std::vector<int>& need, const Room& room,
                    unsigned needy) {
    const int n = static_cast<int>(cap.size());
    for (unsigned group = needy; group != 0; group = (group - 1) & needy) {
        long long wanted = 0, sent = 0;
        for (int j = 0; j < n; ++j)
            if ((group >> j) & 1u) wanted += need[j];
        for (int i = 0; i < n; ++i) {
            long long reach = 0;
            for (int j = 0; j < n; ++j)
                if ((group >> j) & 1u) reach += room[i][j];
            sent += std::min<long long>(cap[i], reach);
        }
        if (wanted > sent) return false;
    }
    return true;
}

// Whether the rivals in `level` (a mask over `rivals`) can end on the target's wins with no better
// percentage, and every other rival below the target's wins.
bool fits_with_level_set(const LeaguePosition& pos, const std::vector<Rival>& rivals, RankKey target,
                         unsigned level) {
    const int n = static_cast<int>(rivals.size());
    std::vector<int> cap(n), need(n, 0);
    for (int i = 0; i < n; ++i) {
        const bool at_level = (level >> i) & 1u;
        cap[i] = static_cast<int>(target.first) - rivals[i].wins - (at_level ? 0 : 1);
        if (cap[i] < 0) return false;
        if (!at_level) continue;
        // Level on wins, it must lose enough to sit at or below the target's percentage.
        int b = 0;
        while (b <= rivals[i].unsettled &&
               rank_key(static_cast<int>(target.first), rivals[i].losses + b, true) > target)
            ++b;
        if (b > rivals[i].unsettled) return false;
        need[i] = b;
    }
    // A game is decided only to give a level rival a loss; a pair of level rivals may send its
    // games either way, every other pair only to the level one.
    std::vector<std::array<int, 2>> both_level;
    Room open{};
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            if (i == j) continue;
            const int games = pos.left[rivals[i].team][rivals[j].team];
            const bool i_level = (level >> i) & 1u, j_level = (level >> j) & 1u;
            if (!i_level && j_level) open[i][j] = games;
            if (i_level && j_level && i < j && games > 0) both_level.push_back({i, j});
        }
    for (unsigned way = 0; way < (1u << both_level.size()); ++way) {
        Room room = open;
        for (std::size_t k = 0; k < both_level.size(); ++k) {
            const auto [i, j] = both_level[k];
            const int games = pos.left[rivals[i].team][rivals[j].team];
            if ((way >> k) & 1u)
                room[i][j] = games;
            else
                room[j][i] = games;
        }
        if (transport_fits(cap, need, room, level)) return true;
    }
    return false;
}

}  // namespace

// Ranked by wins, a win each way between two rivals may always become two draws: each of them
// loses a win, which puts it below the target's wins whatever its percentage. So each pair's
// decided games may be taken to go one way. Which rivals end level on the target's wins is tried
// set by set; for each set the pairs of level rivals are tried in both directions and the rest is
// a transport of wins that the cut condition decides.
bool rivals_can_stay_level_by_wins(const LeaguePosition& pos, int club, RankKey target) {
    const std::vector<Rival> rivals = rivals_of(pos, club);
    for (unsigned level = 0; level < (1u << rivals.size()); ++level)
        if (fits_with_level_set(pos, rivals, target, level)) return true;
    return false;
}

}  // namespace tev
