// データ削除: removes the game the game view shows, after a question, then rebuilds every table
// and saves the season at once (there is no separate commit). The view keeps naming the slot it
// last showed, so a second deletion asks again and changes nothing.
#include "core/store/season_files.h"
#include "ui/main_window.h"

namespace tev::ui {

bool MainWindow::deletion_blocked() const {
    return report_on_ || entry_mode_ == 1 || view_.view_league == 0 || view_.date_mode == 1 ||
           history_state_ == 1;
}

void MainWindow::mnudat_del_Click() {
    if (deletion_blocked()) return;
    hide_year_list();
    if (!services_.ask(U"登録データ削除", U"現在表示中のデータを削除します。よろしいですか？",
                       Icon::question, false))
        return;
    main_.at("Label10").fore_color = kRed;
    status(U"只今データー削除中です。");
    pump();
    const bool central = view_.view_league == 1;
    const Slot slot = central ? Slot{view_.view_c_team, view_.view_c_opp, view_.view_c_meet}
                              : Slot{view_.view_p_team, view_.view_p_opp, view_.view_p_meet};
    season_->game_at(slot).clear();
    dat_changed_ = 1;
    delete_chain();
    main_.at("Label10").fore_color = kBlue;
    datbox_clear();
    newdat_disp();
    // The view still names the emptied slot (showing the first stored game does not move it).
    (central ? view_.view_c_team : view_.view_p_team) = slot.team;
    (central ? view_.view_c_opp : view_.view_p_opp) = slot.opp;
    (central ? view_.view_c_meet : view_.view_p_meet) = slot.meet;
    status(Text());
}

void MainWindow::delete_chain() {
    open_save(SaveKind::rebuild, season_->disp_year);
    rebuild_score_list(true);
    rebuild_pitcher_tables(false);
    rebuild_standings(false);
    rebuild_cumulative_pitchers(false);
    dat_changed_ = 0;
    rebuild_history();
    rebuild_innings(true);
    rebuild_streaks(true);
    rebuild_homeruns(true);
    rebuild_cumulative_homeruns(false);
    // A failed save leaves the deletion pending, so that the next 入力終了 saves it.
    if (!save_season(true)) dat_changed_ = 1;
    close_save();
    tallies_ = build_team_tallies(*season_);
}

}  // namespace tev::ui
