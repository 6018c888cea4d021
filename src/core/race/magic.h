// Magic numbers and elimination, exact. Every remaining game may end in a win, a loss or a draw;
// clubs are placed by their rank key (percentage with draws left out, wins first in a season
// ranked by wins). A tie for first place counts as follows: it does not clinch the pennant (a
// club clinches only when no rival can reach its key), but it does keep a chance alive (a club is
// eliminated only when no outcome leaves it at least level with every rival), since the
// standings give tied clubs the same place. A club's games left are those against its league
// rivals, where one club's win is the other's loss, and its interleague games, against clubs
// outside the race.
#pragma once

#include <optional>

#include "core/race/league_position.h"
#include "core/race/rank_key.h"

namespace tev {

// The fewest further wins of `club` (league index) that place it alone in first whatever the
// other results are and whichever of its games it wins: 0 once it has clinched. Nothing when even
// winning every remaining game leaves a rival able to reach it (自力優勝消滅).
std::optional<int> magic_number(const LeaguePosition& pos, int club);

// Whether some outcome of the games left, `club` winning every game it has left, leaves every
// rival at or below `target`.
bool rivals_can_stay_at_or_below(const LeaguePosition& pos, int club, RankKey target);

// True when no outcome of the remaining games leaves `club` at least level with every rival. A
// club's interleague games left are its own: it may win, lose or draw each of them whatever its
// rivals do.
bool eliminated(const LeaguePosition& pos, int club);

}  // namespace tev
