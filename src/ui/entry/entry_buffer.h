// The game being composed in entry mode: every value the input panel shows, until "Return"
// files it as one game string.
#pragma once

#include <vector>

#include "core/text/text.h"

namespace tev::ui {

// Which value the next keypad press, month button or pick-list choice sets.
enum class KeyTarget {
    none,
    first_runs,
    second_runs,
    first_innings,
    second_innings,
    attendance,
    month,
    day,
    first_pitcher,
    second_pitcher,
    save_pitcher,
    hr_pitcher,
};

inline constexpr int kRunsNotEntered = 99;

struct EntryBuffer {
    int ent_league = 0;  // 1 Central, 2 Pacific, 0 not chosen
    int ent_first = 0;   // team batting first, 0 not chosen
    int ent_second = 0;
    int ent_first_runs = kRunsNotEntered;
    int ent_second_runs = kRunsNotEntered;
    Text ent_first_picher, ent_second_picher, ent_save_picher;
    int ent_meet = 0;
    Text ent_attend;                      // digits as typed, or the stored 5-character field
    Text ent_first_inn, ent_second_inn;   // inning cells of 2 characters, at most 15
    int ent_first_sum = 0, ent_second_sum = 0;
    int ent_month = 0, ent_day = 0;
    Text ent_date;
    KeyTarget key_target = KeyTarget::none;
    int meet_wait = 0;  // 1 while a meeting number is awaited
    std::vector<Text> hr_list;  // home-run records of the game, in entry order, at most 15
    int hr_state = 0;           // 0 no name of the home run given, 1 one of the two, 2 both
    int hr_side = 0;            // 0 the club batting first hit it, 1 the club batting second
    Text hr_batter, hr_picher;  // the home run being entered
    int pick_team = 0;  // the club whose pitchers the pick list shows
};

}  // namespace tev::ui
