#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "core/race/level.h"

namespace tev {

namespace {

// Below .5000 a club at or under the target has no win at all or fewer wins than losses, so a
// win each way between two rivals may become two draws, and so may a round of wins i over j,
// j over k, ..., back to i: each club on it loses a win and a loss, which never raises a record
// with fewer wins than losses. So some outcome that keeps every rival level decides each pair's
// games one way and has no such round: the rivals can be put in an order in which each beats only
// rivals after it. The search tries the orders club by club; when a rival's turn comes its
// losses are settled, and it wins as many of its games against the later rivals as its record
// allows, since more losses never raise the key of the rival that takes them.
class BelowHalfSearch {
  public:
    BelowHalfSearch(const LeaguePosition& pos, int club, const RivalTargets& targets)
        : pos_(pos), targets_(targets) {
        for (int r = 1; r <= 6; ++r)
            if (r != club)
                rivals_.push_back({r, pos.clubs[r].wins, losses_when_beaten(pos, club, r)});
        for (int i = 0; i < kRivals; ++i)
            for (int j = 0; j < kRivals; ++j)
                games_[i][j] = i == j ? 0 : pos.left[rivals_[i].team][rivals_[j].team];
        for (int i = 0; i < kRivals; ++i) useful_losses_[i] = losses_that_free(i);
    }

    bool fits() {
        std::array<int, kRivals> taken{};
        return fits_from(0, taken);
    }

  private:
    static constexpr int kRivals = 5;

    struct Rival {
        int team = 0;
        int wins = 0;
        int losses = 0;
    };

    const LeaguePosition& pos_;
    RivalTargets targets_;
    std::vector<Rival> rivals_;
    std::array<std::array<int, kRivals>, kRivals> games_{};
    std::array<int, kRivals> useful_losses_{};
    std::set<std::array<int, kRivals + 1>> failed_;  // (rivals placed, losses taken) known to fail

    bool level(int i, int more_wins, int more_losses) const {
        return rank_key(rivals_[i].wins + more_wins, rivals_[i].losses + more_losses,
                        pos_.wins_ranked) <= targets_[rivals_[i].team];
    }

    int games_of(int i) const {
        int n = 0;
        for (int j = 0; j < kRivals; ++j) n += games_[i][j];
        return n;
    }

    // The losses after which rival i could win every game it has against the rivals and stay
    // level; more of them change nothing, so the search counts no further.
    int losses_that_free(int i) const {
        const int games = games_of(i);
        for (int t = 0; t <= games; ++t)
            if (level(i, games, t)) return t;
        return games;
    }

    // The most games rival i, with `losses` further losses, may win against the rivals not yet
    // placed (`placed` a mask), or -1 when it is above the target already.
    int most_wins(int i, unsigned placed, int losses) const {
        int room = 0;
        for (int j = 0; j < kRivals; ++j)
            if (j != i && !((placed >> j) & 1u)) room += games_[i][j];
        int wins = -1;
        for (int w = 0; w <= room && level(i, w, losses); ++w) wins = w;
        return wins;
    }

    // Whether a rival not yet placed is above the target even if it loses every game it has left
    // against the others not yet placed.
    bool hopeless(unsigned placed, const std::array<int, kRivals>& taken) const {
        for (int i = 0; i < kRivals; ++i) {
            if ((placed >> i) & 1u) continue;
            int more = taken[i];
            for (int j = 0; j < kRivals; ++j)
                if (j != i && !((placed >> j) & 1u)) more += games_[j][i];
            if (!level(i, 0, more)) return true;
        }
        return false;
    }

    bool fits_from(unsigned placed, std::array<int, kRivals>& taken) {
        if (placed == (1u << kRivals) - 1) return true;
        std::array<int, kRivals + 1> key{};
        key[0] = static_cast<int>(placed);
        for (int i = 0; i < kRivals; ++i)
            if (!((placed >> i) & 1u)) key[i + 1] = std::min(taken[i], useful_losses_[i]);
        if (failed_.count(key) || hopeless(placed, taken)) return false;
        for (int i = 0; i < kRivals; ++i) {
            if ((placed >> i) & 1u) continue;
            const int wins = most_wins(i, placed, taken[i]);
            if (wins < 0) continue;
            if (share_wins(i, placed | (1u << i), wins, 0, taken)) return true;
        }
        failed_.insert(key);
        return false;
    }

    // Shares `wins` of rival i as losses among the rivals not yet placed, from rival `from` on,
    // each taking at most its games against i, and goes on with the next place.
    bool share_wins(int i, unsigned placed, int wins, int from, std::array<int, kRivals>& taken) {
        while (from < kRivals && ((placed >> from) & 1u)) ++from;
        if (from == kRivals) return wins == 0 && fits_from(placed, taken);
        int later = 0;
        for (int j = from + 1; j < kRivals; ++j)
            if (!((placed >> j) & 1u)) later += games_[i][j];
        const int most = std::min(wins, games_[i][from]);
        for (int n = most; n >= 0 && n + later >= wins; --n) {
            taken[from] += n;
            const bool fits = share_wins(i, placed, wins - n, from + 1, taken);
            taken[from] -= n;
            if (fits) return true;
        }
        return false;
    }
};

}  // namespace

bool rivals_can_stay_level_below_half(const LeaguePosition& pos, int club, const RivalTargets& targets) {
    return BelowHalfSearch(pos, club, targets).fits();
}

bool rivals_can_stay_level_below_half(const LeaguePosition& pos, int club, RankKey target) {
    RivalTargets targets;
    targets.fill(target);
    return rivals_can_stay_level_below_half(pos, club, targets);
}

}  // namespace tev
