// What an import would do, as the user reads it before saying yes: the counts, the columns left
// alone, then every refused row and every row that differs from a filed game, by line.
#pragma once

#include <string>

#include "core/exchange/game_import.h"
#include "core/stats/report_pane.h"

namespace tev {

// The summary as a report pane titled with the file's name.
ReportPane import_summary_pane(const ImportPlan& plan, const std::string& file_name);

// The questions of the import, with the counts they concern.
Text import_new_games_question(const ImportPlan& plan);
Text replace_differing_question(const ImportPlan& plan);

}  // namespace tev
