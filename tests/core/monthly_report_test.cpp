#include <gtest/gtest.h>

#include <memory>

#include "core/stats/monthly_report.h"
#include "core/stats/tallies.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

// Files games with the next meeting number of their pair.
struct Schedule {
    Season& season;
    int meetings[13][13] = {};

    // `first` batting first against `second`, on month/day.
    void play(int first, int second, int first_runs, int second_runs, int month, int day) {
        const int meet = ++meetings[std::min(first, second)][std::max(first, second)];
        add_game(season, {.first = first, .second = second, .meet = meet, .first_runs = first_runs,
                          .second_runs = second_runs, .month = month, .day = day});
    }
    // `times` games of `first` against the rivals of its league in turn, all won (or all lost).
    void series(int team, int times, bool won, int month) {
        const int first = team <= 6 ? 1 : 7;
        int rival = first;
        for (int k = 0; k < times; ++k) {
            if (++rival > first + 5) rival = first;
            if (rival == team && ++rival > first + 5) rival = first;
            play(team, rival, won ? 4 : 1, won ? 1 : 4, month, k % 28 + 1);
        }
    }
};

// 巨人: a March win and an April loss in the first column, May only draws, nothing in June,
// July all wins, August 1-11 (0.0833), September 9-12-1, October 2-1.
// オリックス: one game in November, kept out of every column.
std::unique_ptr<Season> monthly_season() {
    auto season = std::make_unique<Season>();
    Schedule s{*season};
    s.play(1, 2, 5, 0, 3, 30);
    s.play(3, 1, 2, 1, 4, 2);
    s.play(1, 4, 3, 3, 5, 10);
    s.play(5, 1, 0, 0, 5, 11);
    s.series(1, 3, true, 7);
    s.series(1, 1, true, 8);
    s.series(1, 11, false, 8);
    s.series(1, 9, true, 9);
    s.series(1, 12, false, 9);
    s.play(1, 6, 2, 2, 9, 30);
    s.series(1, 2, true, 10);
    s.series(1, 1, false, 10);
    s.play(7, 8, 9, 2, 11, 2);
    return season;
}

TEST(MonthlyReport, PercentageCells) {
    EXPECT_EQ(month_pct_cell({}), U"       ");
    EXPECT_EQ(month_pct_cell({.wins = 0, .draws = 2, .losses = 0}), U"0.0000");
    EXPECT_EQ(month_pct_cell({.wins = 3, .draws = 0, .losses = 0}), U"1.0000");
    EXPECT_EQ(month_pct_cell({.wins = 0, .draws = 1, .losses = 3}), U"0.0000");
    EXPECT_EQ(month_pct_cell({.wins = 1, .draws = 0, .losses = 11}), U"0.0833");
    EXPECT_EQ(month_pct_cell({.wins = 2, .draws = 0, .losses = 1}), U"0.6666");
    EXPECT_EQ(month_pct_cell({.wins = 9, .draws = 1, .losses = 12}), U"0.4285");
    EXPECT_EQ(month_pct_cell({.wins = 1, .draws = 0, .losses = 1}), U"0.5000");
}

TEST(MonthlyReport, RecordsPerMonth) {
    const auto season = monthly_season();
    const TeamTallies tallies = build_team_tallies(*season);
    const Tally first_column = tallies.month_tally(1, 4);
    EXPECT_EQ(first_column.wins, 1);  // the March game
    EXPECT_EQ(first_column.losses, 1);
    const auto pane = monthly_record_report(tallies, 0);
    EXPECT_EQ(pane.status, U"各チームの月別勝敗一覧を表示中。");
    EXPECT_EQ(pane.caption, Text(U"            　　       両リーグ  月別勝敗一覧\r\n") + monthly_header(0));
    ASSERT_EQ(pane.lines.size(), 15u);
    EXPECT_TRUE(matches_golden("monthly/record.txt", pane.lines));
}

TEST(MonthlyReport, PercentagesPerMonth) {
    const auto season = monthly_season();
    const auto pane = monthly_pct_report(build_team_tallies(*season), 0);
    EXPECT_EQ(pane.status, U"各チームの月別率一覧を表示中。");
    EXPECT_EQ(pane.caption, Text(U"            　　       両リーグ  月別勝率一覧\r\n") + monthly_header(0));
    ASSERT_EQ(pane.lines.size(), 15u);
    EXPECT_TRUE(matches_golden("monthly/pct.txt", pane.lines));
}

TEST(MonthlyReport, HeadersForEachLayout) {
    EXPECT_TRUE(matches_golden("monthly/headers.txt",
                               std::vector<Text>{monthly_header(0), monthly_header(1), monthly_header(2)}));
    const TeamTallies empty{};
    for (int disp_size = 0; disp_size <= 2; ++disp_size) {
        EXPECT_TRUE(monthly_record_report(empty, disp_size).caption.ends_with(monthly_header(disp_size)));
        EXPECT_TRUE(monthly_pct_report(empty, disp_size).caption.ends_with(monthly_header(disp_size)));
    }
}

TEST(MonthlyReport, TwentyFiveWinsInAMonth) {
    Season season;
    Schedule s{season};
    s.series(12, 25, true, 6);
    const auto lines = monthly_record_report(build_team_tallies(season), 0).lines;
    // June is the third column: two empty cells of seven blanks with their separators before it.
    EXPECT_EQ(lines[14], U"ダイエー　" + Text(1 + 2 * (7 + 2), U' ') + U"25- 0-0" + Text(4 * (2 + 7), U' '));
    EXPECT_EQ(monthly_pct_report(build_team_tallies(season), 0).lines[14],
              U"ダイエー　" + Text(1 + 2 * (7 + 3), U' ') + U"1.0000" + Text(4 * (3 + 7), U' '));
}

}  // namespace
}  // namespace tev
