#include <gtest/gtest.h>

#include <memory>

#include "core/stats/head_to_head_report.h"
#include "core/stats/standings.h"
#include "core/stats/tallies.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

// A caption's lines (they are joined by CR LF).
std::vector<Text> caption_lines(const Text& caption) {
    std::vector<Text> lines{Text()};
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption.compare(i, 2, U"\r\n") == 0) {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += caption[i];
        }
    }
    return lines;
}

// The season of the grid and meeting-status goldens:
//   巨人 beats ヤクルト three times (once at home), draws twice with 横浜, never meets 阪神;
//   阪神 and 広島 are stored only as meetings 12 (阪神 wins) and 30 (広島 wins at home 3-1);
//   中日 against ヤクルト 2-1-1; オリックス against 西武 one win; 近鉄 and 日本ハム one draw.
std::unique_ptr<Season> grid_season() {
    auto season = std::make_unique<Season>();
    Season& s = *season;
    add_game(s, {.first = 1, .second = 2, .meet = 1, .first_runs = 5, .second_runs = 3});
    add_game(s, {.first = 2, .second = 1, .meet = 2, .first_runs = 0, .second_runs = 4});
    add_game(s, {.first = 1, .second = 2, .meet = 3, .first_runs = 12, .second_runs = 2});
    add_game(s, {.first = 1, .second = 3, .meet = 1, .first_runs = 2, .second_runs = 2});
    add_game(s, {.first = 3, .second = 1, .meet = 2, .first_runs = 0, .second_runs = 0});
    add_game(s, {.first = 4, .second = 5, .meet = 12, .first_runs = 6, .second_runs = 1});
    add_game(s, {.first = 4, .second = 5, .meet = 30, .first_runs = 1, .second_runs = 3});
    add_game(s, {.first = 6, .second = 2, .meet = 1, .first_runs = 3, .second_runs = 1});
    add_game(s, {.first = 6, .second = 2, .meet = 2, .first_runs = 10, .second_runs = 9});
    add_game(s, {.first = 2, .second = 6, .meet = 3, .first_runs = 7, .second_runs = 0});
    add_game(s, {.first = 2, .second = 6, .meet = 4, .first_runs = 3, .second_runs = 3});
    add_game(s, {.first = 7, .second = 8, .meet = 1, .first_runs = 4, .second_runs = 2});
    add_game(s, {.first = 10, .second = 9, .meet = 1, .first_runs = 1, .second_runs = 1});
    return season;
}

TEST(Tallies, EveryGameCountsForBothClubsOfThePair) {
    const auto season = grid_season();
    const TeamTallies t = build_team_tallies(*season);
    const Tally giants_swallows = t.vs_tally(0, 1, 2);
    EXPECT_EQ(giants_swallows.wins, 3);
    EXPECT_EQ(giants_swallows.losses, 0);
    EXPECT_EQ(t.vs_tally(0, 2, 1).losses, 3);
    EXPECT_EQ(t.vs_tally(0, 1, 3).draws, 2);
    EXPECT_EQ(t.vs_tally(0, 3, 1).draws, 2);
    EXPECT_FALSE(t.vs_tally(0, 1, 4).played());
    EXPECT_FALSE(t.vs_tally(0, 1, 1).played());
    EXPECT_EQ(t.vs_tally(1, 4, 3).draws, 1);  // 日本ハム against 近鉄
}

TEST(Tallies, CellsReadAsThePackedTextDid) {
    EXPECT_EQ(tally_cell({.wins = 5, .draws = 0, .losses = 3}), U" 5- 3-0");
    EXPECT_EQ(tally_cell({.wins = 0, .draws = 1, .losses = 0}), U" 0- 0-1");
    EXPECT_EQ(tally_cell({.wins = 9, .draws = 1, .losses = 12}), U" 9-12-1");
    EXPECT_EQ(tally_cell({}), U"       ");
}

