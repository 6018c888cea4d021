// The graph window's state: which graph, which league, whether every club is drawn, and whether
// the window is being set up (its check boxes are then not the user's).
#pragma once

#include "core/history/history_graph.h"

namespace tev::ui {

struct GraphState {
    GraphMode mode = GraphMode::rank;  // set by the menu item that opened the window
    int first_team = 1;                // first team of the league shown: 1 or 7
    bool every_club = true;            // all six clubs checked: the full drawing with the names
    bool ready = false;                // false while the window is set up or switches league
};

}  // namespace tev::ui
