// The standings report in List4, closing the reports with 窓消去, and the club game list opened
// from a club's line.
#include "core/stats/detail_lines.h"
#include "core/stats/match_details.h"
#include "core/stats/score_list.h"
#include "core/stats/standings_report.h"
#include "core/store/teams.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::Command9_Click() {
    ReportPane pane;
    pane.status = U"チーム名をクリックすると詳細が表示されます。";
    pane.caption = standings_title() + kLineBreak + standings_header(disp_size_);
    pane.lines = standings_lines(central_rec_, pacific_rec_, season_->disp_year, season_->clubs);
    pane.table.columns = standings_columns();
    show_list4_report(pane, ListView::standings);
}

void MainWindow::Command7_Click() {
    if (kaiten_mode_) {
        kaiten_mode_ = false;
        for (Control* c : main_.array("Option3")) c->visible = true;
        datbox_clear();
    }
    restore_keypad();
    for (const char* name : {"List1", "List2", "List4", "Label6", "Label7", "Command19"}) main_.at(name).visible = false;
    main_.at("List1").extra_height = 0;  // the topics page's lengthening goes with it
    disable_league_choice();
    list4_view_ = ListView::none;
    ren_kachimake_ = 0;
    home_ichi_ = 0;
    close_pitcher_views();
    close_homerun_views();
    paint_report_buttons(false);
    Control& data = main_.at("Command11");
    data.enabled = true;
    data.back_color = kHighlight;
    data.focused = true;
    main_.at("Command7").focused = false;
    for (Control* key : main_.array("Command4")) key->back_color = key->index >= 1 && key->index <= 31 ? kHighlight : kDefaultColor;
    main_.at("Command3").back_color = kHighlight;
    report_on_ = false;
    // The game view comes back with the game last shown and its league's buttons; the report's
    // hint in the status line goes with the report.
    status(Text());
    if (view_.view_league != 0) {
        optbox_disp();
        select_option("Option1", view_.view_c_team - 1);
        select_option("Option2", view_.view_c_opp - 1);
        select_option("Option4", view_.view_p_team - 7);
        select_option("Option5", view_.view_p_opp - 1);
        if (shown_slot_ && !season_->game_at(*shown_slot_).empty()) Disp_Data(shown_slot_->team, shown_slot_->opp, shown_slot_->meet);
    }
}

void MainWindow::List4_Click(int line) {
    if (list4_view_ == ListView::none || close_line_clicked("List4")) return;
    if (list4_view_ == ListView::race || list4_view_ == ListView::race_as_of) return race_line_click(line);
    std::optional<std::vector<Text>> detail;
    if (list4_view_ == ListView::standings) {
        if (const auto team = standings_line_club(line, central_rec_, pacific_rec_)) detail = club_game_lines(*season_, *team);
    } else if (list4_view_ == ListView::standings_as_of) {
        detail = as_of_line_click(*season_, line, central_rec2_, pacific_rec2_, asof_);
    } else if (list4_view_ == ListView::meeting_status) {
        if (const auto pick = meeting_status_click(line, main_.at("List4").lines, season_->clubs))
            detail = meeting_detail_lines(*season_, pick->club, pick->rival);
    }
    if (detail) show_detail(*detail);
}

void MainWindow::List1_Click() {
    if (entry_mode_ == 1) return pitcher_choice_click();
    if (close_line_clicked("List1")) return;
    const Control& list1 = main_.at("List1");
    if (list4_view_ == ListView::pitchers) return pitcher_list_click(list1.list_index + 1);
    if (list4_view_ == ListView::home_runs) return homerun_list_click(list1.list_index + 1);
    if (list4_view_ != ListView::scoring) return;
    if (const auto entry = score_line_click(list1.list_index + 1, season_->score_list))
        show_detail(score_detail_lines(*season_, season_->score_list[*entry - 1]));
}

void MainWindow::show_detail(const std::vector<Text>& lines) {
    Control& list2 = main_.at("List2");
    list2.lines = lines;
    list2.list_index = -1;
    list2.visible = true;
}

}  // namespace tev::ui
