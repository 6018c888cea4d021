#include <gtest/gtest.h>

#include <memory>

#include "core/stats/standings_as_of.h"
#include "core/stats/standings_report.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

// 31 March 横浜 beats 阪神; 5 April 巨人 beats ヤクルト; 6 April ヤクルト beats 巨人; 1 May a
// Pacific draw; 10 October 広島 beats 中日.
std::unique_ptr<Season> as_of_season() {
    auto season = std::make_unique<Season>();
    Season& s = *season;
    add_game(s, {.first = 3, .second = 4, .meet = 1, .first_runs = 6, .second_runs = 2, .month = 3, .day = 31,
                 .attendance = 31000});
    add_game(s, {.first = 1, .second = 2, .meet = 1, .first_runs = 4, .second_runs = 3, .month = 4, .day = 5,
                 .attendance = 45000});
    add_game(s, {.first = 2, .second = 1, .meet = 2, .first_runs = 5, .second_runs = 1, .month = 4, .day = 6,
                 .attendance = 46000});
    add_game(s, {.first = 8, .second = 9, .meet = 1, .first_runs = 2, .second_runs = 2, .month = 5, .day = 1,
                 .attendance = 20000});
    add_game(s, {.first = 5, .second = 6, .meet = 1, .first_runs = 3, .second_runs = 0, .month = 10, .day = 10,
                 .attendance = 25000});
    return season;
}

TEST(StandingsAsOf, AGameOnTheDayCountsAndOneOnTheNextDayDoesNot) {
    const auto season = as_of_season();
    const LeagueTable on_5 = build_standings_as_of(*season, 1, 6, {4, 5});
    EXPECT_EQ(row_club(on_5[0]), 1);  // 巨人 1-0, 横浜 1-0 in club order
    EXPECT_EQ(row_club(on_5[1]), 3);
    EXPECT_EQ(row_games(on_5[0]), 1);
    const LeagueTable on_6 = build_standings_as_of(*season, 1, 6, {4, 6});
    EXPECT_EQ(row_club(on_6[0]), 3);
    EXPECT_EQ(row_club(on_6[1]), 1);  // 巨人 1-1 and ヤクルト 1-1 at 0.5000
    EXPECT_EQ(row_games(on_6[1]), 2);
    EXPECT_TRUE(played_by(season->game_at(3, 4, 1), {4, 1}));  // March counts as March
    EXPECT_FALSE(played_by(season->game_at(3, 4, 1), {3, 30}));
}

