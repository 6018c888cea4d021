#include "ui/homeruns/homerun_presenter.h"

#include "core/store/teams.h"
#include "ui/app/club_controls.h"

namespace tev::ui {

void HomerunPresenter::bind() {
    on_click("Command18", [this](int) { Command18_Click(); });
    main_.claim("Command19", Event::click, [this](int) { return Command19_Click(); });
    main_.claim("Option6", Event::click, [this](int i) { return Option6_Click(i); });
    for (int team = 1; team <= 12; ++team)
        on_click(kHomerunClubItems[team - 1], [this, team](int) { club_item_click(team); });
    on_click("h_ruikei", [this](int) { h_ruikei_Click(); });
    main_.claim("List1", Event::click, [this](int) { return List1_Click(main_.at("List1").list_index + 1); });
}

// ---- the season lists ----

void HomerunPresenter::Command18_Click() {
    if (modes_.record_list) return;
    hooks_.record_list_switched();
    homeruns_.side = HrSide::batters;
    main_.at("Label6").fore_color = kRed;
    draw_league_list(1);
}

void HomerunPresenter::draw_league_list(int league) {
    // The caption keeps its colour when the league or the side changes.
    const Color caption = main_.at("Label6").fore_color;
    panes_.show_list1_report(homerun_league_report(season().homeruns, league, homeruns_.side, season().clubs),
                             caption, PaneReport::home_runs);
    homeruns_.season_list = true;
    homeruns_.league = league;
    homeruns_.club_view = false;
    homeruns_.line_keys = homerun_keys(homerun_table(season().homeruns, league, homeruns_.side));
    show_side_switch();
    panes_.enable_league_choice(league - 1);
}

void HomerunPresenter::show_side_switch() {
    Control& side = main_.at("Command19");
    side.visible = true;
    side.enabled = true;
    side.back_color = kHighlight;
    side.caption = homeruns_.side == HrSide::batters ? U"HR打者" : U"被HR投手";
}

bool HomerunPresenter::Command19_Click() {
    const bool cumulative = modes_.pane == PaneReport::home_runs && homeruns_.cum_view;
    if (!cumulative && !season_list_shown()) return false;  // entry's ＨＲ登録, or nothing
    homeruns_.side = homeruns_.side == HrSide::batters ? HrSide::pitchers : HrSide::batters;
    if (cumulative)
        draw_cumulative_list(homeruns_.league, HrCumCaption::switches);
    else
        draw_league_list(homeruns_.league);
    return true;
}

bool HomerunPresenter::Option6_Click(int index) {
    if (modes_.pane != PaneReport::home_runs) return false;  // the pitcher lists switch their own
    if (index < 0 || index > 2) return true;
    const int league = index + 1;
    if (homeruns_.cum_view)
        draw_cumulative_list(league, HrCumCaption::switches);
    else if (season_list_shown())
        draw_league_list(league);
    return true;
}

// ---- a club's batters ----

void HomerunPresenter::club_item_click(int team) {
    if (!modes_.can_open_report()) return;
    homeruns_.club = team;
    draw_club_list();
}

void HomerunPresenter::draw_club_list() {
    const int team = homeruns_.club;
    panes_.open_record_view();
    modes_.record_list = true;
    panes_.show_list1_report(homerun_club_report(season().homeruns, team, panes_.display_size(), season().clubs),
                             team <= 6 ? kRed : kOrange, PaneReport::home_runs);
    homeruns_.season_list = false;
    homeruns_.league = league_of(team);
    homeruns_.side = HrSide::batters;
    homeruns_.club_view = true;
    homeruns_.line_keys = homerun_club_keys(season().homeruns, team);
}

// ---- the cumulative lists ----

void HomerunPresenter::h_ruikei_Click() {
    if (!modes_.can_open_report()) return;
    panes_.open_record_view();
    modes_.record_list = true;
    if (!document_.homerun_cum_current()) document_.rebuild_homerun_cum();
    homeruns_.cum_view = true;
    homeruns_.club_view = false;
    homeruns_.side = HrSide::batters;
    main_.at("Label6").fore_color = kRed;
    draw_cumulative_list(1, HrCumCaption::menu);
}

void HomerunPresenter::draw_cumulative_list(int league, HrCumCaption how) {
    const HomerunCumBuild& cum = document_.homerun_cum();
    const HomerunCum& table = homeruns_.side == HrSide::batters ? cum.batters : cum.pitchers;
    // The caption keeps its colour when the league or the side changes.
    const Color caption = main_.at("Label6").fore_color;
    panes_.show_list1_report(
        homerun_cum_report(table, league, homeruns_.side, how, panes_.display_size(), season().clubs), caption,
        PaneReport::home_runs);
    homeruns_.season_list = false;
    homeruns_.league = league;
    homeruns_.line_keys = homerun_cum_keys(table, league);
    show_side_switch();
    panes_.enable_league_choice(league - 1);
}

// ---- a player's home runs ----

bool HomerunPresenter::List1_Click(int line) {
    if (modes_.pane != PaneReport::home_runs) return false;
    if (line < 1 || line > static_cast<int>(homeruns_.line_keys.size())) return true;
    const Text& key = homeruns_.line_keys[line - 1];
    if (!homeruns_.cum_view) {
        panes_.show_detail(homerun_detail_lines(season(), key, homeruns_.side));
        return true;
    }
    const HomerunCumBuild& cum = document_.homerun_cum();
    panes_.show_detail(homerun_year_lines(homeruns_.side == HrSide::batters ? cum.batters : cum.pitchers, key));
    return true;
}

void HomerunPresenter::on_views_closed() {
    homeruns_ = HomerunViewState{};
    // The button goes back to its entry role.
    main_.at("Command19").caption = U"ＨＲ登録";
}

}  // namespace tev::ui
