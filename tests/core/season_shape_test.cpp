#include <gtest/gtest.h>

#include "core/store/season_shape.h"

namespace tev {
namespace {

// Each era's shape gives NPB's season length, at both ends of the era.
TEST(SeasonShape, EveryEraPlaysNpbsSeasonLength) {
    struct Era {
        int first, last, games;
    };
    for (const Era era : {Era{1985, 1996, 130}, Era{1997, 2000, 135}, Era{2001, 2004, 140}, Era{2005, 2006, 146},
                          Era{2007, 2014, 144}, Era{2015, 2019, 143}, Era{2020, 2020, 120}, Era{2021, 2040, 143}})
        for (const int year : {era.first, era.last}) EXPECT_EQ(games_per_club(era_shape(year)), era.games) << year;
}

TEST(SeasonShape, InterleaguePlayBeginsIn2005AndPausedIn2020) {
    EXPECT_EQ(era_shape(2004), (SeasonShape{28, 0}));
    EXPECT_EQ(era_shape(2005), (SeasonShape{22, 6}));
    EXPECT_EQ(era_shape(2019), (SeasonShape{25, 3}));
    EXPECT_EQ(era_shape(2020), (SeasonShape{24, 0}));
    EXPECT_EQ(era_shape(2026), (SeasonShape{25, 3}));
    EXPECT_EQ(era_shape(1970), era_shape(1985));
    for (int year = 1985; year <= 2040; ++year)
        EXPECT_LE(era_shape(year).interleague_meetings, kMostInterleagueMeetings) << year;
}

}  // namespace
}  // namespace tev
