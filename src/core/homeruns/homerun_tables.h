// The season home-run tallies: home runs per batter and home runs allowed per pitcher, for each
// league and for both. An entry is 14 characters: the player key (team number in two characters
// and the 10-character name) and the count right-aligned in two. Used entries come first.
#pragma once

#include <array>

#include "core/text/text.h"

namespace tev {

inline constexpr int kHrLeagueEntries = 151;
inline constexpr int kHrBothEntries = 301;

using HrLeagueTable = std::array<Text, kHrLeagueEntries>;
using HrBothTable = std::array<Text, kHrBothEntries>;

struct HomerunTables {
    HrLeagueTable bat_c, bat_p, pit_c, pit_p;
    HrBothTable bat_all, pit_all;

    friend bool operator==(const HomerunTables&, const HomerunTables&) = default;
};

}  // namespace tev
