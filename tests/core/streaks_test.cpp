#include <gtest/gtest.h>

#include <memory>

#include "core/stats/streaks.h"
#include "core/stats/streaks_report.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

// One game of `team` against `rival` from `team`'s side: won 3-1, lost 1-3 or drawn 2-2;
// `team` bats first when `team_first`.
void result(Season& season, int team, int rival, int meet, char32_t mark, int month, int day, bool team_first) {
    const int own = mark == U'○' ? 3 : (mark == U'●' ? 1 : 2);
    const int other = mark == U'○' ? 1 : (mark == U'●' ? 3 : 2);
    if (team_first)
        add_game(season, {.first = team, .second = rival, .meet = meet, .first_runs = own, .second_runs = other,
                          .month = month, .day = day});
    else
        add_game(season, {.first = rival, .second = team, .meet = meet, .first_runs = other, .second_runs = own,
                          .month = month, .day = day});
}

// 巨人, filed with meeting numbers against the date order and from both sides:
//   4/1 ○  4/2 △  4/3 ○  4/4 ●  4/5 ●  4/6 ○  4/7 ○  4/8 ●  4/12 ○  5/1 ○  10/1 ○
// winning streaks 2 (over the draw), 2 and 3 (running at the end); losing streaks 2 and 1.
// 中日 plays nobody.
// オリックス: ○x5 ● ○x3 ● ○ ● ○x4 ● ○x2 ●: lengths 5, 3, 1, then 4 pushes 1 out, 2 is dropped.
std::unique_ptr<Season> streak_season() {
    auto season = std::make_unique<Season>();
    Season& s = *season;
    struct Game {
        int rival, meet;
        char32_t mark;
        int month, day;
    };
    const Game giants[] = {{2, 9, U'○', 4, 1}, {3, 9, U'△', 4, 2}, {4, 9, U'○', 4, 3}, {5, 9, U'●', 4, 4},
                           {5, 8, U'●', 4, 5}, {2, 8, U'○', 4, 6}, {3, 8, U'○', 4, 7}, {4, 8, U'●', 4, 8},
                           {5, 7, U'○', 4, 12}, {3, 7, U'○', 5, 1}, {2, 7, U'○', 10, 1}};
    bool first = false;
    for (const Game& g : giants) result(s, 1, g.rival, g.meet, g.mark, g.month, g.day, first = !first);
    const Text orix = U"○○○○○●○○○●○●○○○○●○○●";
    int meet[13] = {};
    for (std::size_t k = 0; k < orix.size(); ++k) {
        const int rival = 8 + static_cast<int>(k % 5);
        result(s, 7, rival, ++meet[rival], orix[k], 4, static_cast<int>(k) + 1, k % 2 == 0);
    }
    return season;
}

TEST(Streaks, ResultSequencesAreInDateOrder) {
    const auto season = streak_season();
    EXPECT_EQ(result_sequence(*season, 1), U"○△○●●○○●○○○");
    EXPECT_EQ(result_sequence(*season, 7), U"○○○○○●○○○●○●○○○○●○○●");
    EXPECT_EQ(result_sequence(*season, 6), U"");
    EXPECT_EQ(result_sequence(*season, 2), U"●●●");  // 4/1, 4/6, 10/1 against 巨人
}

TEST(Streaks, GamesOfOneDateFollowTheMarksTextOrder) {
    Season season;
    add_game(season, {.first = 3, .second = 4, .meet = 1, .first_runs = 1, .second_runs = 2, .month = 6, .day = 1});
    add_game(season, {.first = 3, .second = 4, .meet = 2, .first_runs = 5, .second_runs = 2, .month = 6, .day = 1});
    add_game(season, {.first = 4, .second = 3, .meet = 3, .first_runs = 0, .second_runs = 0, .month = 6, .day = 1});
    add_game(season, {.first = 4, .second = 3, .meet = 4, .first_runs = 0, .second_runs = 9, .month = 5, .day = 31});
    EXPECT_EQ(result_sequence(season, 3), U"○△○●");
}

TEST(Streaks, WinDrawWinIsAStreakOfTwoAndARunningStreakCounts) {
    const auto season = streak_season();
    const Streaks streaks = build_streaks(*season);
    EXPECT_EQ(streak_entry_text(streaks.win_streaks[1][0]), U" 3- 1");
    EXPECT_EQ(streak_entry_text(streaks.win_streaks[1][1]), U" 2- 2");
    EXPECT_EQ(streak_entry_text(streaks.win_streaks[1][2]), U"  -  ");
    EXPECT_EQ(streak_entry_text(streaks.lose_streaks[1][0]), U" 2- 1");
    EXPECT_EQ(streak_entry_text(streaks.lose_streaks[1][1]), U" 1- 1");
    EXPECT_EQ(streaks.win_streaks[6][0].length, 0);
}

TEST(Streaks, AFourthLengthReplacesTheThirdOnlyWhenLonger) {
    StreakRanks ranks{};
    for (int n : {5, 3, 1}) offer_streak(ranks, n);
    EXPECT_EQ(ranks[2].length, 1);
    offer_streak(ranks, 4);
    EXPECT_EQ(ranks[0].length, 5);
    EXPECT_EQ(ranks[1].length, 4);
    EXPECT_EQ(ranks[2].length, 3);
    offer_streak(ranks, 2);
    offer_streak(ranks, 0);
    EXPECT_EQ(ranks[2].length, 3);
    EXPECT_EQ(ranks[2].count, 1);
    offer_streak(ranks, 3);
    offer_streak(ranks, 6);
    EXPECT_EQ(streak_entry_text(ranks[0]), U" 6- 1");
    EXPECT_EQ(streak_entry_text(ranks[1]), U" 5- 1");
    EXPECT_EQ(streak_entry_text(ranks[2]), U" 4- 1");  // 3 (counted twice) fell out
}

TEST(Streaks, EqualLengthsRaiseTheCount) {
    const StreakRanks ranks = streak_ranks(U"○○●○○△○●○○", U'○');
    EXPECT_EQ(ranks[0].length, 3);
    EXPECT_EQ(ranks[0].count, 1);
    EXPECT_EQ(ranks[1].length, 2);
    EXPECT_EQ(ranks[1].count, 2);
    EXPECT_EQ(ranks[2].length, 0);
}

TEST(StreaksReport, FourLinesPerTeam) {
    const auto season = streak_season();
    const auto pane = streaks_report(build_streaks(*season));
    EXPECT_EQ(pane.status, U"");
    EXPECT_EQ(pane.caption, U"\r\n　　　　　　　　両リーグ　連 勝、連 敗 一 覧");
    ASSERT_EQ(pane.lines.size(), 48u);
    EXPECT_TRUE(matches_golden("streaks/report.txt", pane.lines));
}

}  // namespace
}  // namespace tev
