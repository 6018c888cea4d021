#include "core/topics/topics_page.h"
#include "ui/topics/topics_presenter.h"

namespace tev::ui {

namespace {

// Twips added to List1's height for the page, by display-size mode.
int topics_lengthening(int disp_size) {
    switch (disp_size) {
        case 1:
            return 1700;
        case 2:
            return 2000;
        default:
            return 2700;
    }
}

}  // namespace

void TopicsPresenter::bind() {
    on_click("mnutopic", [this](int) { mnutopic_Click(); });
}

void TopicsPresenter::mnutopic_Click() {
    // The page takes the report area and the input panel's option boxes: not while a game is
    // typed in or rebuilt, another report is open, or the input panel is in another mode.
    if (!modes_.can_open_report()) return;
    hide_year_list();
    status(kTopicsSearching);
    pump();
    panel_.disable_team_choice();
    modes_.report_open = true;
    modes_.pane = PaneReport::none;
    Control& close = main_.at("Command7");
    close.enabled = true;
    close.back_color = kHighlight;
    close.focused = true;
    Control& data = main_.at("Command11");
    data.enabled = false;
    data.back_color = kDefaultColor;
    data.focused = false;
    for (const char* name : {"List2", "List4", "Label6", "Label7", "Command19"}) main_.at(name).visible = false;
    Control& pane = main_.at("List1");
    pane.extra_height = topics_lengthening(panes_.display_size());
    pane.lines = topics_page(season(), document_.inning_totals());
    pane.list_index = -1;
    pane.visible = true;
    for (const char* name : {"Command5", "Command6", "Command8", "Command9", "Command10", "Command13", "Command14",
                             "Command15", "Command16", "Command17", "Command18"})
        main_.at(name).back_color = kDefaultColor;
    for (Control* key : main_.array("Command4"))
        if (key->index >= 1 && key->index <= 31) key->back_color = kDefaultColor;
    // The meeting/day switch waits with the keys, as under ﾃﾞｰﾀ参照; 窓消去 lights them again.
    main_.at("Command3").back_color = kDefaultColor;
    status(Text());
}

}  // namespace tev::ui
