// The season history builder: every club's place and winning percentage at the end of each
// season day, from the stored games.
#pragma once

#include "core/history/history.h"
#include "core/store/season.h"

namespace tev {

// The season day of a date: 20 March is 1, 31 October 226, 19 March 0; -1 for a date outside
// 19 March .. 31 October (such games have no place in the history).
int season_day(int month, int day);

// The percentage of a record in ten-thousandths as the history keeps it: 10000 without a
// decided game, else the single-precision ratio times 10,000 with the fraction dropped (7-3
// gives 6999).
int history_pct(int wins, int losses);

// The history of `season`: places (competition ranks within the league by percentage, equal
// percentages sharing a place) and percentages for days 1..226.
History history_make(const Season& season);

}  // namespace tev
