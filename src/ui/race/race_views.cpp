// The pennant race reports under データ操作: the race table (also as of the day the 指定日成績
// calendar shows, when chosen while that calendar is up), the expanded records, and a club's game
// log, from the menu or from a club's line of the race table. They fill List4 as the team
// reports do and close as they do: the closing line, or 窓消去.
#include "core/race/club_records.h"
#include "core/race/game_log.h"
#include "core/race/meetings.h"
#include "core/race/race_table.h"
#include "core/store/teams.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::bind_race() {
    main_.on("mnurace", Event::click, [this](int) { mnurace_Click(); });
    main_.on("mnurace_rec", Event::click, [this](int) { mnurace_rec_Click(); });
    main_.on("mnulog", Event::click, [this](int team) { mnulog_Click(team); });
}

bool MainWindow::race_view_refused() const {
    return entry_mode_ == 1 || recalc_busy_ == 1 || history_state_ == 1 || kaiten_mode_ || view_.date_mode == 1;
}

void MainWindow::open_race_view(const ReportPane& pane, ListView view) {
    // Outside ﾃﾞｰﾀ参照 the report holds the window until 窓消去, as a pitcher list does.
    if (!report_on_) open_record_view();
    show_list4_report(pane, view);
}

void MainWindow::mnurace_Click() {
    if (list4_view_ == ListView::standings_as_of || list4_view_ == ListView::race_as_of) {
        // The calendar stays: its day buttons now step the race table's day.
        list4_view_ = ListView::race_as_of;
        return race_as_of_refresh();
    }
    if (race_view_refused()) return;
    hide_year_list();
    open_race_view(race_report(*season_, meetings_per_pair(*season_), std::nullopt), ListView::race);
}

void MainWindow::race_as_of_refresh() {
    fill_report("List4", "Label7", race_report(*season_, meetings_per_pair(*season_), asof_), kRed);
}

void MainWindow::mnurace_rec_Click() {
    if (race_view_refused()) return;
    hide_year_list();
    open_race_view(club_records_report(*season_), ListView::race_detail);
}

void MainWindow::mnulog_Click(int team) {
    if (race_view_refused() || team < 1 || team > kTeamCount) return;
    hide_year_list();
    open_race_view(game_log_report(*season_, team), ListView::race_detail);
}

void MainWindow::race_line_click(int line) {
    if (const auto team = race_line_team(main_.at("List4").lines, line, season_->clubs))
        open_race_view(game_log_report(*season_, *team), ListView::race_detail);
}

}  // namespace tev::ui
