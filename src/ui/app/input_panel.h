// The input panel's groups of controls that several subsystems set: the league and club option
// buttons, the colours of the keypad and month buttons, and the boxes of a game. The game view
// shows a stored game in them, entry composes one, the inning totals borrow them.
#pragma once

#include <string>
#include <vector>

#include "ui/window.h"

namespace tev::ui {

// The third league choice (Option3 index 2): a game between a club of each league.
inline constexpr int kInterleagueChoice = 3;

class InputPanel {
public:
    explicit InputPanel(Window& main) : main_(main) {}

    // Selects element `index` of the option array `name` and clears the others (-1: none).
    void select_option(const std::string& name, int index);

    // Paints every element of the arrays `names` in `color`.
    void set_colors(const std::vector<std::string>& names, Color color);

    // The club buttons of `league` usable, the other league's not (0: neither); for the
    // interleague choice, every club button.
    void set_team_buttons(int league);
    // For an interleague game with `first` and `second` chosen so far (0: not yet): a club of
    // either league bats first, and the home club is one of the other league.
    void set_interleague_team_buttons(int first, int second);
    // The league choices usable; the interleague choice only while it is offered.
    void enable_league_buttons();
    // The interleague choice shown for a year of interleague play, hidden otherwise.
    void offer_interleague(bool offered);
    // Neither league nor club buttons usable.
    void disable_team_choice();

    // Every box of a game emptied, no league or club selected (datbox_clear).
    void clear_boxes();

private:
    Window& main_;
};

}  // namespace tev::ui