TEST(Tallies, CountsWiderThanTheirFieldKeepEveryDigit) {
    EXPECT_EQ(right_num_uncut(5, 2), U" 5");
    EXPECT_EQ(right_num_uncut(12, 2), U"12");
    EXPECT_EQ(right_num_uncut(123, 2), U"123");
    EXPECT_EQ(right_num_uncut(0, 3), U"  0");
    EXPECT_EQ(tally_cell({.wins = 100, .draws = 0, .losses = 2}), U"100- 2-0");
}

TEST(Tallies, TwelveDrawsInAPairDoNotSpillIntoTheWins) {
    // Three wins and twelve draws: a packed tally (draws in one decimal digit) would read four
    // wins and two draws.
    Season season;
    for (int m = 1; m <= 12; ++m) add_game(season, {.first = 1, .second = 2, .meet = m, .first_runs = 1, .second_runs = 1});
    for (int m = 13; m <= 15; ++m) add_game(season, {.first = 1, .second = 2, .meet = m, .first_runs = 2, .second_runs = 1});
    const TeamTallies t = build_team_tallies(season);
    EXPECT_EQ(t.vs_tally(0, 1, 2).wins, 3);
    EXPECT_EQ(t.vs_tally(0, 1, 2).draws, 12);
    EXPECT_EQ(t.vs_tally(0, 2, 1).losses, 3);
    // The draws are shown whole; the cell widens by one character rather than lose a digit.
    EXPECT_EQ(tally_cell(t.vs_tally(0, 1, 2)), U" 3- 0-12");
    EXPECT_EQ(vs_pct_cell(t.vs_tally(0, 1, 2)), U"1.0000");
    EXPECT_EQ(vs_pct_cell(t.vs_tally(0, 2, 1)), U"0.0000");
}

TEST(Tallies, TwentyFiveWinsInAMonthDoNotOverflow) {
    // 巨人 wins 25 May games: a 16-bit packed tally (10010 + 25 x 1000) would wrap.
    Season season;
    int day = 1;
    for (int rival = 2; rival <= 6; ++rival)
        for (int m = 1; m <= 5; ++m)
            add_game(season, {.first = 1, .second = rival, .meet = m, .first_runs = 3, .second_runs = 0, .month = 5,
                              .day = day++ % 31 + 1});
    add_game(season, {.first = 2, .second = 1, .meet = 6, .first_runs = 3, .second_runs = 0, .month = 6, .day = 1});
    const TeamTallies t = build_team_tallies(season);
    EXPECT_EQ(t.month_tally(1, 5).wins, 25);
    EXPECT_EQ(t.month_tally(1, 5).losses, 0);
    EXPECT_EQ(t.month_tally(1, 5).draws, 0);
    EXPECT_EQ(tally_cell(t.month_tally(1, 5)), U"25- 0-0");
    EXPECT_EQ(t.month_tally(1, 6).losses, 1);  // the neighbouring month is untouched
    EXPECT_EQ(t.month_tally(1, 6).wins, 0);
    EXPECT_EQ(t.month_tally(2, 5).losses, 5);
    EXPECT_EQ(t.vs_tally(0, 1, 2).wins, 5);
}

TEST(Tallies, MarchJoinsAprilAndDatesOutsideTheSeasonStayOutOfTheMonths) {
    Season season;
    add_game(season, {.first = 1, .second = 2, .meet = 1, .first_runs = 3, .second_runs = 0, .month = 3, .day = 30});
    add_game(season, {.first = 1, .second = 2, .meet = 2, .first_runs = 3, .second_runs = 0, .month = 4, .day = 2});
    add_game(season, {.first = 1, .second = 2, .meet = 3, .first_runs = 0, .second_runs = 3, .month = 11, .day = 2});
    add_game(season, {.first = 1, .second = 2, .meet = 4, .first_runs = 0, .second_runs = 3, .month = 2, .day = 28});
    const TeamTallies t = build_team_tallies(season);
    EXPECT_EQ(month_column(3), 4);
    EXPECT_EQ(month_column(2), 0);
    EXPECT_EQ(month_column(11), 0);
    EXPECT_EQ(t.month_tally(1, 4).wins, 2);
    EXPECT_EQ(t.month_tally(2, 4).losses, 2);
    for (int team = 1; team <= 12; ++team)
        for (int column = 5; column <= 10; ++column) EXPECT_FALSE(t.month_tally(team, column).played());
    EXPECT_EQ(t.vs_tally(0, 1, 2).wins, 2);  // the head-to-head record keeps every game
    EXPECT_EQ(t.vs_tally(0, 1, 2).losses, 2);
}

