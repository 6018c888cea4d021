// The home-run lists in List1: ホームラン (the Central batters), the side switch Command19
// between batters and the pitchers who gave up home runs, the club items of the ホームラン
// menu, and a player's home runs opened from a line. In entry mode Command19 files a home run.
#include <array>

#include "core/homeruns/homerun_report.h"
#include "core/store/teams.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

constexpr Color kOrange = 0xFF8000;

struct ClubItem {
    const char* name;
    int team;
};

constexpr std::array<ClubItem, 12> kClubItems = {{{"h_giant", 1},
                                                  {"h_yakuruto", 2},
                                                  {"h_yokohama", 3},
                                                  {"h_hanshin", 4},
                                                  {"h_hiroshima", 5},
                                                  {"h_cyunichi", 6},
                                                  {"h_oriku", 7},
                                                  {"h_seibu", 8},
                                                  {"h_kintetu", 9},
                                                  {"h_hamu", 10},
                                                  {"h_rotte", 11},
                                                  {"h_daie", 12}}};

}  // namespace

void MainWindow::bind_homeruns() {
    const auto click = [this](const std::string& name, auto handler) {
        main_.on(name, Event::click, handler);
    };
    click("Command18", [this](int) { Command18_Click(); });
    click("Command19", [this](int) { Command19_Click(); });
    for (const ClubItem& item : kClubItems)
        click(item.name,
              [this, item](int) { homerun_team_item(item.team, homerun_club_prefix(item.team, season_->clubs)); });
    click("h_ruikei", [this](int) { h_ruikei_Click(); });
}

void MainWindow::Command18_Click() {
    if (pitchers_.cum_view || pitchers_.club_view || homeruns_.cum_view || homeruns_.club_view)
        return;
    close_pitcher_views();
    homeruns_.side = HrSide::batters;
    main_.at("Label6").fore_color = kRed;
    draw_homerun_league(1);
}

void MainWindow::draw_homerun_league(int league) {
    // The caption keeps its colour when the league or the side changes.
    const Color caption = main_.at("Label6").fore_color;
    show_list1_report(homerun_league_report(season_->homeruns, league, homeruns_.side, season_->clubs), caption,
                      ListView::home_runs);
    home_ichi_ = 1;
    homeruns_.league = league;
    homeruns_.club_view = false;
    homeruns_.line_keys = homerun_keys(homerun_table(season_->homeruns, league, homeruns_.side));
    show_side_switch();
    enable_league_choice(league - 1);
}

void MainWindow::show_side_switch() {
    Control& side = main_.at("Command19");
    side.visible = true;
    side.enabled = true;
    side.back_color = kHighlight;
    side.caption = homeruns_.side == HrSide::batters ? U"HR打者" : U"被HR投手";
}

void MainWindow::Command19_Click() {
    const bool cumulative = list4_view_ == ListView::home_runs && homeruns_.cum_view;
    const bool season_list = list4_view_ == ListView::home_runs && home_ichi_ == 1;
    if (!cumulative && !season_list) {
        if (entry_mode_ == 1) homerun_entry_file();
        return;
    }
    homeruns_.side = homeruns_.side == HrSide::batters ? HrSide::pitchers : HrSide::batters;
    if (cumulative) return draw_homerun_cum(homeruns_.league, HrCumCaption::switches);
    draw_homerun_league(homeruns_.league);
}

void MainWindow::homerun_team_item(int team, const Text& title) {
    if (record_view_refused()) return;
    homeruns_.club = team;
    homeruns_.title = title;
    homerun_team();
}

void MainWindow::homerun_team() {
    const int team = homeruns_.club;
    open_record_view();
    show_list1_report(homerun_club_report(season_->homeruns, team, disp_size_, season_->clubs),
                      team <= 6 ? kRed : kOrange, ListView::home_runs);
    homeruns_.league = league_of(team);
    homeruns_.side = HrSide::batters;
    homeruns_.club_view = true;
    homeruns_.line_keys = homerun_club_keys(season_->homeruns, team);
}

void MainWindow::homerun_list_click(int line) {
    if (line < 1 || line > static_cast<int>(homeruns_.line_keys.size())) return;
    const Text& key = homeruns_.line_keys[line - 1];
    if (!homeruns_.cum_view)
        return show_detail(homerun_detail_lines(*season_, key, homeruns_.side));
    const HomerunCum& table =
        homeruns_.side == HrSide::batters ? homeruns_.cum->batters : homeruns_.cum->pitchers;
    show_detail(homerun_year_lines(table, key));
}

void MainWindow::close_homerun_views() {
    homeruns_.league = 0;
    homeruns_.side = HrSide::batters;
    homeruns_.club_view = false;
    homeruns_.cum_view = false;
    homeruns_.line_keys.clear();
    // The button goes back to its entry role.
    main_.at("Command19").caption = U"ＨＲ登録";
}

}  // namespace tev::ui
