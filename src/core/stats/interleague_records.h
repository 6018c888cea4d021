// Each club's interleague record (交流戦) built from the interleague games only: wins, losses,
// draws, runs, the innings it batted and pitched, and who beat whom, for the interleague table
// and its tie-breaks. League games never count here.
#pragma once

#include <array>

#include "core/race/league_position.h"
#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

struct InterleagueClub {
    ClubRecord record;
    int scored = 0;
    int allowed = 0;
    int innings_batted = 0;
    int innings_pitched = 0;  // the rivals' innings batted
};

struct InterleagueRecords {
    std::array<InterleagueClub, 13> clubs{};  // by team number 1..12; entry 0 unused
    std::array<std::array<int, 13>, 13>
        wins_over{};  // [team][rival]: games `team` won against `rival`
    int games = 0;    // interleague games stored
};

// The innings a side batted in `game` (the first-batting side when `first`): the inning cells
// holding its runs. A cell " X" (the home side not needed in the last inning) or a blank cell is
// no inning batted. NPB counts innings by outs, so a walk-off inning is a fraction of one; the
// line score keeps whole innings only, so every inning the side came to bat counts as one.
int innings_batted(TextView game, bool first);

// The interleague records of every club from the season's interleague games.
InterleagueRecords build_interleague_records(const Season& season);

}  // namespace tev
