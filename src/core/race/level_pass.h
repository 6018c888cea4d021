// Whether a rival that ends on the same percentage as a club might be placed above it, or left
// level with it, by the steps of the rules after the percentage. The answer is "no" only when
// every step is settled in the club's favour whatever the games left do and whichever other clubs
// end level with them (head to head is counted among every club level on the percentage); the
// race searches use it to ask only what the ties can change.
#pragma once

#include "core/race/league_position.h"
#include "core/race/tie_rules.h"

namespace tev {

// `club` wins `wins_to_place` of the games it has left and loses the rest; in its records within
// the league and against the level clubs its wins fall, at worst, on the other games. The rival's
// games left count as won there.
bool may_pass_when_level(const LeaguePosition& pos, const TieRules& rules, int club, int rival, int wins_to_place);

}  // namespace tev
