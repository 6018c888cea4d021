// What the window remembers about the home-run lists in List1: the league and side on screen (so
// that the league switch and the side switch know what to redraw and a click knows which player
// it names), the club list, the cumulative view, and the cumulative tables with the
// registration they were built for. Whether a season list shows is the window's `home_ichi`.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/homeruns/homerun_cum.h"
#include "core/homeruns/homerun_cum_report.h"
#include "core/homeruns/homerun_report.h"

namespace tev::ui {

struct HomerunViewState {
    int league = 0;                 // 1 Central, 2 Pacific, 3 both; 0 none
    HrSide side = HrSide::batters;  // batters, or pitchers who gave up home runs
    bool club_view = false;         // a club's batters from the ホームラン menu
    int club = 0;                   // the current club and its caption prefix
    Text title;
    bool cum_view = false;        // 成績累計: the cumulative lists until 窓消去
    std::vector<Text> line_keys;  // the player key of each line of List1
    std::unique_ptr<HomerunCumBuild> cum = std::make_unique<HomerunCumBuild>();
    std::string
        cum_built_for;  // the registered years and the year shown at the last build; empty: never
    Text last_notes;    // what the user was last told was left out
};

}  // namespace tev::ui
