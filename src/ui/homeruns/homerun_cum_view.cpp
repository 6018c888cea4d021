// 成績累計 under ホームラン: the cumulative lists of batters and of pitchers who gave up home
// runs over every registered year, their year-by-year detail, and the rebuild of the cumulative
// tables, which the commit, the deletion of a game and the year files run whenever the games or
// the registered years change.
#include "core/homeruns/homerun_cum_report.h"
#include "core/settings/settings.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::rebuild_homerun_cum() {
    const auto progress = [this](HrCumStep s) {
        switch (s) {
            case HrCumStep::reading:
                status(U"ホームランデータ読み込み中です。");
                break;
            case HrCumStep::adding:
                status(U"累計ホームランデータ作成中です。→＊");
                break;
            case HrCumStep::first_year:
                status(U"累計ホームランデータ作成中です。→＊＊");
                break;
            case HrCumStep::sorting_batters:
                status(U"累計ホームランデータ作成中です。→＊＊＊");
                break;
            case HrCumStep::sorting_pitchers:
                status(U"累計ホームランデータ作成中です。→＊＊＊＊");
                break;
        }
        pump();
    };
    HomerunCumBuild build = add_up_homerun_years(dir_, registered_years(settings_.rec_year),
                                        season_->disp_year, season_->homeruns, progress);
    const std::vector<Text> notes = build.notes;
    *homeruns_.cum = std::move(build);
    homeruns_.cum_built_for = cum_registration();
    tell_left_out(U"ホームランの累計", notes, homeruns_.last_notes);
}

void MainWindow::h_ruikei_Click() {
    if (record_view_refused()) return;
    open_record_view();
    if (homeruns_.cum_built_for != cum_registration()) rebuild_homerun_cum();
    homeruns_.cum_view = true;
    homeruns_.club_view = false;
    homeruns_.side = HrSide::batters;
    main_.at("Label6").fore_color = kRed;
    draw_homerun_cum(1, HrCumCaption::menu);
}

void MainWindow::draw_homerun_cum(int league, HrCumCaption how) {
    const HomerunCum& table =
        homeruns_.side == HrSide::batters ? homeruns_.cum->batters : homeruns_.cum->pitchers;
    // The caption keeps its colour when the league or the side changes.
    const Color caption = main_.at("Label6").fore_color;
    show_list1_report(homerun_cum_report(table, league, homeruns_.side, how, disp_size_, season_->clubs), caption,
                      ListView::home_runs);
    homeruns_.league = league;
    homeruns_.line_keys = homerun_cum_keys(table, league);
    show_side_switch();
    enable_league_choice(league - 1);
}

}  // namespace tev::ui