TEST(HeadToHeadReport, PercentageCells) {
    EXPECT_EQ(vs_pct_cell({}), U"      ");
    EXPECT_EQ(vs_pct_cell({.wins = 0, .draws = 3, .losses = 0}), U"0.0000");
    EXPECT_EQ(vs_pct_cell({.wins = 4, .draws = 1, .losses = 0}), U"1.0000");
    EXPECT_EQ(vs_pct_cell({.wins = 0, .draws = 0, .losses = 4}), U"0.0000");
    EXPECT_EQ(vs_pct_cell({.wins = 1, .draws = 0, .losses = 13}), U"0.0714");
    EXPECT_EQ(vs_pct_cell({.wins = 2, .draws = 5, .losses = 1}), U"0.6666");
}

TEST(HeadToHeadReport, RecordGrid) {
    const auto season = grid_season();
    const auto pane = vs_record_report(build_team_tallies(*season), build_standings(*season, 1, 6),
                                       build_standings(*season, 7, 12), "1996", 0);
    EXPECT_EQ(pane.status, U"各チームの対戦カード別勝敗を表示中。");
    EXPECT_EQ(pane.caption, U"\r\n       　　       両リーグ 　対　戦　別　勝　敗　一　覧");
    ASSERT_EQ(pane.lines.size(), 15u);
    EXPECT_TRUE(matches_golden("head_to_head/record.txt", pane.lines));
}

TEST(HeadToHeadReport, PercentageGrid) {
    const auto season = grid_season();
    const auto pane = vs_pct_report(build_team_tallies(*season), build_standings(*season, 1, 6),
                                    build_standings(*season, 7, 12), "1996", 0);
    EXPECT_EQ(pane.status, U"各チームの対戦カード別勝率を表示中。");
    EXPECT_EQ(pane.caption, U"\r\n       　　       両リーグ 　対　戦　別　勝　率　一　覧");
    ASSERT_EQ(pane.lines.size(), 15u);
    EXPECT_TRUE(matches_golden("head_to_head/pct.txt", pane.lines));
}

TEST(HeadToHeadReport, GridHeadersForEachLayout) {
    std::vector<Text> lines;
    for (bool percentages : {false, true})
        for (int disp_size = 0; disp_size <= 2; ++disp_size)
            for (int league : {1, 2}) lines.push_back(vs_grid_header(league, disp_size, percentages));
    EXPECT_TRUE(matches_golden("head_to_head/grid_headers.txt", lines));
    // The reports put them first in each league's block.
    Season season;
    const TeamTallies t = build_team_tallies(season);
    const LeagueTable c = build_standings(season, 1, 6), p = build_standings(season, 7, 12);
    for (int disp_size = 0; disp_size <= 2; ++disp_size) {
        const auto record = vs_record_report(t, c, p, "1996", disp_size).lines;
        const auto pct = vs_pct_report(t, c, p, "1996", disp_size).lines;
        EXPECT_EQ(record[0], vs_grid_header(1, disp_size, false));
        EXPECT_EQ(record[8], vs_grid_header(2, disp_size, false));
        EXPECT_EQ(pct[0], vs_grid_header(1, disp_size, true));
        EXPECT_EQ(pct[8], vs_grid_header(2, disp_size, true));
    }
    // Only the Pacific percentage header of layout 1 differs from the win-loss grid's.
    EXPECT_NE(vs_grid_header(2, 1, true), vs_grid_header(2, 1, false));
    EXPECT_EQ(vs_grid_header(1, 1, true), vs_grid_header(1, 1, false));
    EXPECT_EQ(vs_grid_header(2, 0, true), vs_grid_header(2, 0, false));
    EXPECT_EQ(vs_grid_header(2, 2, true), vs_grid_header(2, 2, false));
}

