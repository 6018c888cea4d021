// Whether some outcome of a league's remaining games leaves every rival of a club at or below a
// target rank key: the club's own key when it wins every game it has left. Every remaining game
// may end in a win, a loss or a draw; each test is exact for the kind of target it takes.
#pragma once

#include "core/race/league_position.h"
#include "core/race/rank_key.h"

namespace tev {

// A percentage target of at least .5000 in a league ranked by percentage.
bool rivals_can_stay_level_by_percentage(const LeaguePosition& pos, int club, RankKey target);

// Any target in a league ranked by wins before percentage.
bool rivals_can_stay_level_by_wins(const LeaguePosition& pos, int club, RankKey target);

}  // namespace tev
