// What the window remembers about the pitcher lists in List1: which season table or club is on
// screen (so that the league switch knows what to redraw and a click knows which pitcher it
// names), whether the cumulative view is active, and the cumulative table with the registration
// it was built for.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/pitchers/pitcher_cum.h"

namespace tev::ui {

struct PitcherViewState {
    int league = 0;  // 1 pitcher_c, 2 pitcher_p, 3 pitcher_all (or the cumulative league); 0 none
    bool club_view = false;  // a club's list from the 投手成績 menu
    int club = 0;            // the current club and its caption prefix
    Text title;
    bool cum_view = false;        // 成績累計: the cumulative lists until 窓消去
    std::vector<Text> line_keys;  // the pitcher key of each line of List1
    std::unique_ptr<PitcherCum> cum = std::make_unique<PitcherCum>();
    std::string
        cum_built_for;  // the registered years and the year shown at the last build; empty: never
    Text last_notes;    // what the user was last told was left out
};

}  // namespace tev::ui
