// The team reports reached through ﾃﾞｰﾀ参照: head-to-head, meeting status, monthly, streaks,
// scores and standings as of a chosen day, and the inning totals shown in the input panel.
#include "core/stats/head_to_head_report.h"
#include "core/stats/monthly_report.h"
#include "core/stats/score_list.h"
#include "core/stats/streaks_report.h"
#include "core/stats/detail_lines.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

constexpr Color kOrange = 0xFF8000;

}  // namespace

void MainWindow::rebuild_team_tables() {
    tallies_ = build_team_tallies(*season_);
    *innings_ = build_inning_totals(*season_);
    *streaks_ = build_streaks(*season_);
}

void MainWindow::restore_keypad() {
    // The as-of calendar borrows the first and last keys as "－" and "＋".
    Control& minus = main_.at("Command4", 0);
    Control& plus = main_.at("Command4", 32);
    minus.caption = U"0";
    plus.caption = U"X";
    minus.fore_color = plus.fore_color = kDefaultColor;
    set_colors({"Command4", "Command2"}, kDefaultColor);
}

void MainWindow::fill_report(const std::string& list, const std::string& label, const ReportPane& pane,
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
    share_ = ShareState{list, label, pane.lines, pane.table};
    // The league choice belongs to the pitcher and home-run lists only.
    disable_league_choice();
}

void MainWindow::show_list4_report(const ReportPane& pane, ListView view) {
    for (const char* name : {"List1", "List2", "Command19", "Label6"}) main_.at(name).visible = false;
    restore_keypad();
    ren_kachimake_ = 0;
    home_ichi_ = 0;
    fill_report("List4", "Label7", pane, kRed);
    list4_view_ = view;
}

void MainWindow::show_list1_report(const ReportPane& pane, Color caption_color, ListView view) {
    for (const char* name : {"List2", "List4", "Command19", "Label7"}) main_.at(name).visible = false;
    restore_keypad();
    ren_kachimake_ = 0;
    home_ichi_ = 0;
    fill_report("List1", "Label6", pane, caption_color);
    list4_view_ = view;
}

void MainWindow::Command10_Click() {
    show_list4_report(vs_record_report(tallies_, central_rec_, pacific_rec_, season_->disp_year, disp_size_, season_->clubs),
                      ListView::none);
}

void MainWindow::Command13_Click() {
    show_list4_report(vs_pct_report(tallies_, central_rec_, pacific_rec_, season_->disp_year, disp_size_, season_->clubs),
                      ListView::none);
}

void MainWindow::Command15_Click() {
    show_list4_report(meeting_status_report(*season_, disp_size_), ListView::meeting_status);
}

void MainWindow::Command5_Click() { show_list4_report(monthly_record_report(tallies_, disp_size_, season_->clubs), ListView::none); }

void MainWindow::Command14_Click() { show_list4_report(monthly_pct_report(tallies_, disp_size_, season_->clubs), ListView::none); }

void MainWindow::Command17_Click() {
    show_list1_report(streaks_report(*streaks_, season_->clubs), kRed, ListView::streaks);
    ren_kachimake_ = 1;
}

void MainWindow::Command6_Click() { show_list1_report(score_list_report(season_->score_list), kOrange, ListView::scoring); }

void MainWindow::Command16_Click() {
    asof_ = as_of_opening();
    for (const char* name : {"List2", "List1", "List4", "Command19", "Label6"}) main_.at(name).visible = false;
    restore_keypad();
    ren_kachimake_ = 0;
    home_ichi_ = 0;
    set_colors({"Command4", "Command2"}, kHighlight);
    Control& minus = main_.at("Command4", 0);
    Control& plus = main_.at("Command4", 32);
    minus.caption = U"－";
    plus.caption = U"＋";
    minus.fore_color = plus.fore_color = kRed;
    list4_view_ = ListView::standings_as_of;
    refresh_standings_as_of();
}

void MainWindow::refresh_standings_as_of() {
    central_rec2_ = build_standings_as_of(*season_, 1, 6, asof_);
    pacific_rec2_ = build_standings_as_of(*season_, 7, 12, asof_);
    fill_report("List4", "Label7", standings_as_of_report(central_rec2_, pacific_rec2_, season_->disp_year, asof_, disp_size_, season_->clubs), kRed);
}

void MainWindow::as_of_calendar(int command4_index, int month) {
    std::optional<AsOfDate> next;
    if (month > 0) next = as_of_pick_month(asof_, month);
    if (command4_index >= 0) next = as_of_key(asof_, command4_index);
    if (!next) return;
    asof_ = *next;
    main_.at("List2").visible = false;
    if (list4_view_ == ListView::race_as_of) return race_as_of_refresh();
    refresh_standings_as_of();
}

bool MainWindow::as_of_calendar_up() const {
    return list4_view_ == ListView::standings_as_of || list4_view_ == ListView::race_as_of;
}

void MainWindow::mnukaiten_Click() {
    if (entry_mode_ == 1 || report_on_ || view_.date_mode == 1 || kaiten_mode_) return;
    hide_year_list();
    status(U"ただいまデータ集計中");
    pump();
    datbox_clear();
    kaiten_mode_ = true;
    report_on_ = true;
    Control& data = main_.at("Command11");
    data.enabled = false;
    data.back_color = kDefaultColor;
    Control& close = main_.at("Command7");
    close.enabled = true;
    close.back_color = kHighlight;
    for (Control* c : main_.array("Option3")) c->visible = false;
    main_.at("Text12").text = U"先攻時";
    main_.at("Text13").text = U"後攻時";
    for (const char* name : {"Option1", "Option4"})
        for (Control* c : main_.array(name)) c->enabled = true;
    show_inning_totals(1);
    status(Text());
}

void MainWindow::show_inning_totals(int team) {
    select_option("Option1", team <= 6 ? team - 1 : -1);
    select_option("Option4", team > 6 ? team - 7 : -1);
    main_.at("Text4").text = inning_title(team, season_->clubs);
    const auto first = inning_boxes(*innings_, team, true);
    const auto second = inning_boxes(*innings_, team, false);
    const auto first_boxes = main_.array("Text6");
    const auto second_boxes = main_.array("Text15");
    for (int i = 0; i < kInnings; ++i) {
        first_boxes[i]->text = first[i];
        second_boxes[i]->text = second[i];
        first_boxes[i]->fore_color = second_boxes[i]->fore_color = kBlack;
    }
}

bool MainWindow::close_line_clicked(const std::string& list) {
    Control& pane = main_.at(list);
    if (pane.list_index < 0 || pane.list_index >= static_cast<int>(pane.lines.size())) return false;
    const Text& line = pane.lines[pane.list_index];
    if (line != kCloseLine && line != kCloseLineShort) return false;
    pane.visible = false;
    return true;
}

}  // namespace tev::ui
