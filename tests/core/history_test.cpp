#include <gtest/gtest.h>

#include <memory>

#include "core/history/history_make.h"
#include "core/text/calendar.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;

TEST(SeasonDay, CountsFromTwentiethMarch) {
    EXPECT_EQ(season_day(3, 19), 0);
    EXPECT_EQ(season_day(3, 20), 1);
    EXPECT_EQ(season_day(4, 1), 13);
    EXPECT_EQ(season_day(10, 31), 226);
    EXPECT_EQ(season_day(3, 18), -1);
    EXPECT_EQ(season_day(11, 1), -1);
    EXPECT_EQ(season_day(2, 28), -1);
}

TEST(HistoryPercentage, IsTheSinglePrecisionRatioWithTheFractionDropped) {
    EXPECT_EQ(history_pct(2, 1), 6666);
    EXPECT_EQ(history_pct(7, 3), 6999);
    EXPECT_EQ(history_pct(57, 43), 5699);
    EXPECT_EQ(history_pct(5, 5), 5000);
    EXPECT_EQ(history_pct(0, 0), 10000);
    EXPECT_EQ(history_pct(0, 4), 0);
    EXPECT_EQ(history_pct(4, 0), 10000);
}

TEST(History, AnEmptySeasonStandsLevelAllSeason) {
    auto season = std::make_unique<Season>();
    const auto h = std::make_unique<History>(history_make(*season));
    for (int day = 1; day <= 226; ++day)
        for (int team = 1; team <= 12; ++team) {
            EXPECT_EQ(h->rank[day][team], 1);
            EXPECT_EQ(h->pct[day][team], 10000);
        }
    EXPECT_EQ(h->rank[0][1], 0);
}

TEST(History, PlacesAndPercentagesDayByDay) {
    auto season = std::make_unique<Season>();
    // 25 March: 巨人 beat 阪神. 1 April: 阪神 beat 横浜, 広島 and 中日 draw.
    add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 1, .month = 3, .day = 25});
    add_game(*season, {.first = 4, .second = 3, .meet = 1, .first_runs = 5, .second_runs = 0, .month = 4, .day = 1});
    add_game(*season, {.first = 5, .second = 6, .meet = 1, .first_runs = 2, .second_runs = 2, .month = 4, .day = 1});
    // Outside the recorded days: left out without harm.
    add_game(*season, {.first = 7, .second = 8, .meet = 1, .first_runs = 1, .second_runs = 0, .month = 11, .day = 2});
    const auto h = std::make_unique<History>(history_make(*season));
    const int day25 = season_day(3, 25), day12 = 12, day13 = 13;
    EXPECT_EQ(h->pct[day25 - 1][4], 10000);
    EXPECT_EQ(h->pct[day25][1], 10000);
    EXPECT_EQ(h->pct[day25][4], 0);
    EXPECT_EQ(h->rank[day25][4], 6);  // five clubs at 1.000 share place 1
    EXPECT_EQ(h->rank[day25][2], 1);
    EXPECT_EQ(h->pct[day12][4], 0);    // 1 April's games count from day 13 only
    EXPECT_EQ(h->pct[day13][4], 5000);
    EXPECT_EQ(h->rank[day13][4], 5);   // 1.000: 巨人, ヤクルト, 広島, 中日; then 阪神 .500, 横浜 .000
    EXPECT_EQ(h->rank[day13][3], 6);
    EXPECT_EQ(h->pct[day13][5], 10000);  // a draw changes no percentage
    EXPECT_EQ(h->pct[226][4], 5000);     // the last values hold to the end
    EXPECT_EQ(h->pct[226][7], 10000);    // the November game is not placed
}

TEST(History, EqualRecordsShareAPlaceAndTheNextTakesItsPosition) {
    auto season = std::make_unique<Season>();
    int meet = 1;
    // オリックス 2-0, 西武 and 近鉄 1-1, the rest 0-2 or level: places 1, 2, 2, 4 ...
    add_game(*season, {.first = 7, .second = 10, .meet = meet++, .first_runs = 1, .second_runs = 0, .month = 5, .day = 1});
    add_game(*season, {.first = 7, .second = 11, .meet = meet++, .first_runs = 1, .second_runs = 0, .month = 5, .day = 1});
    add_game(*season, {.first = 8, .second = 9, .meet = 1, .first_runs = 1, .second_runs = 0, .month = 5, .day = 1});
    add_game(*season, {.first = 9, .second = 8, .meet = 2, .first_runs = 1, .second_runs = 0, .month = 5, .day = 1});
    const auto h = std::make_unique<History>(history_make(*season));
    const int d = season_day(5, 1);
    EXPECT_EQ(h->rank[d][12], 1);  // ダイエー has no decided game: 1.000
    EXPECT_EQ(h->rank[d][7], 1);
    EXPECT_EQ(h->rank[d][8], 3);
    EXPECT_EQ(h->rank[d][9], 3);
    EXPECT_EQ(h->rank[d][10], 5);
    EXPECT_EQ(h->rank[d][11], 5);
}

TEST(Calendar, WeekdaysWithOverflowingDays) {
    EXPECT_EQ(weekday_name_of("2004", 4, 1), U"木");
    EXPECT_EQ(weekday_name_of("2003", 4, 1), U"火");
    EXPECT_EQ(weekday_name_of("1996", 4, 31), weekday_name_of("1996", 5, 1));
    EXPECT_EQ(weekday(1996, 1, 1), 1);  // a Monday
    EXPECT_EQ(days_in_month(2000, 2), 29);
    EXPECT_EQ(days_in_month(1900, 2), 28);
    EXPECT_EQ(days_in_month(1996, 9), 30);
}

}  // namespace
}  // namespace tev
