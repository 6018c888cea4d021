// The twelve clubs and two leagues. Team numbers 1..6 are the Central League, 7..12 the Pacific
// League; a club's league index is its number within its league (1..6).
#pragma once

#include "core/store/club_names.h"

namespace tev {

inline constexpr int kTeamCount = 12;
inline constexpr int kClubsPerLeague = 6;

enum League : int { central = 1, pacific = 2, both = 3 };

// The club's number within its league: team for 1..6, team - 6 for 7..12.
constexpr int league_index(int team_no) { return team_no > 6 ? team_no - 6 : team_no; }

// 1 for teams 1..6, 2 for teams 7..12.
constexpr int league_of(int team_no) { return team_no > 6 ? 2 : 1; }

// The team number of club `index` (1..6) of `league` (1 or 2).
constexpr int team_of(int league, int index) { return league == 2 ? index + 6 : index; }

// First and last team of a league selector: (1, 6), (7, 12) or, for both, (1, 12).
constexpr int first_team(int league) { return league == 2 ? 7 : 1; }
constexpr int last_team(int league) { return league == 1 ? 6 : 12; }

// The clubs' names are the season's own (club_names.h, Season::clubs).

}  // namespace tev
