// What a report button puts on the window: the text of the caption label above the list pane,
// the list pane's lines and the hint in the status box Text1, with the columns of
// the lines where the report describes them. Which label and which list pane,
// the caption's colour, and the report view flag are the window's business.
#pragma once

#include <vector>

#include "core/text/report_columns.h"
#include "core/text/text.h"

namespace tev {

inline constexpr const char32_t* kLineBreak = U"\r\n";

struct ReportPane {
    Text status;              // Text1's text; empty: Text1 is left as it is
    Text caption;             // the caption label's text, its lines joined by CR LF
    std::vector<Text> lines;  // the list pane's lines, in order
    ReportTable table;        // the columns of the lines, for saving them as a table
};

}  // namespace tev
