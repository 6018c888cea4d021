// Who won a stored game. The run fields (characters 1-2 of the first-batting club, 3-4 of the
// second-batting club) are right-aligned with blanks, so comparing them as text compares the
// runs; every team statistic decides results this way.
#pragma once

#include "core/text/fixed_width.h"
#include "core/text/text.h"

namespace tev {

// The first-batting club's runs field (2 characters as stored).
inline TextView first_runs_field(TextView game) { return mid_view(game, 1, 2); }

// The second-batting club's runs field.
inline TextView second_runs_field(TextView game) { return mid_view(game, 3, 2); }

// +1 when the club with `runs` won, -1 when it lost, 0 for a draw.
inline int outcome_of(TextView runs, TextView rival_runs) {
    return runs > rival_runs ? 1 : (runs < rival_runs ? -1 : 0);
}

// The first-batting club's outcome of `game`.
inline int first_club_outcome(TextView game) { return outcome_of(first_runs_field(game), second_runs_field(game)); }

// "○" won, "●" lost, "△" drawn for an outcome.
inline char32_t outcome_mark(int outcome) { return outcome > 0 ? U'○' : (outcome < 0 ? U'●' : U'△'); }

}  // namespace tev
