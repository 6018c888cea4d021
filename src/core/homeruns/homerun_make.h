// The season home-run tallies from the stored games: home runs per batter and home runs allowed
// per pitcher, for each league and for both, each ordered by count (most first) with equal counts
// in the order the players were first met (and, in the tables of both leagues, Central players
// before Pacific ones).
#pragma once

#include <functional>

#include "core/homeruns/homerun_tables.h"
#include "core/store/season.h"

namespace tev {

// A count is held in two characters.
inline constexpr int kHrMaxCount = 99;

// What a build could not hold. Every row that was built stays whole: a player who finds a table
// full gets no row in it, and a count stops at 99.
struct HomerunLeftOut {
    int bat_c = 0, bat_p = 0, bat_all = 0;  // batters without a row in the table
    int pit_c = 0, pit_p = 0, pit_all = 0;  // pitchers without a row in the table
    int held_at_99 = 0;                     // players whose count stopped at 99

    // True when anything was left out.
    bool any() const { return bat_c + bat_p + bat_all + pit_c + pit_p + pit_all + held_at_99 > 0; }
};

struct HomerunBuild {
    HomerunTables tables;
    HomerunLeftOut left_out;
};

// The six tallies of `season`. `progress(n)` is called at the build's six progress points
// (n = 1..6: after the Central batters, after the Pacific batters, before and after the Central
// pitchers, after the Pacific pitchers, after sorting the pitchers of both leagues).
HomerunBuild homerun_make(const Season& season, const std::function<void(int step)>& progress = {});

// The count of a tally entry (characters 13-14), 0 for an empty entry.
int tally_count(const Text& entry);

}  // namespace tev
