// The standings report in List4, closing the reports with 窓消去, and the club game list opened
// from a club's line.
#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/stats/detail_lines.h"
#include "core/stats/standings_report.h"
#include "core/store/teams.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::prepare_report_pane() {
    for (const char* name : {"List1", "List2", "Command19", "Label6"}) main_.at(name).visible = false;
    set_colors({"Command4", "Command2"}, kDefaultColor);
    ren_kachimake_ = 0;
    home_ichi_ = 0;
}

void MainWindow::Command9_Click() {
    prepare_report_pane();
    Control& caption = main_.at("Label7");
    caption.text = standings_title() + U"\r\n" + standings_header(disp_size_);
    caption.fore_color = kRed;
    caption.visible = true;
    Control& list4 = main_.at("List4");
    list4.lines = standings_lines(central_rec_, pacific_rec_, season_->disp_year);
    list4.list_index = -1;
    status(U"チーム名をクリックすると詳細が表示されます。");
    list4.visible = true;
    main_.at("Frame5").enabled = false;
    for (Control* c : main_.array("Option6")) c->enabled = false;
    list4_view_ = ListView::standings;
}

void MainWindow::Command7_Click() {
    for (const char* name : {"List1", "List2", "List4", "Label6", "Label7", "Command19"}) main_.at(name).visible = false;
    main_.at("Frame5").enabled = false;
    for (Control* c : main_.array("Option6")) c->enabled = false;
    list4_view_ = ListView::none;
    ren_kachimake_ = 0;
    home_ichi_ = 0;
    paint_report_buttons(false);
    Control& data = main_.at("Command11");
    data.enabled = true;
    data.back_color = kHighlight;
    data.focused = true;
    main_.at("Command7").focused = false;
    set_colors({"Command2"}, kDefaultColor);
    for (Control* key : main_.array("Command4")) key->back_color = key->index >= 1 && key->index <= 31 ? kHighlight : kDefaultColor;
    main_.at("Command3").back_color = kHighlight;
    report_on_ = false;
    // The game view comes back with the game last shown and its league's buttons.
    if (view_.view_league != 0) {
        optbox_disp();
        show_meeting(view_.view_league == 1 ? view_.view_c_meet : view_.view_p_meet);
    }
}

void MainWindow::List4_Click(int line) {
    switch (list4_view_) {
        case ListView::none: return;
        case ListView::standings: {
            int team = 0;
            if (line >= 2 && line <= 7) team = row_club(central_rec_[line - 2]);
            if (line >= 9 && line <= 14) team = row_club(pacific_rec_[line - 9]) + 6;
            if (team != 0) club_game_list(team);
            return;
        }
        default: return;  // the other reports' details come with those reports
    }
}

void MainWindow::club_game_list(int team) {
    Control& list2 = main_.at("List2");
    list2.lines = club_game_lines(*season_, team);
    list2.list_index = -1;
    list2.visible = true;
}

void MainWindow::rireki_make() {
    history_state_ = 1;
    status(U"只今履歴データ作成中");
    pump();
    season_->history = history_make(*season_);
    const ItemWriter writer = history_file_writer(season_->history, names_.history_file);
    if (const Status saved = commit_writers(dir_, {&writer}); !saved)
        services_.message(U"履歴データを保存できませんでした。\r\n\r\n" + from_utf8(saved.error().describe()));
    history_state_ = 2;
    status(Text());
}

}  // namespace tev::ui
