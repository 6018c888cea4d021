// Whether some outcome of a league's remaining games leaves every rival of a club at or below a
// target rank key: the club's own key when it wins every game it has left. Every remaining game
// may end in a win, a loss or a draw; a rival's interleague games left are taken as lost, which
// never raises its key and touches no other club of the race. Each test is exact for the kind of
// target it takes.
#pragma once

#include <array>

#include "core/race/league_position.h"
#include "core/race/rank_key.h"


namespace tev {

// A target for each rival (by league index), where rivals are held to different keys.
using RivalTargets = std::array<RankKey, 7>;

// Percentage targets of at least .5000 in a league ranked by percentage.
bool rivals_can_stay_level_by_percentage(const LeaguePosition& pos, int club, RankKey target);
bool rivals_can_stay_level_by_percentage(const LeaguePosition& pos, int club, const RivalTargets& targets);

// Percentage targets below .5000 in a league ranked by percentage.
bool rivals_can_stay_level_below_half(const LeaguePosition& pos, int club, RankKey target);
bool rivals_can_stay_level_below_half(const LeaguePosition& pos, int club, const RivalTargets& targets);

// Any target in a league ranked by wins before percentage.
bool rivals_can_stay_level_by_wins(const LeaguePosition& pos, int club, RankKey target);

// The losses `rival` ends with when `club` beats it in every game they have left and it loses
// every interleague game it has left: the start of every test above.
int losses_when_beaten(const LeaguePosition& pos, int club, int rival);

}  // namespace tev
