// The places of the interleague table (交流戦成績): all twelve clubs in one ranking, as NPB ranks
// them. From 2011: winning percentage (draws left out), then more wins, then for exactly two level
// clubs their head-to-head record, then TQB, then the previous year's interleague place. From
// 2005 to 2010: percentage, then the previous year's place. Clubs still level share the place
// (the same number, the next place skipping), listed in team-number order.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/race/league_position.h"
#include "core/stats/tqb.h"
#include "core/store/season.h"

namespace tev {

// Interleague places by team number 1..12 (entry 0 unused); 0 for a club without a place.
using InterleaguePlaces = std::array<int, 13>;

// One club's line of the interleague table.
struct InterleagueLine {
    int team = 0;   // 1..12
    int place = 0;  // shared by clubs the tie-breaks cannot part
    ClubRecord record;
    int scored = 0;
    int allowed = 0;
    Tqb tqb;
};

// True when `disp_year` ranks by wins, head-to-head and TQB before the previous year's place
// (2011 on); earlier years go from the percentage straight to the previous year's place.
bool interleague_full_tiebreaks(const std::string& disp_year);

// The twelve lines in place order, or none when the season has no interleague game. `previous`:
// the previous year's places, when that year is known; a group of level clubs is parted by it
// only when every club of the group has a place there.
std::vector<InterleagueLine> interleague_ranking(const Season& season,
                                                 const std::optional<InterleaguePlaces>& previous);

// The places of `interleague_ranking` by team number; all 0 when the season has no interleague
// game, so that a year without interleague play parts nobody as the previous year.
InterleaguePlaces interleague_places(const Season& season,
                                     const std::optional<InterleaguePlaces>& previous);

}  // namespace tev
