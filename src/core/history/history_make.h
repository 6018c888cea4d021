// The season history builder: every club's place and winning percentage at the end of each
// season day, from the stored games, and the season day of a date (and back).
#pragma once

#include <vector>

#include "core/history/history.h"
#include "core/store/season.h"

namespace tev {

// The season day of a date: 20 March is 1, 31 October 226, 19 March 0; -1 for a date outside
// 19 March .. 31 October or one that is no date at all ("13/ 5", "10/35").
int season_day(int month, int day);

// A calendar date of the season (month 3..10, day of month 1..31).
struct SeasonDate {
    int month = 0;
    int day = 0;
};

// The date of season day `day` (1..226); day 0 gives 19 March. Outside 0..226: {0, 0}.
SeasonDate season_date(int day);

// The percentage of a record in ten-thousandths as the history keeps it: 10000 without a
// decided game, else the single-precision ratio times 10,000 with the fraction dropped (7-3
// gives 6999).
int history_pct(int wins, int losses);

// The history of `season`: places (competition ranks within the league by percentage, equal
// percentages sharing a place) and percentages for days 1..226. A game of 19 March counts from
// day 1 on; a game without a season day is left out (see `history_left_out`).
History history_make(const Season& season);

// The stored games that the history leaves out because their date has no season day, in store
// order; empty for a sound season.
std::vector<Slot> history_left_out(const Season& season);

}  // namespace tev
