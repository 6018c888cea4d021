// Whether a rival that ends on the same percentage as a club might be placed above it, or left
// level with it, by the steps of the rules after the percentage. The answer is "no" only when
// every step is settled in the club's favour whatever the games left do and whichever other clubs
// end level with them (head to head is counted among every club level on the percentage); the
// race searches use it to ask only what the ties can change.
#pragma once

#include "core/race/league_position.h"
#include "core/race/tie_rules.h"

namespace tev {

// `club` wins `wins_to_place` of the games it has left and loses the rest, ending on the
// percentage `level_key` (ten-thousandths); in its records within the league and against the
// level clubs its wins fall, at worst, on the other games. The rival's games left count as won
// there, but for the wins the club must take from it. Only clubs that can all reach the club's
// percentage together are counted as a level group. A `level_key` below 0 says the percentage
// is not known (the club's other games may end drawn).
bool may_pass_when_level(const LeaguePosition& pos, const TieRules& rules, int club, int rival, int wins_to_place,
                         long long level_key);

// Whether a rival that ends on the percentage `level_key` of `club`, which has no games left, is
// placed above it by the rules whatever the games left do: the rival's own games decide nothing
// that could let the club win the tie.
bool surely_passes_when_level(const LeaguePosition& pos, const TieRules& rules, int club, int rival, long long level_key);

}  // namespace tev
