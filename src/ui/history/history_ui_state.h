// State of the history subsystem of the main window: the graph window's mode flags (as the
// graph's handlers name them) and the games the user was already told the history leaves out.
#pragma once

#include <set>
#include <string>

namespace tev::ui {

struct GraphState {
    int graph_mode = 1;    // 1 rank graph, 2 percentage graph: set by the menu item
    int graph_league = 1;  // first team of the shown league: 1 or 7
    int graph_all = 1;     // 1 all six clubs checked (full drawing), 2 some club unchecked
    int graph_ready = 0;   // 0 while the window is set up or switches league: checks are ignored
};

struct HistoryUiState {
    GraphState graph;
    // "year team opp meet month/day" of each game already named in a left-out message.
    std::set<std::string> told_left_out;
};

}  // namespace tev::ui
