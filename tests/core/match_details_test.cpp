#include <gtest/gtest.h>

#include <memory>

#include "core/stats/detail_lines.h"
#include "core/stats/head_to_head_report.h"
#include "core/stats/match_details.h"
#include "core/stats/score_list.h"
#include "core/stats/standings_as_of.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

// 巨人 and 広島: meeting 1 at 巨人 (visitor 広島 wins 3-2 with a save), meeting 2 at 広島 (巨人
// wins 5-1), meeting 12 at 巨人 only (a 0-0 draw), meeting 4 at 広島 on 6 April (巨人 loses 2-3).
// ヤクルト beats 横浜 3-2 on 5 April; 西武 and 近鉄 draw 0-0.
std::unique_ptr<Season> detail_season() {
    auto season = std::make_unique<Season>();
    Season& s = *season;
    add_game(s, {.first = 5, .second = 1, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 2,
                 .first_pitcher = U"佐々岡", .second_pitcher = U"斎藤", .save = U"大野"});
    add_game(s, {.first = 1, .second = 5, .meet = 2, .first_runs = 5, .second_runs = 1, .month = 4, .day = 3,
                 .first_pitcher = U"ｶﾞﾙﾍﾞｽｼﾞｭﾆ", .second_pitcher = U"北別府"});
    add_game(s, {.first = 5, .second = 1, .meet = 12, .first_runs = 0, .second_runs = 0, .month = 7, .day = 21});
    add_game(s, {.first = 1, .second = 5, .meet = 4, .first_runs = 2, .second_runs = 3, .month = 4, .day = 6,
                 .first_pitcher = U"槙原", .second_pitcher = U"山本"});
    add_game(s, {.first = 2, .second = 3, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 5,
                 .first_pitcher = U"高津", .second_pitcher = U"盛田"});
    add_game(s, {.first = 8, .second = 9, .meet = 1, .first_runs = 0, .second_runs = 0, .month = 4, .day = 5});
    return season;
}

TEST(StandingsClick, OnlyClubLinesOpenADetail) {
    const auto season = detail_season();
    const LeagueTable central = build_standings(*season, 1, 6), pacific = build_standings(*season, 7, 12);
    EXPECT_EQ(standings_line_club(1, central, pacific), std::nullopt);
    EXPECT_EQ(standings_line_club(8, central, pacific), std::nullopt);  // between the leagues
    EXPECT_EQ(standings_line_club(15, central, pacific), std::nullopt);
    EXPECT_EQ(standings_line_club(2, central, pacific), row_club(central[0]));
    EXPECT_EQ(standings_line_club(9, central, pacific), row_club(pacific[0]) + 6);
    EXPECT_EQ(standings_line_club(14, central, pacific), row_club(pacific[5]) + 6);
}

TEST(ClubGameListAsOf, KeepsTheGamesUpToTheDay) {
    const auto season = detail_season();
    EXPECT_TRUE(matches_golden("match_details/giants_april_5.txt", club_game_lines_as_of(*season, 1, {4, 5})));
    const auto to_6 = club_game_lines_as_of(*season, 1, {4, 6});
    EXPECT_EQ(to_6.size(), 4u);  // the 6 April game joins
    EXPECT_EQ(club_game_lines_as_of(*season, 1, {10, 31}), club_game_lines(*season, 1));
    EXPECT_EQ(club_game_lines_as_of(*season, 1, {4, 1}), std::vector<Text>{kCloseLine});
}

TEST(ClubGameListAsOf, TheClickOnAClubLine) {
    const auto season = detail_season();
    const AsOfDate date{4, 5};
    const LeagueTable central = build_standings_as_of(*season, 1, 6, date), pacific = build_standings_as_of(*season, 7, 12, date);
    EXPECT_EQ(as_of_line_click(*season, 1, central, pacific, date), std::nullopt);  // the title line
    EXPECT_EQ(as_of_line_click(*season, 8, central, pacific, date), std::nullopt);
    const int first_club = row_club(central[0]);
    EXPECT_EQ(as_of_line_click(*season, 2, central, pacific, date), club_game_lines_as_of(*season, first_club, date));
    const auto pacific_first = as_of_line_click(*season, 9, central, pacific, date);
    ASSERT_TRUE(pacific_first);
    EXPECT_EQ(*pacific_first, club_game_lines_as_of(*season, row_club(pacific[0]) + 6, date));
}

TEST(MeetingStatusClick, TheBlockGivesTheClubAndTheLineTheRival) {
    const auto season = detail_season();
    const auto lines = meeting_status_report(*season, 0).lines;
    EXPECT_EQ(meeting_status_click(1, lines), std::nullopt);  // heading
    EXPECT_EQ(meeting_status_click(2, lines), (MeetingPick{1, 2}));
    EXPECT_EQ(meeting_status_click(5, lines), (MeetingPick{1, 5}));
    EXPECT_EQ(meeting_status_click(6, lines), (MeetingPick{1, 6}));
    EXPECT_EQ(meeting_status_click(7, lines), std::nullopt);  // empty line
    EXPECT_EQ(meeting_status_click(8, lines), std::nullopt);
    EXPECT_EQ(meeting_status_click(9, lines), (MeetingPick{2, 1}));
    EXPECT_EQ(meeting_status_click(13, lines), (MeetingPick{2, 6}));
    EXPECT_EQ(meeting_status_click(44, lines), (MeetingPick{7, 8}));
    EXPECT_EQ(meeting_status_click(83, lines), (MeetingPick{12, 11}));
    EXPECT_EQ(meeting_status_click(84, lines), std::nullopt);
    EXPECT_EQ(meeting_status_click(85, lines), std::nullopt);
    EXPECT_EQ(meeting_status_click(0, lines), std::nullopt);
}

TEST(MeetingDetail, EveryMeetingInMeetingOrderFromTheClubsSide) {
    const auto season = detail_season();
    const auto giants = meeting_detail_lines(*season, 1, 5);
    EXPECT_EQ(giants.front(), U"       巨　人　　VS　　広　島　　　　対戦詳細一覧");
    EXPECT_EQ(giants.back(), kCloseLine);
    EXPECT_TRUE(matches_golden("match_details/meeting_giants_hiroshima.txt", giants));
    EXPECT_TRUE(matches_golden("match_details/meeting_hiroshima_giants.txt", meeting_detail_lines(*season, 5, 1)));
    EXPECT_EQ(meeting_detail_lines(*season, 2, 4),
              (std::vector<Text>{U"       ヤクルト　VS　　阪　神　　　　対戦詳細一覧", kCloseLine}));
}

TEST(ScoreDetail, BothOrientationsOfTheScore) {
    const auto season = detail_season();
    const ScoreList score_list = build_score_list(*season);
    ASSERT_EQ(score_list[0].substr(0, 6), U" 3 - 2");
    ASSERT_EQ(score_list[1].substr(0, 6), U" 0 - 0");
    EXPECT_TRUE(matches_golden("match_details/score_3_2.txt", score_detail_lines(*season, score_list[0])));
    EXPECT_TRUE(matches_golden("match_details/score_0_0.txt", score_detail_lines(*season, score_list[1])));
}

}  // namespace
}  // namespace tev
