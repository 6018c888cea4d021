// The game view: outside entry mode and the reports, the input panel shows one stored game,
// chosen with the league and club buttons and the keypad (one remembered game per league), or
// lists a day's match cards in date mode. The tool tips of its boxes tell a pitcher's record and
// a club's standing. データ削除 deletes the game it shows.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "ui/app/presenter.h"

namespace tev::ui {

// The game the view last chose in one league, or among the interleague games.
struct ViewedGame {
    bool any = false;  // the league (or interleague play) has a stored game
    int team = 0;      // first-batting club 1..12
    int opp = 0;       // the home club's index within its league, 1..6
    int meet = 1;
};

struct GameViewState {
    ViewedGame central{false, 1, 2, 1};
    ViewedGame pacific{false, 7, 2, 1};
    ViewedGame interleague{false, 1, 1, 1};
    int date_month = 0;  // the day chosen in date mode
    int date_day = 0;
};

class GameViewPresenter : public Presenter {
public:
    explicit GameViewPresenter(const Context& context) : Presenter(context) {}

    void bind() override;
    void on_games_changed() override { show_first_games(); }
    void on_views_closed() override;

    const GameViewState& state() const { return view_; }
    // The mouse crossed the window's background: the tool tips are computed afresh.
    void Form_MouseMove();

private:
    ViewedGame& viewed(int league);
    // The stored game of `slot` in the store of `league` (kInterleagueChoice: the interleague one).
    const Text& stored_game(int league, Slot slot) const;
    // The home club of `slot` in the store of `league`.
    int home_club(int league, Slot slot) const;
    void show_first_games();
    void show_game(int league, Slot slot);
    void show_league(int league);
    void select_viewed_clubs(int league);
    void offer_league_buttons();
    void Option3_Click(int index);
    void team_option_click(const std::string& name, int index);
    void interleague_option_click(const std::string& name, int index);
    void show_meeting(int k);
    void Command3_Click();
    void Command2_Click(int month);
    void day_cards();
    void leave_date_mode();
    void List2_Click();
    void Command11_Click();
    void pitcher_tooltip(const std::string& box);
    void team_tooltip(const std::string& box);
    void mnudat_del_Click();

    GameViewState view_;
    std::set<std::string> tooltips_armed_ = {"Text2", "Text3", "Text9", "Text10", "Text16"};
    std::optional<Slot> shown_slot_;  // the game the boxes show
    int shown_slot_league_ = 1;       // and its store: 1, 2 or kInterleagueChoice
};

}  // namespace tev::ui
