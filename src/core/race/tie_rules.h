// How a league places clubs that finish level, by league and year, as its rules have said:
//   Central League to 2000: the percentage alone; level clubs share the place.
//   Central League of 2001: more wins, then the percentage.
//   Central League 2002-2021: the percentage, more wins, the head-to-head percentage, the
//     previous year's place.
//   Central League from 2022: as 2002-2021 with the percentage in league games (interleague games
//     left out) before the previous year's place.
//   Pacific League: the percentage, the head-to-head percentage, the percentage in league games,
//     the previous year's place; while games are left, clubs level on percentage share a place.
// The race table, its clinch and elimination numbers and the game log's places follow these
// rules; the standings panes keep their own ranking.
#pragma once

#include <array>
#include <vector>

namespace tev {

enum class TieStep { percentage, wins, head_to_head, league_percentage, previous_place };

struct TieRules {
    std::vector<TieStep> steps;
    // Rules that part no level finish at the top: a club level with the leader keeps its chance,
    // and only a club alone on top has clinched (the race as it was always read for those years).
    bool level_keeps_chance = false;
    // While games are left, clubs level on percentage are shown at one place.
    bool shares_level_in_season = false;
    // Each club's place in the previous year (by league index), 0 where that year is not known.
    std::array<int, 7> previous_place{};
};

// The rules of `league` (1 Central, 2 Pacific) in `year`, with no previous year's places yet.
TieRules tie_rules(int league, int year);

// The first year of the Climax Series, in which the first three clubs of each league go on.
inline constexpr int kClimaxSeriesFrom = 2007;
inline constexpr int kClimaxSeriesPlaces = 3;

}  // namespace tev
