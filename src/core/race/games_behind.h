// Games behind (差), counted in half games: (leader's wins − club's wins + club's losses −
// leader's losses) / 2. Draws do not count. The leader on percentage may have the smaller margin
// of wins over losses when it has played fewer games, so the number below it can be negative.
#pragma once

#include "core/race/league_position.h"
#include "core/text/text.h"

namespace tev {

// Half games that `club` is behind `ahead` (negative when `club` has the better margin).
int half_games_behind(const ClubRecord& ahead, const ClubRecord& club);

// Half games as a table shows them: "3.0", "0.5", "-0.5", "0.0".
Text games_behind_text(int half_games);

}  // namespace tev
