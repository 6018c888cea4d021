// What the window remembers of the report it last drew into a list pane, so that the pane on
// display can be saved as a table: the pane and its caption label, the lines as drawn and their
// columns. The columns apply only while the pane still holds exactly those lines; a view that
// fills the pane by other means is saved line by line instead of being cut at wrong places.
#pragma once

#include <string>
#include <vector>

#include "core/text/report_columns.h"
#include "core/text/text.h"

namespace tev::ui {

struct DrawnReport {
    std::string list;   // "List4" or "List1"; empty before the first report
    std::string label;  // the caption label above it
    std::vector<Text> lines;
    ReportTable table;
};

}  // namespace tev::ui
