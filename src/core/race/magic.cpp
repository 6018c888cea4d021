#include "core/race/magic.h"

#include <algorithm>

#include "core/race/level.h"
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

// The league's wins less its losses at the end, when the club wins every game it has left and
// its rivals lose every interleague game they have left: the games among the rivals add as many
// wins as losses, whatever they give.
int final_margin(const LeaguePosition& pos, int club) {
    int margin = pos.interleague_left[club];
    for (int r = 1; r <= 6; ++r) {
        margin += pos.clubs[r].wins - pos.clubs[r].losses;
        if (r != club) margin -= pos.interleague_left[r];
    }
    return margin;
}

// Whether every club of the league can end with no decided game: none has one yet, the club has
// no game left (it would win it) and no rival an interleague game (it would lose it); the rivals
// draw the games among them.
bool nothing_ever_decided(const LeaguePosition& pos, int club) {
    for (int r = 1; r <= 6; ++r) {
        if (pos.clubs[r].wins != 0 || pos.clubs[r].losses != 0) return false;
        if (r != club && pos.interleague_left[r] != 0) return false;
    }
    return pos.games_left(club) == 0;
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

bool rivals_can_stay_at_or_below(const LeaguePosition& pos, int club, RankKey target) {
    if (pos.wins_ranked) return rivals_can_stay_level_by_wins(pos, club, target);
    if (target.first >= 5000) return rivals_can_stay_level_by_percentage(pos, club, target);
    return rivals_can_stay_level_below_half(pos, club, target);
}

bool eliminated(const LeaguePosition& pos, int club) {
    // Winning every game of its own is the club's best: each win raises it and lowers a rival.
    const ClubRecord& c = pos.clubs[club];
    const RankKey target = rank_key(c.wins + pos.games_left(club), c.losses, pos.wins_ranked);
    if (pos.wins_ranked || target.first >= 5000) return !rivals_can_stay_at_or_below(pos, club, target);
    // Below .5000 every club would have to end with fewer wins than losses, or with no decided
    // game at all, so the league's wins would have to fall short of its losses. Games within the
    // league add as many wins as losses; the rest is the interleague record.
    const int margin = final_margin(pos, club);
    if (margin > 0) return true;
    if (margin == 0) return !nothing_ever_decided(pos, club);
    return !rivals_can_stay_level_below_half(pos, club, target);
}

}  // namespace tev