// Central: 巨人 7-3 (0.7000) and ヤクルト 8-4 (0.6666), the others without a decision.
std::unique_ptr<Season> wins_season(const std::string& year) {
    auto season = std::make_unique<Season>();
    season->disp_year = year;
    int meet = 1;
    for (int k = 0; k < 10; ++k)
        add_game(*season, {.first = 1, .second = 3, .meet = meet++, .first_runs = k < 7 ? 2 : 1, .second_runs = k < 7 ? 1 : 2});
    meet = 1;
    for (int k = 0; k < 12; ++k)
        add_game(*season, {.first = 2, .second = 4, .meet = meet++, .first_runs = k < 8 ? 2 : 1, .second_runs = k < 8 ? 1 : 2});
    return season;
}

TEST(HeadToHeadReport, RanksFollowTheStandingsAndThe2001Order) {
    for (const char* year : {"1996", "2001"}) {
        const auto season = wins_season(year);
        const auto ranks = club_ranks(build_standings(*season, 1, 6), wins_ranked_year(year));
        if (std::string(year) == "2001") {
            EXPECT_EQ(ranks[2], 1);  // ヤクルト: more wins
            EXPECT_EQ(ranks[1], 2);
        } else {
            EXPECT_EQ(ranks[1], 1);  // 巨人: higher percentage
            EXPECT_EQ(ranks[2], 2);
        }
        // 阪神 (4-8, 0.3333) and 横浜 (3-7, 0.3000) follow; 広島 and 中日 share the last rank.
        EXPECT_EQ(ranks[5], 5);
        EXPECT_EQ(ranks[6], 5);
    }
    const auto season = wins_season("2001");
    const auto lines = vs_record_report(build_team_tallies(*season), build_standings(*season, 1, 6),
                                        build_standings(*season, 7, 12), "2001", 0)
                           .lines;
    EXPECT_TRUE(matches_golden("head_to_head/record_2001.txt", lines));
}

TEST(MeetingStatus, MarksStandAtTheMeetingNumber) {
    const auto season = grid_season();
    for (int disp_size = 0; disp_size <= 2; ++disp_size) {
        const auto pane = meeting_status_report(*season, disp_size);
        EXPECT_EQ(pane.status, U"各チームの対戦状況一覧を表示中。");
        ASSERT_EQ(pane.lines.size(), 84u);
        EXPECT_TRUE(matches_golden("head_to_head/meeting_status_caption_" + std::to_string(disp_size) + ".txt",
                                   caption_lines(pane.caption)));
    }
    const auto lines = meeting_status_report(*season, 0).lines;
    EXPECT_TRUE(matches_golden("head_to_head/meeting_status.txt", lines));
    // 阪神's string against 広島 (line 4 of its block) holds marks at 12 and 30 only.
    const Text& hanshin_hiroshima = lines[3 * 7 + 4];
    EXPECT_EQ(hanshin_hiroshima.substr(0, 6), U"広　島　　〕");
    const Text marks = hanshin_hiroshima.substr(6);
    ASSERT_EQ(marks.size(), 61u);
    EXPECT_EQ(marks[11], U'○');
    EXPECT_EQ(marks[29], U'●');
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (i == 11 || i == 29) continue;
        EXPECT_EQ(marks[i], i == 57 ? U' ' : U'　') << i;
    }
}

TEST(MeetingStatus, TheEmptyMarkStringAndHeading) {
    Season season;
    const auto lines = meeting_status_report(season, 0).lines;
    EXPECT_EQ(lines[0], U"【巨　人　　　ＶＳ　】");
    EXPECT_EQ(lines[1], U"ヤクルト　〕"
                        U"　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　 　　　");
    EXPECT_EQ(lines[6], U"");
    EXPECT_EQ(lines[7], U"【ヤクルト　　ＶＳ　】");
    EXPECT_EQ(lines[8].substr(0, 6), U"巨　人　　〕");  // the club itself is skipped
    EXPECT_EQ(lines[42], U"【オリックス　ＶＳ　】");
}

}  // namespace
}  // namespace tev
