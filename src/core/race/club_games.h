// A club's games in the order they were played, its interleague games among them: by date, and
// games of one day (a double-header) in the order the store holds them. The expanded records and
// the game log read a club's season through this one list.
#pragma once

#include <functional>
#include <vector>

#include "core/store/season.h"

namespace tev {

struct ClubGame {
    const Text* game = nullptr;  // the stored GameString
    int month = 0;
    int day = 0;
    bool home = false;  // the club batted second, at its own ground
    int rival = 0;      // team number
    bool interleague = false;  // the rival is a club of the other league
    int runs = 0;       // the club's runs
    int rival_runs = 0;
    int outcome = 0;    // +1 won, -1 lost, 0 drawn, decided on the runs as the standings decide
    int innings = 0;    // innings played, 9 for a regular game, more for extra innings
};

// The games of `team` (1..12) that `keep` accepts (all when it is empty), in playing order.
std::vector<ClubGame> club_games(const Season& season, int team,
                                 const std::function<bool(const Text& game)>& keep = {});

// Innings a game lasted: the cells used by the visitors' line (which bats every inning), and
// the home line's when it is longer.
int innings_played(const Text& game);

}  // namespace tev
