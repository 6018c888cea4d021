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
    int league = 0;        // 1 Central, 2 Pacific, 0 not chosen
    int first = 0;         // team batting first, 0 not chosen
    int second = 0;
    int first_runs = kRunsNotEntered;
    int second_runs = kRunsNotEntered;
    Text first_pitcher, second_pitcher, save_pitcher;
    int meeting = 0;
    Text attendance;                     // digits as typed, or the stored 5-character field
    Text first_innings, second_innings;  // inning cells of 2 characters, at most 15
    int first_inning_sum = 0, second_inning_sum = 0;
    int month = 0, day = 0;
    Text date;
    KeyTarget key_target = KeyTarget::none;
    bool awaiting_meeting = false;         // the keypad gives the meeting number
    std::vector<Text> homeruns;            // home-run records of the game, in entry order, at most 15
    int homerun_names_given = 0;           // 0 no name of the home run given, 1 one of the two, 2 both
    int homerun_side = 0;                  // 0 the club batting first hit it, 1 the club batting second
    Text homerun_batter, homerun_pitcher;  // the home run being entered
    int pick_list_club = 0;                // the club whose pitchers the pick list shows
};

}  // namespace tev::ui
