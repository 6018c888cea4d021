#include <vector>

#include "core/race/level.h"

namespace tev {

// At a target of .5000 or more two draws of one pair may become one win each way without lifting
// either club above it ((W+1)/(n+2) lies between W/n and 1/2), so each pair keeps at most one
// draw. For each choice of which pairs keep one, every club's decided games are fixed and its
// condition is a cap on its wins among them; the wins can be shared out exactly when no group of
// clubs has more games among themselves than their caps allow (the max-flow min-cut condition of
// the sharing).
bool rivals_can_stay_level_by_percentage(const LeaguePosition& pos, int club, const RivalTargets& targets) {
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
            const int losses = losses_when_beaten(pos, club, rivals[i]);
            for (int a = 0; a <= games[i]; ++a)
                if (rank_key(r.wins + a, losses + games[i] - a, pos.wins_ranked) <= targets[rivals[i]]) cap[i] = a;
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

bool rivals_can_stay_level_by_percentage(const LeaguePosition& pos, int club, RankKey target) {
    RivalTargets targets;
    targets.fill(target);
    return rivals_can_stay_level_by_percentage(pos, club, targets);
}

}  // namespace tev
