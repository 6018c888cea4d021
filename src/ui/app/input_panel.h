// The input panel's groups of controls that several subsystems set: the league and club option
// buttons, the colours of the keypad and month buttons, and the boxes of a game. The game view
// shows a stored game in them, entry composes one, the inning totals borrow them.
#pragma once

#include <string>
#include <vector>

#include "ui/window.h"

namespace tev::ui {

class InputPanel {
public:
    explicit InputPanel(Window& main) : main_(main) {}

    // Selects element `index` of the option array `name` and clears the others (-1: none).
    void select_option(const std::string& name, int index);

    // Paints every element of the arrays `names` in `color`.
    void set_colors(const std::vector<std::string>& names, Color color);

    // The club buttons of `league` usable, the other league's not (0: neither).
    void set_team_buttons(int league);
    void enable_league_buttons();
    // Neither league nor club buttons usable.
    void disable_team_choice();

    // Every box of a game emptied, no league or club selected (datbox_clear).
    void clear_boxes();

private:
    Window& main_;
};

}  // namespace tev::ui
