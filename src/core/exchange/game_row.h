// One row of a results table read into a game as the store keeps it, or refused with the reason
// in the user's words. A row may give the score alone; what it gives is checked against itself
// (innings against the score, pitchers against the result, home runs against the runs) and
// against the season (its year, its clubs, its meetings).
#pragma once

#include <optional>

#include "core/exchange/game_columns.h"
#include "core/store/game_string.h"
#include "core/store/season.h"
#include "core/text/csv_read.h"

namespace tev {

struct ImportedGame {
    int line = 0;     // the file's line of the row
    int visitor = 0;  // team numbers 1..12
    int home = 0;
    int meeting = 0;  // 0 while the row gave none (numbered by date later)
    GameFields fields;
    bool line_score = false;  // the row gave each club's innings

    bool interleague() const { return league_of(visitor) != league_of(home); }
};

struct RowReading {
    std::optional<ImportedGame> game;
    Text refusal;  // why the row is refused, when there is no game
};

RowReading read_game_row(const CsvRecord& record, const ColumnPlaces& places, const Season& season);

// The most meetings of `visitor` and `home` in `season`: the league's or the interleague number.
int meetings_of_pair(const Season& season, int visitor, int home);

}  // namespace tev
