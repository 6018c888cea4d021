// The records a fan compares beyond the standings: home and road, against the other league
// (interleague games, which every other record counts too), the last ten games, the current
// streak, one-run games, extra-inning games, shutouts won and lost, and the record the runs scored
// and allowed would predict (the Pythagorean expectation with the exponent 1.83).
#pragma once

#include <vector>

#include "core/race/club_games.h"
#include "core/stats/report_pane.h"

namespace tev {

struct WinLossDraw {
    int wins = 0;
    int losses = 0;
    int draws = 0;

    // Counts one game of `outcome` (+1, -1, 0).
    void add(int outcome);
};

struct ClubRecords {
    WinLossDraw home, road, interleague, last_ten, one_run, extra_innings;
    int shutouts_won = 0;   // won without allowing a run
    int shutouts_lost = 0;  // lost without scoring
    int streak = 0;         // the current run of equal results: +n won, -n lost, 0 none
    int streak_draws = 0;   // the current run of draws, when the last game was drawn
    int scored = 0;
    int allowed = 0;
    int expected_wins = 0;  // of the decided games, as the runs predict
    int expected_losses = 0;
};

// The exponent of the published Pythagorean expectation for baseball.
inline constexpr double kPythagoreanExponent = 1.83;

// The records of a club from its games in playing order. A draw ends a winning or losing streak.
ClubRecords club_records(const std::vector<ClubGame>& games);

// The expected share of wins from runs scored and allowed; one half when neither side scored.
double pythagorean_share(int scored, int allowed);

// The report of both leagues in the standings' order: caption, one line per club, the closing
// line. The column of the records against the other league is there only in a season with
// interleague play.
ReportPane club_records_report(const Season& season);

}  // namespace tev
