// The season pitcher tables from the stored games: one win to the winning club's pitcher of
// record, one loss to the losing club's, one save to the winning club's save pitcher; ordered by
// wins (most first), then losses (fewest first), then first appearance.
#pragma once

#include "core/pitchers/pitcher_table.h"
#include "core/store/season.h"

namespace tev {

struct PitcherBuild {
    PitcherTable table;
    // Pitchers that found no free row once the table was full; their decisions are not counted
    // and every row already built stays as it was.
    int left_out = 0;
};

// The pitcher table of the games whose first-batting team lies in first_team..last_team.
PitcherBuild build_pitcher_table(const Season& season, int first_team, int last_team);

// The table of both leagues, as build_pitcher_table(season, 1, 12) builds it, from the two league
// tables of the same season: a league's games credit only its own clubs' pitchers, and every
// Central game comes before every Pacific one, so the stable merge of the two ordered tables is
// that table. When the two do not fit in one table together, or the season has interleague games
// (which come after the league games in each table), it is built from the games.
PitcherBuild merge_pitcher_tables(const Season& season, const PitcherBuild& central, const PitcherBuild& pacific);

// The 12-character key of a pitcher: team number in two characters and the 10-character name
// field as the game stores it.
Text pitcher_key(int team, TextView name_field);

}  // namespace tev
