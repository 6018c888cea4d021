// League standings: one 35-character row per club, in rank order. A row holds
//   1-2 club number in the league   3-5 games   6-8 wins   9-11 losses   12-13 draws
//   14-17 runs scored   18-21 runs allowed   22-29 home attendance   30-35 winning percentage
// every number right-aligned with a sign blank and cut to its rightmost digits.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

using StandingRow = Text;
using LeagueTable = std::array<StandingRow, 6>;  // entry 0 = first place

// The winning percentage text of `wins` out of `decided` games: "0." and four decimals cut (not
// rounded) from the single-precision quotient, "1.0000" for a perfect record, "0.0000" when
// nothing was decided or nothing won.
Text pct_text(int wins, int decided);

// The standings of teams first_team..last_team ((1, 6) or (7, 12)) from the stored games,
// ordered by percentage (stable); for the Central League of 2001 then by wins (stable).
LeagueTable build_standings(const Season& season, int first_team, int last_team);

// As `build_standings`, counting only the games `keep` accepts (every game when `keep` is empty).
LeagueTable build_standings_if(const Season& season, int first_team, int last_team,
                               const std::function<bool(const Text& game)>& keep);

// Fields of a standings row.
int row_club(const StandingRow& row);      // 1..6
int row_games(const StandingRow& row);
int row_wins(const StandingRow& row);
int row_losses(const StandingRow& row);
int row_draws(const StandingRow& row);
int row_scored(const StandingRow& row);
int row_allowed(const StandingRow& row);
Text row_pct(const StandingRow& row);      // characters 30-35

// True when `disp_year` is 2001, the season whose Central League was ranked by wins.
bool wins_ranked_year(const std::string& disp_year);

}  // namespace tev
