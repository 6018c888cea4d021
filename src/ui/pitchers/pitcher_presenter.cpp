// The pitcher lists in List1: the league lists, a club's list, the cumulative lists over the
// registered years, and the detail of the pitcher on a clicked line.
#include <array>

#include "core/pitchers/pitcher_cum_report.h"
#include "core/pitchers/pitcher_report.h"
#include "core/store/teams.h"
#include "ui/app/club_controls.h"
#include "ui/pitchers/pitcher_presenter.h"

namespace tev::ui {

namespace {

// The caption colour of the pitcher lists of `league`.
Color league_color(int league) {
    return league == 1 ? kRed : league == 2 ? kYellow : kOrange;
}

}  // namespace

void PitcherPresenter::bind() {
    on_click("Command8", [this](int) { Command8_Click(); });
    main_.claim("Option6", Event::click, [this](int i) { return Option6_Click(i); });
    for (int team = 1; team <= 12; ++team)
        on_click(kPitcherClubItems[team - 1], [this, team](int) { club_item_click(team); });
    on_click("mnusei_rui", [this](int) { mnusei_rui_Click(); });
    main_.claim("List1", Event::click, [this](int) { return List1_Click(main_.at("List1").list_index + 1); });
}

void PitcherPresenter::Command8_Click() {
    if (modes_.record_list) return;
    hooks_.record_list_switched();
    draw_league_list(1);
}

void PitcherPresenter::draw_league_list(int league) {
    const PitcherTable& table = league == 1   ? season().pitcher_c
                                : league == 2 ? season().pitcher_p
                                              : season().pitcher_all;
    panes_.show_list1_report(pitcher_league_report(table, league, panes_.display_size(), season().clubs), league_color(league),
                      PaneReport::pitchers);
    pitchers_.league = league;
    pitchers_.club_view = false;
    pitchers_.line_keys.clear();
    for (const PitcherRow& row : table) {
        if (row.key.empty()) break;
        pitchers_.line_keys.push_back(row.key);
    }
    panes_.enable_league_choice(league - 1);
}

bool PitcherPresenter::Option6_Click(int index) {
    if (modes_.pane != PaneReport::pitchers) return false;  // the home-run lists switch their own
    if (index < 0 || index > 2) return true;
    const int league = index + 1;
    if (pitchers_.cum_view) draw_cumulative_list(league);
    else if (pitchers_.league != 0 && !pitchers_.club_view) draw_league_list(league);
    return true;
}

void PitcherPresenter::club_item_click(int team) {
    if (!modes_.can_open_report()) return;
    pitchers_.club = team;
    draw_club_list();
}

void PitcherPresenter::draw_club_list() {
    const int team = pitchers_.club;
    const int league = league_of(team);
    panes_.open_record_view();
    modes_.record_list = true;
    const PitcherTable& table = league == 1 ? season().pitcher_c : season().pitcher_p;
    panes_.show_list1_report(pitcher_club_report(table, team, panes_.display_size(), season().clubs), league == 1 ? kRed : kOrange,
                      PaneReport::pitchers);
    pitchers_.league = league;
    pitchers_.club_view = true;
    pitchers_.line_keys = pitcher_club_keys(table, team);
}

bool PitcherPresenter::List1_Click(int line) {
    if (modes_.pane != PaneReport::pitchers) return false;
    if (line < 1 || line > static_cast<int>(pitchers_.line_keys.size())) return true;
    const Text& key = pitchers_.line_keys[line - 1];
    panes_.show_detail(pitchers_.cum_view ? pitcher_year_lines(document_.pitcher_cum(), key)
                                          : pitcher_detail_lines(season(), key));
    return true;
}

void PitcherPresenter::on_views_closed() {
    pitchers_.league = 0;
    pitchers_.club_view = false;
    pitchers_.cum_view = false;
    pitchers_.line_keys.clear();
}

void PitcherPresenter::mnusei_rui_Click() {
    if (!modes_.can_open_report()) return;
    panes_.open_record_view();
    modes_.record_list = true;
    if (!document_.pitcher_cum_current()) document_.rebuild_pitcher_cum();
    pitchers_.cum_view = true;
    pitchers_.club_view = false;
    draw_cumulative_list(1);
}

void PitcherPresenter::draw_cumulative_list(int league) {
    const PitcherCum& cum = document_.pitcher_cum();
    panes_.show_list1_report(pitcher_cum_report(cum, league, panes_.display_size(), season().clubs),
                             league_color(league), PaneReport::pitchers);
    pitchers_.league = league;
    pitchers_.line_keys = pitcher_cum_keys(cum, league);
    panes_.enable_league_choice(league - 1);
}

}  // namespace tev::ui
