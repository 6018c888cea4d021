// Importing a results table into a season: the whole file is read and every row checked before
// anything changes, and the plan says what the import would do — the new games, the rows that are
// already filed as they are, the rows that differ from a filed game, the refused rows — each
// named by its line. Only then, with the user's yes, does `apply_import` put the games in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/game_row.h"
#include "core/store/season.h"
#include "core/text/error.h"

namespace tev {

// A row that is not imported as it stands, and why (in the user's words).
struct ImportNote {
    int line = 0;
    Text text;
};

struct ImportPlan {
    std::vector<ImportedGame> fresh;      // games not filed yet, meetings numbered
    std::vector<ImportedGame> identical;  // filed already, exactly so
    std::vector<ImportedGame> differing;  // filed already, otherwise
    std::vector<ImportNote> differences;  // why each differing row differs
    std::vector<ImportNote> refused;      // rows that cannot be imported
    std::vector<Text> unknown_columns;
    int score_only = 0;  // new or differing games that come without innings

    bool changes_something() const { return !fresh.empty() || !differing.empty(); }
};

// The plan of importing the table `bytes` (the file `name`) into `season`. A file that is not a
// table of results (not text, no header with the date, the clubs and their scores) is an error.
Result<ImportPlan> plan_import(std::string_view bytes, const std::string& name, const Season& season);

// Files the plan's new games in `season`, and its differing games over the filed ones when
// `replace_differing` (a game filed the other way round goes); the number of games filed.
int apply_import(Season& season, const ImportPlan& plan, bool replace_differing);

// "6月3日 巨人 対 阪神 8回戦": the game as the messages name it.
Text imported_game_name(const Season& season, const ImportedGame& game);

}  // namespace tev
