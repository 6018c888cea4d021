// The home-run lists in List1: ホームラン (the Central batters), the side switch Command19 between
// batters and the pitchers who gave up home runs, the league switch Option6, the club items of the
// ホームラン menu, 成績累計 (the cumulative lists over every registered year), and a player's home
// runs opened from a line. (In entry mode Command19 files a home run: entry claims it then.)
#pragma once

#include <vector>

#include "core/homeruns/homerun_cum_report.h"
#include "core/homeruns/homerun_report.h"
#include "ui/app/presenter.h"

namespace tev::ui {

// What the presenter remembers about the list on screen: the league and side (so that the league
// and side switches know what to redraw and a click knows which player it names).
struct HomerunViewState {
    int league = 0;                 // 1 Central, 2 Pacific, 3 both; 0 none
    HrSide side = HrSide::batters;  // batters, or pitchers who gave up home runs
    bool season_list = false;       // a league's season list (ホームラン)
    bool club_view = false;         // a club's batters from the ホームラン menu
    int club = 0;                   // the club of that list
    bool cum_view = false;          // 成績累計: the cumulative lists until 窓消去
    std::vector<Text> line_keys;    // the player key of each line of List1
};

class HomerunPresenter : public Presenter {
public:
    explicit HomerunPresenter(const Context& context) : Presenter(context) {}

    void bind() override;
    void on_views_closed() override;
    void on_record_list_switched() override { on_views_closed(); }

    const HomerunViewState& state() const { return homeruns_; }
    // A league's season list is on display (its side and league switches answer).
    bool season_list_shown() const { return modes_.pane == PaneReport::home_runs && homeruns_.season_list; }

private:
    void Command18_Click();
    bool Command19_Click();
    bool Option6_Click(int index);
    void club_item_click(int team);
    void h_ruikei_Click();
    void draw_league_list(int league);
    void draw_club_list();
    void draw_cumulative_list(int league, HrCumCaption how);
    void show_side_switch();
    bool List1_Click(int line);

    HomerunViewState homeruns_;
};

}  // namespace tev::ui
