// The pitcher lists in List1: 投手成績 (the Central list), the league switch Option6 (which
// redraws whatever pitcher or home-run list is showing), the club items of the 投手成績 menu,
// and a pitcher's game-by-game detail opened from a line.
#include <array>

#include "core/pitchers/pitcher_cum_report.h"
#include "core/pitchers/pitcher_report.h"
#include "core/store/teams.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

constexpr Color kYellow = 0xFFFF00;
constexpr Color kOrange = 0xFF8000;

struct ClubItem {
    const char* name;
    int team;
};

constexpr std::array<ClubItem, 12> kClubItems = {{{"mnugiant", 1},
                                                  {"mnuyakuruto", 2},
                                                  {"mnuyokohama", 3},
                                                  {"mnuhanshin", 4},
                                                  {"mnuhiroshima", 5},
                                                  {"mnucyunichi", 6},
                                                  {"mnuoricsu", 7},
                                                  {"mnuseibu", 8},
                                                  {"mnukintetu", 9},
                                                  {"mnuhamu", 10},
                                                  {"mnurotte", 11},
                                                  {"mnudaiei", 12}}};

// The caption colour of the pitcher lists of `league`.
Color league_color(int league) {
    return league == 1 ? kRed : league == 2 ? kYellow : kOrange;
}

}  // namespace

void MainWindow::bind_pitchers() {
    const auto click = [this](const std::string& name, auto handler) {
        main_.on(name, Event::click, handler);
    };
    click("Command8", [this](int) { Command8_Click(); });
    click("Option6", [this](int i) { Option6_Click(i); });
    for (const ClubItem& item : kClubItems)
        click(item.name,
              [this, item](int) { picher_team_item(item.team, pitcher_club_prefix(item.team, season_->clubs)); });
    click("mnusei_rui", [this](int) { mnusei_rui_Click(); });
}

void MainWindow::Command8_Click() {
    if (pitchers_.cum_view || pitchers_.club_view || homeruns_.cum_view || homeruns_.club_view)
        return;
    close_homerun_views();
    draw_pitcher_list(1);
}

void MainWindow::draw_pitcher_list(int league) {
    const PitcherTable& table = league == 1   ? season_->pitcher_c
                                : league == 2 ? season_->pitcher_p
                                              : season_->pitcher_all;
    show_list1_report(pitcher_league_report(table, league, disp_size_, season_->clubs), league_color(league),
                      ListView::pitchers);
    pitchers_.league = league;
    pitchers_.club_view = false;
    pitchers_.line_keys.clear();
    for (const PitcherRow& row : table) {
        if (row.key.empty()) break;
        pitchers_.line_keys.push_back(row.key);
    }
    enable_league_choice(league - 1);
}

void MainWindow::enable_league_choice(int index) {
    main_.at("Frame5").enabled = true;
    for (Control* c : main_.array("Option6")) c->enabled = true;
    select_option("Option6", index);
}

void MainWindow::Option6_Click(int index) {
    if (index < 0 || index > 2) return;
    const int league = index + 1;
    if (list4_view_ == ListView::pitchers && pitchers_.cum_view) return draw_pitcher_cum(league);
    if (list4_view_ == ListView::home_runs && homeruns_.cum_view)
        return draw_homerun_cum(league, HrCumCaption::switches);
    if (list4_view_ == ListView::home_runs && home_ichi_ == 1) return draw_homerun_league(league);
    if (list4_view_ == ListView::pitchers && pitchers_.league != 0 && !pitchers_.club_view)
        return draw_pitcher_list(league);
}

bool MainWindow::record_view_refused() const {
    return entry_mode_ == 1 || report_on_ || view_.date_mode == 1 || kaiten_mode_ ||
           recalc_busy_ == 1 || history_state_ == 1;
}

void MainWindow::open_record_view() {
    // A club list or a cumulative list holds the window until 窓消去, as ﾃﾞｰﾀ参照 does.
    hide_year_list();
    paint_report_buttons(false);
    Control& close = main_.at("Command7");
    close.enabled = true;
    close.back_color = kHighlight;
    report_on_ = true;
    optbox_clear();
    main_.at("List2").visible = false;
    Control& data = main_.at("Command11");
    data.enabled = false;
    data.back_color = kDefaultColor;
    main_.at("Command3").back_color = kDefaultColor;
}

void MainWindow::picher_team_item(int team, const Text& title) {
    if (record_view_refused()) return;
    pitchers_.club = team;
    pitchers_.title = title;
    picher_team();
}

void MainWindow::picher_team() {
    const int team = pitchers_.club;
    const int league = league_of(team);
    open_record_view();
    const PitcherTable& table = league == 1 ? season_->pitcher_c : season_->pitcher_p;
    show_list1_report(pitcher_club_report(table, team, disp_size_, season_->clubs), league == 1 ? kRed : kOrange,
                      ListView::pitchers);
    pitchers_.league = league;
    pitchers_.club_view = true;
    pitchers_.line_keys = pitcher_club_keys(table, team);
}

void MainWindow::pitcher_list_click(int line) {
    if (line < 1 || line > static_cast<int>(pitchers_.line_keys.size())) return;
    const Text& key = pitchers_.line_keys[line - 1];
    show_detail(pitchers_.cum_view ? pitcher_year_lines(*pitchers_.cum, key)
                                   : pitcher_detail_lines(*season_, key));
}

void MainWindow::close_pitcher_views() {
    pitchers_.league = 0;
    pitchers_.club_view = false;
    pitchers_.cum_view = false;
    pitchers_.line_keys.clear();
}

}  // namespace tev::ui
