// What a report button puts on the window: the text of the caption label above the list pane,
// the list pane's lines and the hint in the status box Text1. Which label and which list pane,
// the caption's colour, and the report view flag are the window's business.
#pragma once

#include <vector>

#include "core/text/text.h"

namespace tev {

inline constexpr const char32_t* kLineBreak = U"\r\n";

struct ReportPane {
    Text status;              // Text1's text; empty: Text1 is left as it is
    Text caption;             // the caption label's text, its lines joined by CR LF
    std::vector<Text> lines;  // the list pane's lines, in order
};

}  // namespace tev
