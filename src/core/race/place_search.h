// Clinch and elimination for a place in the final order of a league: first (the pennant) or one
// of the first three (the Climax Series), by the league's rules, exact. Every remaining game may
// end in a win, a loss or a draw. Where the rules cannot part a club from a rival on the games
// decided, the finish counts as the worse one for the club (except under rules that part no level
// finish, where a club level at the top keeps its chance, as the race always read them).
#pragma once

#include <optional>

#include "core/race/league_position.h"
#include "core/race/tie_rules.h"

namespace tev {

// Whether some outcome of the games left places `club` (league index) within the first `places`.
bool can_finish_within(const LeaguePosition& pos, const TieRules& rules, int club, int places);

// The fewest further wins of `club` after which it finishes within the first `places` whatever
// else happens: 0 once it has; nothing when even winning every game it has left is not enough
// (its own chance is gone).
std::optional<int> clinch_number(const LeaguePosition& pos, const TieRules& rules, int club, int places);

// Whether `clinch_number` has a number (the club keeps its own chance), found without working
// the number out.
bool keeps_own_chance(const LeaguePosition& pos, const TieRules& rules, int club, int places);

// Whether `clinch_number` is 0: the club finishes within the places whatever happens.
bool has_clinched(const LeaguePosition& pos, const TieRules& rules, int club, int places);

}  // namespace tev
