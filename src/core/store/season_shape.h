// The shape of a season: how many times two clubs of one league meet, and how many times two
// clubs of different leagues meet (interleague play, 交流戦, since 2005). NPB's numbers by era are
// the defaults of a year that is created, or whose files do not say.
#pragma once

#include <string>

namespace tev {

// The most interleague meetings of a pair the store holds (2005-2006 played six).
inline constexpr int kMostInterleagueMeetings = 6;

struct SeasonShape {
    int league_meetings = 26;      // per pair of clubs of one league
    int interleague_meetings = 0;  // per pair of clubs of the two leagues; 0: no interleague play

    friend bool operator==(const SeasonShape&, const SeasonShape&) = default;
};

// NPB's meetings per pair in `year`: 1985-1996 26 and 0, 1997-2000 27 and 0, 2001-2004 28 and 0,
// 2005-2006 22 and 6, 2007-2014 24 and 4, 2015-2019 25 and 3, 2020 24 and 0, from 2021 25 and 3.
// A year before 1985 has the shape of 1985.
SeasonShape era_shape(int year);
// The same for a year written as four digits (anything else counts as a year before 1985).
SeasonShape era_shape(const std::string& year);

// The games each club plays in a season of `shape`: five league rivals, six of the other league.
constexpr int games_per_club(const SeasonShape& shape) {
    return 5 * shape.league_meetings + 6 * shape.interleague_meetings;
}

}  // namespace tev
