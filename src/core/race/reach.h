// Whether some outcome lifts `count` rivals of a club all to a percentage at or above a bar, the
// club winning `wins` of the games it has left and losing the rest: the test behind a failure to
// clinch a place, on percentage alone. Exact: the rivals that pass win every game they have left
// against the other rivals and the other league; the club's wins are taken first from the games
// that do not involve them; what is left is a small league of the passing rivals (and the club's
// remaining wins against them), decided by the orientation conditions of its games.
#pragma once

#include <array>

#include "core/race/league_position.h"

namespace tev {

// The largest set of rivals asked about (the Climax Series' three).
inline constexpr int kMostReachingRivals = 3;

// A bar for each rival (by league index).
using RivalBars = std::array<long long, 7>;

bool rivals_can_reach(const LeaguePosition& pos, int club, int wins, int count, const RivalBars& bars);
bool rivals_can_reach(const LeaguePosition& pos, int club, int wins, int count, long long bar);

// The same for one set of rivals (a mask of league indexes, one to kMostReachingRivals of them).
bool set_can_reach(const LeaguePosition& pos, int club, int wins, unsigned set, const RivalBars& bars);

}  // namespace tev
