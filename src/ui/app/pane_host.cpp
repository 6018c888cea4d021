#include "ui/app/pane_host.h"

#include <optional>

#include "core/stats/detail_lines.h"
#include "core/stats/standings_as_of.h"

namespace tev::ui {

void PaneHost::progress(const Text& status_text, bool let_events_run) {
    status(status_text);
    if (let_events_run) pump();
}

void PaneHost::tell(const Text& message) { services_.message(message); }

void PaneHost::status(const Text& text) { main_.at("Text1").text = text; }

void PaneHost::pump() { services_.process_events(main_.at("Text1").text); }

void PaneHost::fill_report(const std::string& list, const std::string& label, const ReportPane& pane,
                           Color caption_color) {
    Control& caption = main_.at(label);
    caption.text = pane.caption;
    caption.fore_color = caption_color;
    caption.visible = true;
    Control& lines = main_.at(list);
    lines.lines = pane.lines;
    lines.list_index = -1;
    lines.visible = true;
    if (!pane.status.empty()) status(pane.status);
    drawn_ = DrawnReport{list, label, pane.lines, pane.table};
    // The league choice belongs to the pitcher and home-run lists only.
    disable_league_choice();
}

void PaneHost::show_list4_report(const ReportPane& pane, PaneReport view) {
    for (const char* name : {"List1", "List2", "Command19", "Label6"}) main_.at(name).visible = false;
    restore_keypad();
    fill_report("List4", "Label7", pane, kRed);
    modes_.pane = view;
}

void PaneHost::show_list1_report(const ReportPane& pane, Color caption_color, PaneReport view) {
    for (const char* name : {"List2", "List4", "Command19", "Label7"}) main_.at(name).visible = false;
    restore_keypad();
    fill_report("List1", "Label6", pane, caption_color);
    modes_.pane = view;
}

void PaneHost::show_detail(const std::vector<Text>& lines) {
    Control& list2 = main_.at("List2");
    list2.lines = lines;
    list2.list_index = -1;
    list2.visible = true;
}

bool PaneHost::close_line_clicked(const std::string& list) {
    Control& pane = main_.at(list);
    if (pane.list_index < 0 || pane.list_index >= static_cast<int>(pane.lines.size())) return false;
    const Text& line = pane.lines[pane.list_index];
    if (line != kCloseLine && line != kCloseLineShort) return false;
    pane.visible = false;
    return true;
}

void PaneHost::restore_keypad() {
    // The as-of calendar borrows the first and last keys as "－" and "＋".
    Control& minus = main_.at("Command4", 0);
    Control& plus = main_.at("Command4", 32);
    minus.caption = U"0";
    plus.caption = U"X";
    minus.fore_color = plus.fore_color = kDefaultColor;
    panel_.set_colors({"Command4", "Command2"}, kDefaultColor);
}

void PaneHost::paint_report_buttons(bool usable) {
    for (const char* name : {"Command5", "Command6", "Command7", "Command8", "Command9", "Command10", "Command13",
                             "Command14", "Command15", "Command16", "Command17", "Command18"}) {
        Control& button = main_.at(name);
        button.enabled = usable;
        button.back_color = usable ? kHighlight : kDefaultColor;
    }
}

void PaneHost::enable_league_choice(int index) {
    main_.at("Frame5").enabled = true;
    for (Control* c : main_.array("Option6")) c->enabled = true;
    panel_.select_option("Option6", index);
}

void PaneHost::disable_league_choice() {
    main_.at("Frame5").enabled = false;
    for (Control* c : main_.array("Option6")) c->enabled = false;
}

void PaneHost::open_record_view() {
    hide_year_list();
    paint_report_buttons(false);
    Control& close = main_.at("Command7");
    close.enabled = true;
    close.back_color = kHighlight;
    modes_.report_open = true;
    panel_.disable_team_choice();
    main_.at("List2").visible = false;
    Control& data = main_.at("Command11");
    data.enabled = false;
    data.back_color = kDefaultColor;
    main_.at("Command3").back_color = kDefaultColor;
}

void PaneHost::hide_year_list() {
    Control& list3 = main_.at("List3");
    if (!list3.visible) return;
    list3.visible = false;
    main_.at("List6").visible = true;
    modes_.year_list = YearOperation::none;
    status(Text());
}

bool PaneHost::step_as_of(int command4_index, int month) {
    std::optional<AsOfDate> next;
    if (month > 0) next = as_of_pick_month(modes_.as_of, month);
    if (command4_index >= 0) next = as_of_key(modes_.as_of, command4_index);
    if (!next) return false;
    modes_.as_of = *next;
    main_.at("List2").visible = false;
    return true;
}

}  // namespace tev::ui
