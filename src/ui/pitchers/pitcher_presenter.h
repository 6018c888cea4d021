// The pitcher lists in List1: 投手成績 (the Central list), the league switch Option6, the club
// items of the 投手成績 menu, 成績累計 (the cumulative lists over every registered year), and a
// pitcher's game-by-game or year-by-year detail opened from a line.
#pragma once

#include <vector>

#include "ui/app/presenter.h"

namespace tev::ui {

// What the presenter remembers about the list on screen: which table or club it shows (so that
// the league switch knows what to redraw and a click knows which pitcher it names).
struct PitcherViewState {
    int league = 0;               // 1 Central, 2 Pacific, 3 both (or the cumulative league); 0 none
    bool club_view = false;       // a club's list from the 投手成績 menu
    int club = 0;                 // the club of that list
    bool cum_view = false;        // 成績累計: the cumulative lists until 窓消去
    std::vector<Text> line_keys;  // the pitcher key of each line of List1
};

class PitcherPresenter : public Presenter {
public:
    explicit PitcherPresenter(const Context& context) : Presenter(context) {}

    void bind() override;
    void on_views_closed() override;
    void on_record_list_switched() override { on_views_closed(); }

    const PitcherViewState& state() const { return pitchers_; }

private:
    void Command8_Click();
    bool Option6_Click(int index);
    void club_item_click(int team);
    void mnusei_rui_Click();
    void draw_league_list(int league);
    void draw_club_list();
    void draw_cumulative_list(int league);
    bool List1_Click(int line);

    PitcherViewState pitchers_;
};

}  // namespace tev::ui
