#include "ui/shell/pane_origin.h"

namespace tev::ui {

PaneSnapshot snapshot_panes(const Window& main) {
    const Control& list4 = main.at("List4");
    const Control& list1 = main.at("List1");
    return PaneSnapshot{list4.visible, list1.visible, list4.lines, list1.lines};
}

void PaneOrigin::note_choice(std::string control, PaneSnapshot before) {
    settle(before);
    pending_ = std::move(control);
    pending_before_ = std::move(before);
}

const std::string& PaneOrigin::drawn_by(const PaneSnapshot& now) {
    settle(now);
    return drawer_;
}

void PaneOrigin::settle(const PaneSnapshot& now) {
    if (pending_.empty()) return;
    if (now != pending_before_) drawer_ = pending_;
    pending_.clear();
    pending_before_ = PaneSnapshot();
}

}  // namespace tev::ui
