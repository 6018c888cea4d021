#include <gtest/gtest.h>

#include <memory>

#include "core/stats/inning_totals.h"
#include "core/stats/score_list.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

// Files `count` games ending `first_runs`-`second_runs` between `first` and `second`, from
// meeting `*meet` on.
void games(Season& season, int count, int first, int second, int first_runs, int second_runs, int& meet) {
    for (int k = 0; k < count; ++k)
        add_game(season, {.first = first, .second = second, .meet = meet++, .first_runs = first_runs,
                          .second_runs = second_runs});
}

// Scores: 3-2 four times (either side winning, three Central games and one Pacific), then three
// scores twice each, to be listed in (higher, lower) order: 0-0 (Pacific draws), 2-1 (one game
// per league), 5-4 (Central); and 10-0 once (the visitor losing).
std::unique_ptr<Season> score_season() {
    auto season = std::make_unique<Season>();
    Season& s = *season;
    int meet = 1;
    games(s, 2, 1, 2, 3, 2, meet);
    games(s, 1, 2, 1, 2, 3, meet);
    meet = 1;
    games(s, 1, 7, 8, 2, 3, meet);
    meet = 1;
    games(s, 2, 3, 4, 5, 4, meet);
    meet = 1;
    games(s, 1, 9, 10, 1, 2, meet);
    meet = 1;
    games(s, 1, 5, 6, 2, 1, meet);
    games(s, 1, 6, 5, 0, 10, meet);
    meet = 1;
    games(s, 2, 11, 12, 0, 0, meet);
    return season;
}

TEST(ScoreList, EntriesInOrderOfCountThenScore) {
    const auto season = score_season();
    const ScoreList score_list = build_score_list(*season);
    ASSERT_EQ(score_list_size(score_list), 5);
    EXPECT_EQ(score_list[0], U" 3 - 2    4 回      3 回     1 回");
    EXPECT_EQ(score_list[1], U" 0 - 0    2 回      0 回     2 回");  // a 0-0 draw
    EXPECT_EQ(score_list[2], U" 2 - 1    2 回      1 回     1 回");  // equal counts: 2-1 before 5-4
    EXPECT_EQ(score_list[3], U" 5 - 4    2 回      2 回     0 回");
    EXPECT_EQ(score_list[4], U"10 - 0    1 回      1 回     0 回");
    for (int e = 0; e < 5; ++e) EXPECT_EQ(score_list[e].size(), 30u);
    for (int e = 5; e < kScoreListEntries; ++e) EXPECT_TRUE(score_list[e].empty());
}

TEST(ScoreList, TheSpecimenEntry) {
    Season season;
    int central = 1, pacific = 1;
    games(season, 14, 1, 2, 3, 2, central);
    games(season, 11, 7, 8, 2, 3, pacific);
    EXPECT_EQ(build_score_list(season)[0], U" 3 - 2   25 回     14 回    11 回");
}

TEST(ScoreList, AtMost150ScoresAreKept) {
    // 156 distinct scores, each once, filed against 中日 by the five other Central clubs and the
    // last six against ダイエー by オリックス.
    Season season;
    int stored = 0;
    for (int high = 0; stored < 156; ++high)
        for (int low = 0; low <= high && stored < 156; ++low, ++stored) {
            const int pair = stored / kMeetings;
            add_game(season, {.first = pair < 5 ? pair + 1 : 7, .second = pair < 5 ? 6 : 12,
                              .meet = stored % kMeetings + 1, .first_runs = high, .second_runs = low});
        }
    const ScoreList score_list = build_score_list(season);
    EXPECT_EQ(score_list_size(score_list), kScoreListEntries);
    EXPECT_EQ(score_list[0].substr(0, 6), U" 0 - 0");
    // Equal counts keep the order met: (0-0), (1-0), (1-1) ... the 150th is 16-13.
    EXPECT_EQ(score_list[149].substr(0, 6), U"16 -13");
}

TEST(ScoreListReport, RanksAndTotals) {
    const auto season = score_season();
    const auto pane = score_list_report(build_score_list(*season));
    EXPECT_EQ(pane.status, U"得点をクリックすると詳細が表示されます。");
    EXPECT_EQ(pane.caption, U"　　　　　　  　  　両リーグ得点一覧\r\n          得点    回 数　 　セリーグ  パリーグ");
    ASSERT_EQ(pane.lines.size(), 6u);
    EXPECT_TRUE(matches_golden("score_list/report.txt", pane.lines));
}

TEST(ScoreListReport, AnEmptyList) {
    const auto pane = score_list_report(ScoreList{});
    ASSERT_EQ(pane.lines.size(), 1u);
    EXPECT_EQ(pane.lines[0], U"合　　計 " + Text(U"     ") + U"  0 回      0 回     0 回");
}

TEST(ScoreListReport, ClickedLinesMapToEntries) {
    const auto season = score_season();
    const ScoreList score_list = build_score_list(*season);
    EXPECT_EQ(score_line_click(1, score_list), 1);
    EXPECT_EQ(score_line_click(5, score_list), 5);
    EXPECT_EQ(score_line_click(6, score_list), std::nullopt);  // the totals line
    EXPECT_EQ(score_line_click(0, score_list), std::nullopt);
}

TEST(InningTotals, EachHalfInningAddsToItsClub) {
    Season season;
    GameFields g;
    g.first_runs = 4;
    g.second_runs = 3;
    g.first_innings = U" 1 0 2 0 0 0 0 0 1";
    g.second_innings = U" 0 0 0 3 0 0 0 0 X";
    g.year = U"1996";
    g.month = 4;
    g.day = 5;
    season.game_at(3, 5, 1) = format_game(g);  // 横浜 at 広島
    g.first_innings = U" 0 0 0 0 0 0 0 0 0 0 0 2";
    g.second_innings = U" 1 0 0 0 0 0 0 0 0 0 0 0";
    season.game_at(5, 3, 2) = format_game(g);  // 広島 at 横浜, twelve innings
    const InningTotals totals = build_inning_totals(season);
    EXPECT_EQ(totals.runs_batting_first(3, 1), 1);
    EXPECT_EQ(totals.runs_batting_first(3, 3), 2);
    EXPECT_EQ(totals.runs_batting_first(3, 9), 1);
    EXPECT_EQ(totals.runs_batting_second(5, 4), 3);
    EXPECT_EQ(totals.runs_batting_second(5, 9), 0);  // " X" adds nothing
    EXPECT_EQ(totals.runs_batting_first(5, 12), 2);
    EXPECT_EQ(totals.runs_batting_second(3, 1), 1);
    EXPECT_EQ(inning_title(5), U"広島各回得点");
    EXPECT_EQ(inning_title(8), U"西  武各回得点");
    EXPECT_EQ(inning_boxes(totals, 3, true),
              (std::vector<Text>{U"1", U"0", U"2", U"0", U"0", U"0", U"0", U"0", U"1", U"0", U"0", U"0", U"0", U"0", U"0"}));
    EXPECT_EQ(inning_boxes(totals, 5, true)[11], U"2");
    EXPECT_EQ(inning_boxes(totals, 5, false)[3], U"3");
}

}  // namespace
}  // namespace tev
