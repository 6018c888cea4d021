// トピックス: the season's digest in the report pane List1, lengthened for the long page, shown
// until 窓消去 closes it.
#include "core/topics/topics_page.h"
#include "ui/main_window.h"

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

void MainWindow::bind_topics() {
    main_.on("mnutopic", Event::click, [this](int) { mnutopic_Click(); });
}

void MainWindow::mnutopic_Click() {
    // The page takes the report area and the input panel's option boxes: not while a game is
    // typed in or rebuilt, another report is open, or the input panel is in another mode.
    if (entry_mode_ == 1 || recalc_busy_ == 1 || history_state_ == 1 || report_on_ || kaiten_mode_ ||
        view_.date_mode == 1)
        return;
    hide_year_list();
    status(kTopicsSearching);
    pump();
    optbox_clear();
    report_on_ = true;
    list4_view_ = ListView::none;
    ren_kachimake_ = 0;
    home_ichi_ = 0;
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
    pane.extra_height = topics_lengthening(disp_size_);
    pane.lines = topics_page(*season_, *innings_);
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
