// Which of the user's choices drew the report pane on display, so that the help can open at the
// section of that report. Many reports share a pane kind (or none), so the pane itself cannot
// tell; a choice that draws nothing (a report refused while another holds the window) must not be
// taken for the one that drew it. So each choice is noted with the panes as they were, and it is
// taken as the pane's origin once the panes are seen to differ from that.
#pragma once

#include <string>
#include <vector>

#include "core/text/text.h"
#include "ui/window.h"

namespace tev::ui {

// The report panes (List4, List1) as the user sees them.
struct PaneSnapshot {
    bool list4_shown = false, list1_shown = false;
    std::vector<Text> list4, list1;

    friend bool operator==(const PaneSnapshot&, const PaneSnapshot&) = default;
};

// The report panes of the main window `main` now.
PaneSnapshot snapshot_panes(const Window& main);

class PaneOrigin {
public:
    // Notes that the user chose `control`, the panes being `before` it acted.
    void note_choice(std::string control, PaneSnapshot before);

    // The control whose choice drew the panes `now`; empty when none is known.
    const std::string& drawn_by(const PaneSnapshot& now);

private:
    void settle(const PaneSnapshot& now);

    std::string pending_;  // the last choice, not yet known to have drawn anything
    PaneSnapshot pending_before_;
    std::string drawer_;
};

}  // namespace tev::ui
