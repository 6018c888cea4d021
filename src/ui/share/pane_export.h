// The report pane on display as the user can take it away: its caption and lines, as a CSV
// table cut at the report's columns, as the plain text the pane shows, or as a page to print.
// The pane on display is List4 or List1, whichever is visible; a pane whose report does not
// describe its columns (or that was filled by other means) becomes a table of one field per line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/stats/standings_as_of.h"
#include "core/text/report_columns.h"
#include "ui/app/drawn_report.h"
#include "ui/shell/services.h"
#include "ui/window.h"

namespace tev::ui {

class MainWindow;

struct ShownPane {
    std::vector<Text> caption;  // the caption label's lines; empty when it is hidden
    std::vector<Text> lines;
    ReportTable table;          // not described when the report has no columns
};

// The list pane `list` with its caption (List4 under Label7, List1 under Label6) and its report's
// table (the report last drawn, when the pane still holds its lines); nothing when it is not
// visible or there is no such pane.
std::optional<ShownPane> list_pane(const Window& main, const DrawnReport& drawn, const std::string& list);

// The report pane on display; nothing when neither report pane is visible.
std::optional<ShownPane> shown_pane(const Window& main, const DrawnReport& drawn);

// The same, of the main window of `window` and the report it last drew (defined with MainWindow,
// which this folder does not include).
std::optional<ShownPane> list_pane(const MainWindow& window, const std::string& list);
std::optional<ShownPane> shown_pane(const MainWindow& window);

// The CSV file of the pane: cut at its columns when it has them, else one field per line.
std::string pane_csv(const ShownPane& pane);

// The pane as text in UTF-8: the caption's lines, then the pane's lines, each ended by a line
// feed, blanks kept, so that a fixed-width font shows it as the pane does.
std::string pane_text(const ShownPane& pane);

// The pane as a printed page shows it.
PanePage pane_page(const ShownPane& pane);

// The name a save dialog proposes for the pane: its title (the caption's first line that has
// words, closed up) and the season's year, with `extension` (".csv"): "両リーグ成績一覧_2026.csv".
std::string suggested_file_name(const ShownPane& pane, const std::string& year, const std::string& extension);

// The head of every printed page: the season's year and the day the pane stands at
// ("2026年　6月15日現在"), or "現在" for a pane of every game stored.
Text page_heading(const std::string& year, const std::optional<AsOfDate>& as_of);


}  // namespace tev::ui
