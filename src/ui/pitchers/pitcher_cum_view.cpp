// 成績累計 under 投手成績: the cumulative pitcher lists over every registered year, their
// year-by-year detail, and the rebuild of the cumulative table, which the commit, the deletion
// of a game and the year files run whenever the games or the registered years change.
#include "core/pitchers/pitcher_cum_report.h"
#include "core/settings/settings.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

constexpr Color kYellow = 0xFFFF00;
constexpr Color kOrange = 0xFF8000;

}  // namespace

std::string MainWindow::cum_registration() const {
    return settings_.rec_year + "|" + season_->disp_year;
}

void MainWindow::rebuild_pitcher_cum() {
    const auto progress = [this](CumStep s) {
        switch (s) {
            case CumStep::reading:
                status(U"投手成績データ読み込み中です。");
                break;
            case CumStep::first_year:
                status(U"投手成績データ作成中→＊");
                break;
            case CumStep::all_years:
                status(U"投手成績データ作成中→＊＊");
                break;
            case CumStep::sorted:
                status(U"投手成績データ作成中→＊＊＊");
                break;
        }
        pump();
    };
    PitcherCumBuild build = add_up_pitcher_years(dir_, registered_years(settings_.rec_year),
                                        season_->disp_year, season_->pitcher_all, progress);
    *pitchers_.cum = std::move(build.table);
    pitchers_.cum_built_for = cum_registration();
    tell_left_out(U"投手成績の累計", build.notes, pitchers_.last_notes);
}

void MainWindow::tell_left_out(const Text& what, const std::vector<Text>& notes, Text& last_told) {
    if (notes.empty()) {
        last_told.clear();
        return;
    }
    Text text = what + U"に入れられなかったデータがあります。\r\n";
    for (const Text& note : notes) text += U"\r\n" + note;
    // Each rebuild would find the same fault again: say it once, until it changes.
    if (text == last_told) return;
    last_told = text;
    services_.message(text);
}

void MainWindow::mnusei_rui_Click() {
    if (record_view_refused()) return;
    open_record_view();
    if (pitchers_.cum_built_for != cum_registration()) rebuild_pitcher_cum();
    pitchers_.cum_view = true;
    pitchers_.club_view = false;
    draw_pitcher_cum(1);
}

void MainWindow::draw_pitcher_cum(int league) {
    show_list1_report(pitcher_cum_report(*pitchers_.cum, league, disp_size_, season_->clubs),
                      league == 1   ? kRed
                      : league == 2 ? kYellow
                                    : kOrange,
                      ListView::pitchers);
    pitchers_.league = league;
    pitchers_.line_keys = pitcher_cum_keys(*pitchers_.cum, league);
    enable_league_choice(league - 1);
}

}  // namespace tev::ui
