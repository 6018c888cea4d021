// Win/draw/loss tallies of every club against each league rival (`vs_tally`), against each club of
// the other league (`inter_tally`) and month by month (`month_tally`, league and interleague games
// alike), built in one pass over the stored games by `build_team_tallies`. Each tally
// holds its three counts as plain integers, so no count can wrap or spill into its neighbour
// however many games a month or a pairing holds.
#pragma once

#include <array>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

struct Tally {
    int wins = 0;
    int draws = 0;
    int losses = 0;

    // True when any game was counted.
    bool played() const { return wins != 0 || draws != 0 || losses != 0; }
};

inline constexpr int kFirstMonthColumn = 4;  // March and April together
inline constexpr int kLastMonthColumn = 10;  // October

struct TeamTallies {
    // [league 0 Central, 1 Pacific][club a 1..6][club b 1..6]; index 0 unused.
    std::array<std::array<std::array<Tally, 7>, 7>, 2> vs{};
    // [team 1..12][month column 4..10]; indexes below 4 unused.
    std::array<std::array<Tally, kLastMonthColumn + 1>, 13> month{};
    // [team 1..12][club 1..6 of the other league]: the interleague records; index 0 unused.
    std::array<std::array<Tally, 7>, 13> inter{};

    // The record of club `a` against club `b` of `league` (0 Central, 1 Pacific); a = b is empty.
    const Tally& vs_tally(int league, int a, int b) const { return vs[league][a][b]; }
    // The record of `team` (1..12) in month column `column` (4..10).
    const Tally& month_tally(int team, int column) const { return month[team][column]; }
    // The record of `team` against club `rival` (1..6) of the other league.
    const Tally& inter_tally(int team, int rival) const { return inter[team][rival]; }
    // The record of `team` against the whole other league (交流戦).
    Tally interleague_total(int team) const;
};

// The month column of a game's month: 4 for March and April, 5..10 for May..October, 0 for a
// month outside the season (such a game is kept out of the monthly tallies only).
int month_column(int month);

// The head-to-head and monthly tallies of every stored game.
TeamTallies build_team_tallies(const Season& season);

// A tally as the grid and month cells show it: wins in 2 characters, "-", losses in 2, "-", the
// draws (" 5- 3-0"); seven blanks when nothing was played. Counts wider than their field (ten
// draws or more) are shown whole, widening the cell, rather than losing digits.
Text tally_cell(const Tally& tally);

}  // namespace tev