TEST(StandingsAsOf, BeforeTheFirstGameEveryClubSharesTheFirstRank) {
    const auto season = as_of_season();
    const LeagueTable central = build_standings_as_of(*season, 1, 6, {3, 30});
    const LeagueTable pacific = build_standings_as_of(*season, 7, 12, {3, 30});
    for (const auto& row : central) EXPECT_EQ(row_games(row), 0);
    EXPECT_EQ(standings_ranks(central, false), (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    const auto pane = standings_as_of_report(central, pacific, season->disp_year, {3, 30}, 0);
    EXPECT_TRUE(matches_golden("standings_as_of/before_opening.txt", pane.lines));
}

TEST(StandingsAsOf, ALaterDateGivesTheFullSeason) {
    const auto season = as_of_season();
    for (AsOfDate date : {AsOfDate{10, 10}, AsOfDate{10, 31}, AsOfDate{12, 31}}) {
        EXPECT_EQ(build_standings_as_of(*season, 1, 6, date), build_standings(*season, 1, 6));
        EXPECT_EQ(build_standings_as_of(*season, 7, 12, date), build_standings(*season, 7, 12));
    }
    EXPECT_NE(build_standings_as_of(*season, 1, 6, {10, 9}), build_standings(*season, 1, 6));
}

TEST(StandingsAsOf, TheReportOfADay) {
    const auto season = as_of_season();
    const AsOfDate date{4, 5};
    const auto pane = standings_as_of_report(build_standings_as_of(*season, 1, 6, date),
                                             build_standings_as_of(*season, 7, 12, date),
                                             season->disp_year, date, 0);
    EXPECT_EQ(pane.status, U"チーム名をクリックすると詳細が表示されます。");
    ASSERT_EQ(pane.lines.size(), 14u);
    EXPECT_EQ(pane.lines[0], U"              【開幕より4月5日（金曜日）迄の成績一覧】");
    EXPECT_TRUE(matches_golden("standings_as_of/april_5.txt", pane.lines));
}

TEST(StandingsAsOf, CaptionsForEachLayout) {
    for (int disp_size = 0; disp_size <= 2; ++disp_size) {
        const auto pane = standings_as_of_report(LeagueTable{}, LeagueTable{}, "1996", as_of_opening(), disp_size);
        EXPECT_EQ(pane.caption, U"            　　         両リーグ成績一覧\r\n" + standings_header(disp_size));
    }
}

TEST(StandingsAsOf, TitlesNameTheWeekday) {
    EXPECT_EQ(as_of_title("2003", {4, 1}), U"              【開幕より4月1日（火曜日）迄の成績一覧】");
    EXPECT_EQ(as_of_title("1996", {10, 12}), U"              【開幕より10月12日（土曜日）迄の成績一覧】");
    // 31 April does not exist; its weekday is that of 1 May.
    EXPECT_EQ(as_of_title("1996", {4, 31}), U"              【開幕より4月31日（水曜日）迄の成績一覧】");
}

TEST(StandingsAsOf, The2001CentralLeagueIsOrderedByWins) {
    for (const char* year : {"2000", "2001"}) {
        Season season;
        season.disp_year = year;
        // 巨人 2-0 (1.0000) by 4/10; ヤクルト 3-1 (0.7500).
        for (int m = 1; m <= 2; ++m)
            add_game(season, {.first = 1, .second = 3, .meet = m, .first_runs = 1, .second_runs = 0, .day = m});
        for (int m = 1; m <= 4; ++m)
            add_game(season, {.first = 2, .second = 4, .meet = m, .first_runs = m < 4 ? 1 : 0,
                              .second_runs = m < 4 ? 0 : 1, .day = m});
        add_game(season, {.first = 1, .second = 3, .meet = 3, .first_runs = 0, .second_runs = 1, .month = 5, .day = 1});
        const LeagueTable table = build_standings_as_of(season, 1, 6, {4, 10});
        EXPECT_EQ(row_club(table[0]), std::string(year) == "2001" ? 2 : 1) << year;
    }
}

TEST(DateChooser, StepsBackAcrossMonthEnds) {
    EXPECT_EQ(as_of_step_back({4, 5}), (AsOfDate{4, 4}));
    EXPECT_EQ(as_of_step_back({4, 1}), (AsOfDate{3, 31}));
    EXPECT_EQ(as_of_step_back({5, 1}), (AsOfDate{4, 30}));
    EXPECT_EQ(as_of_step_back({6, 1}), (AsOfDate{5, 31}));
    EXPECT_EQ(as_of_step_back({7, 1}), (AsOfDate{6, 30}));
    EXPECT_EQ(as_of_step_back({8, 1}), (AsOfDate{7, 31}));
    EXPECT_EQ(as_of_step_back({9, 1}), (AsOfDate{8, 31}));
    EXPECT_EQ(as_of_step_back({10, 1}), (AsOfDate{9, 30}));
    EXPECT_EQ(as_of_step_back({3, 2}), (AsOfDate{3, 1}));
    EXPECT_EQ(as_of_step_back({3, 1}), (AsOfDate{3, 1}));  // never before 1 March
    EXPECT_EQ(as_of_step_back({2, 10}), (AsOfDate{2, 10}));
    EXPECT_EQ(as_of_step_back({4, 31}), (AsOfDate{4, 30}));
}

TEST(DateChooser, StepsForwardAcrossMonthEnds) {
    EXPECT_EQ(as_of_step_forward({4, 5}), (AsOfDate{4, 6}));
    EXPECT_EQ(as_of_step_forward({3, 31}), (AsOfDate{4, 1}));
    EXPECT_EQ(as_of_step_forward({4, 29}), (AsOfDate{4, 30}));
    EXPECT_EQ(as_of_step_forward({4, 30}), (AsOfDate{5, 1}));
    EXPECT_EQ(as_of_step_forward({5, 30}), (AsOfDate{5, 31}));
    EXPECT_EQ(as_of_step_forward({5, 31}), (AsOfDate{6, 1}));
    EXPECT_EQ(as_of_step_forward({6, 30}), (AsOfDate{7, 1}));
    EXPECT_EQ(as_of_step_forward({7, 31}), (AsOfDate{8, 1}));
    EXPECT_EQ(as_of_step_forward({8, 31}), (AsOfDate{9, 1}));
    EXPECT_EQ(as_of_step_forward({9, 30}), (AsOfDate{10, 1}));
    EXPECT_EQ(as_of_step_forward({10, 30}), (AsOfDate{10, 31}));
    EXPECT_EQ(as_of_step_forward({10, 31}), (AsOfDate{10, 31}));  // never past 31 October
    EXPECT_EQ(as_of_step_forward({11, 3}), (AsOfDate{11, 3}));
    EXPECT_EQ(as_of_step_forward({4, 31}), (AsOfDate{5, 1}));  // 31 April reached by a month button
}

TEST(DateChooser, DayThirtyOneIsRefusedInShortMonths) {
    for (int month : {4, 6, 9}) {
        EXPECT_EQ(as_of_pick_day({month, 3}, 31), std::nullopt) << month;
        EXPECT_EQ(as_of_pick_day({month, 3}, 30), (AsOfDate{month, 30}));
        EXPECT_EQ(as_of_key({month, 3}, 31), std::nullopt);
    }
    for (int month : {3, 5, 7, 8, 10}) EXPECT_EQ(as_of_pick_day({month, 3}, 31), (AsOfDate{month, 31}));
    EXPECT_EQ(as_of_pick_month({5, 31}, 4), (AsOfDate{4, 31}));  // the month button keeps the day
}

TEST(DateChooser, KeypadButtons) {
    EXPECT_EQ(as_of_opening(), (AsOfDate{4, 1}));
    EXPECT_EQ(as_of_key({4, 1}, 0), (AsOfDate{3, 31}));   // "－"
    EXPECT_EQ(as_of_key({4, 30}, 32), (AsOfDate{5, 1}));  // "＋"
    EXPECT_EQ(as_of_key({4, 1}, 12), (AsOfDate{4, 12}));
    EXPECT_EQ(as_of_key({3, 1}, 0), (AsOfDate{3, 1}));    // at the limit the date stays
    EXPECT_EQ(as_of_key({4, 1}, 33), std::nullopt);
    EXPECT_EQ(as_of_key({4, 1}, -1), std::nullopt);
}

}  // namespace
}  // namespace tev
