// The game view's own state: which stored game the input panel shows outside entry mode, one
// remembered slot per league, and the keypad's date mode.
#pragma once

namespace tev::ui {

// The game view's choice of game (one remembered slot per league).
struct GameViewState {
    int view_league = 0;  // 1 Central, 2 Pacific, 0 nothing shown yet
    int view_c_has = 0, view_p_has = 0;
    int view_c_team = 1, view_c_opp = 2, view_c_meet = 1;
    int view_p_team = 7, view_p_opp = 2, view_p_meet = 1;
    int date_mode = 0;       // 1 while Command3 has switched the keypad to days
    int date_month = 0;      // the day chosen in date mode
    int date_day = 0;
};

}  // namespace tev::ui
