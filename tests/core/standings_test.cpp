#include <gtest/gtest.h>

#include <memory>

#include "core/stats/standings.h"
#include "core/stats/standings_report.h"
#include "season_gen.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

TEST(WinningPercentage, IsCutFromTheSinglePrecisionQuotient) {
    EXPECT_EQ(pct_text(15, 26), U"0.5769");  // 0.5769231
    EXPECT_EQ(pct_text(2, 3), U"0.6666");
    EXPECT_EQ(pct_text(1, 2), U"0.5000");
    EXPECT_EQ(pct_text(7, 12), U"0.5833");
    EXPECT_EQ(pct_text(1, 11), U"0.0909");
    EXPECT_EQ(pct_text(1, 140), U"0.0071");  // never an exponent form
    EXPECT_EQ(pct_text(75, 130), U"0.5769");
    EXPECT_EQ(pct_text(9, 9), U"1.0000");
    EXPECT_EQ(pct_text(0, 9), U"0.0000");
    EXPECT_EQ(pct_text(0, 0), U"0.0000");
    EXPECT_EQ(pct_text(3, -1), U"0.0000");
}

TEST(Standings, ARowHoldsEveryCountAtItsPosition) {
    Season season;
    // Club 2 (ヤクルト) at home to club 1 twice, club 1 at home once, a draw at club 3.
    add_game(season, {.first = 1, .second = 2, .meet = 1, .first_runs = 3, .second_runs = 5, .attendance = 30000});
    add_game(season, {.first = 1, .second = 2, .meet = 2, .first_runs = 12, .second_runs = 2, .attendance = 25000});
    add_game(season, {.first = 2, .second = 1, .meet = 3, .first_runs = 4, .second_runs = 1, .attendance = 41000});
    add_game(season, {.first = 2, .second = 3, .meet = 1, .first_runs = 0, .second_runs = 0, .attendance = 100});
    const LeagueTable table = build_standings(season, 1, 6);
    // ヤクルト: 4 games, 2-1-1, scored 5+2+4+0, allowed 3+12+1+0, home crowds 30000+25000.
    EXPECT_EQ(table[0], U" 2  4  2  1 1  11  16   550000.6666");
    EXPECT_EQ(table[1], U" 1  3  1  2 0  16  11   410000.3333");
    EXPECT_EQ(table[2], U" 3  1  0  0 1   0   0     1000.0000");
    EXPECT_EQ(table[3], U" 4  0  0  0 0   0   0       00.0000");
    for (const auto& row : table) EXPECT_EQ(row.size(), 35u);
    EXPECT_EQ(row_club(table[0]), 2);
    EXPECT_EQ(row_scored(table[0]), 11);
}

TEST(Standings, TheSpecimenRowOfAFullSeason) {
    // ヤクルト at home all season: 130 games, 75-55, 600 scored, 520 allowed, 2,500,000 at home.
    Season season;
    const int rivals[5] = {1, 3, 4, 5, 6};
    for (int g = 0; g < 130; ++g) {
        int scored = 1, allowed = 3;  // 55 losses: 55 scored, 165 allowed
        if (g < 70) scored = 7, allowed = 5;        // 490 - 350
        else if (g < 75) scored = 11, allowed = 1;  // 55 - 5
        add_game(season, {.first = rivals[g % 5], .second = 2, .meet = g / 5 + 1, .first_runs = allowed,
                          .second_runs = scored, .attendance = g < 100 ? 25000 : 0});
    }
    const LeagueTable table = build_standings(season, 1, 6);
    EXPECT_EQ(table[0], U" 2130 75 55 0 600 520 25000000.5769");
}

TEST(Standings, EqualPercentagesKeepClubOrder) {
    Season season;
    add_game(season, {.first = 6, .second = 5, .meet = 1, .first_runs = 2, .second_runs = 1});  // 中日 beats 広島
    add_game(season, {.first = 4, .second = 3, .meet = 1, .first_runs = 2, .second_runs = 1});  // 阪神 beats 横浜
    const LeagueTable table = build_standings(season, 1, 6);
    std::vector<int> order;
    for (const auto& row : table) order.push_back(row_club(row));
    // 1.0000: 阪神, 中日 in club order; 0.0000 with no decision: 巨人, ヤクルト; then the losers.
    EXPECT_EQ(order, (std::vector<int>{4, 6, 1, 2, 3, 5}));
}

// Central 2001: 巨人 7-3 (0.7000), ヤクルト 8-4 (0.6666): ranked by wins in 2001 only.
Season season_2001(const std::string& year) {
    Season season;
    season.disp_year = year;
    int meet = 1;
    for (int k = 0; k < 7; ++k) add_game(season, {.first = 1, .second = 3, .meet = meet++, .first_runs = 2, .second_runs = 1});
    for (int k = 0; k < 3; ++k) add_game(season, {.first = 1, .second = 3, .meet = meet++, .first_runs = 1, .second_runs = 2});
    meet = 1;
    for (int k = 0; k < 8; ++k) add_game(season, {.first = 2, .second = 4, .meet = meet++, .first_runs = 2, .second_runs = 1});
    for (int k = 0; k < 4; ++k) add_game(season, {.first = 2, .second = 4, .meet = meet++, .first_runs = 1, .second_runs = 2});
    // Pacific: オリックス 7-3, 西武 8-4 stay in percentage order even in 2001.
    meet = 1;
    for (int k = 0; k < 7; ++k) add_game(season, {.first = 7, .second = 9, .meet = meet++, .first_runs = 2, .second_runs = 1});
    for (int k = 0; k < 3; ++k) add_game(season, {.first = 7, .second = 9, .meet = meet++, .first_runs = 1, .second_runs = 2});
    meet = 1;
    for (int k = 0; k < 8; ++k) add_game(season, {.first = 8, .second = 10, .meet = meet++, .first_runs = 2, .second_runs = 1});
    for (int k = 0; k < 4; ++k) add_game(season, {.first = 8, .second = 10, .meet = meet++, .first_runs = 1, .second_runs = 2});
    return season;
}

TEST(Standings, TheCentralLeagueOf2001IsOrderedByWins) {
    const Season y2001 = season_2001("2001");
    EXPECT_EQ(row_club(build_standings(y2001, 1, 6)[0]), 2);
    EXPECT_EQ(row_club(build_standings(y2001, 1, 6)[1]), 1);
    EXPECT_EQ(row_club(build_standings(y2001, 7, 12)[0]), 1);  // Pacific: percentage
    const Season y2000 = season_2001("2000");
    EXPECT_EQ(row_club(build_standings(y2000, 1, 6)[0]), 1);
}

TEST(StandingsReport, AveragesAreCutToTwoDecimals) {
    EXPECT_EQ(average_cell(520, 130), U" 4.00");
    EXPECT_EQ(average_cell(585, 130), U" 4.50");
    EXPECT_EQ(average_cell(536, 130), U" 4.12");
    EXPECT_EQ(average_cell(21, 2), U" 10.5");
    EXPECT_EQ(average_cell(20, 2), U" 10.0");
    EXPECT_EQ(average_cell(0, 5), U" 0.00");
    EXPECT_EQ(average_cell(0, 0), U"  0.00");
}

TEST(StandingsReport, TiesShareARankAndLeaveAGap) {
    LeagueTable t;
    const Text pcts[6] = {U"0.6000", U"0.5500", U"0.5500", U"0.5500", U"0.5000", U"0.5000"};
    for (int i = 0; i < 6; ++i) t[i] = right_num(i + 1, 2) + Text(27, U' ') + pcts[i];
    EXPECT_EQ(standings_ranks(t, false), (std::array<int, 6>{1, 2, 2, 2, 5, 5}));
}

TEST(StandingsReport, HeadersForEachLayout) {
    EXPECT_EQ(standings_title(), U"            　　         両リーグ成績一覧");
    EXPECT_TRUE(matches_golden("standings/headers.txt",
                               std::vector<Text>{standings_header(0), standings_header(1), standings_header(2)}));
}

TEST(StandingsReport, AnEmptySeason) {
    Season season;
    const auto lines = standings_lines(build_standings(season, 1, 6), build_standings(season, 7, 12), "1996");
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_TRUE(matches_golden("standings/empty.txt", lines));
}

TEST(StandingsReport, AClubWithoutGamesIsAsWideAsOneWithGames) {
    Season season;
    add_game(season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2});
    const auto lines = standings_lines(build_standings(season, 1, 6), build_standings(season, 7, 12), "1996");
    // Lines 1..6 hold the Central clubs: two with a game, four without.
    for (int p = 2; p <= 6; ++p) EXPECT_EQ(lines[p].size(), lines[1].size()) << to_utf8(lines[p]);
    EXPECT_NE(lines[3].find(U"  0.00  0.00"), Text::npos) << to_utf8(lines[3]);
}

TEST(StandingsReport, TiesDrawsAndExtremes) {
    Season season;
    int meet[13][13] = {};
    auto play = [&](int a, int b, int ra, int rb) {
        add_game(season, {.first = a, .second = b, .meet = ++meet[a][b] + meet[b][a], .first_runs = ra,
                          .second_runs = rb, .attendance = 20000 + 1000 * a});
    };
    // Central: 巨人 wins all (1.0000); ヤクルト and 横浜 2-1 each (0.6666, shared rank);
    // 阪神 only draws; 広島 and 中日 lose heavily (negative run difference, one win in 140 style).
    play(1, 5, 10, 0);
    play(1, 6, 11, 1);
    play(2, 5, 3, 2);
    play(2, 6, 4, 1);
    play(2, 1, 0, 9);
    play(3, 5, 2, 1);
    play(3, 6, 5, 0);
    play(1, 3, 6, 3);
    play(4, 5, 2, 2);
    play(6, 4, 0, 0);
    // Pacific: draws only for everyone but one pair.
    play(7, 8, 1, 1);
    play(9, 10, 0, 0);
    play(11, 12, 30, 1);
    const auto lines = standings_lines(build_standings(season, 1, 6), build_standings(season, 7, 12), "1996");
    EXPECT_TRUE(matches_golden("standings/ties.txt", lines));
}

TEST(StandingsReport, The2001CentralTieNeedsEqualWins) {
    Season season;
    season.disp_year = "2001";
    // 巨人 2-1 and ヤクルト 4-2: equal 0.6666, different wins: not tied in 2001.
    // オリックス 2-1 and 西武 4-2 in the Pacific share a rank.
    int m = 1;
    add_game(season, {.first = 1, .second = 3, .meet = m++, .first_runs = 1, .second_runs = 0});
    add_game(season, {.first = 1, .second = 3, .meet = m++, .first_runs = 1, .second_runs = 0});
    add_game(season, {.first = 1, .second = 3, .meet = m++, .first_runs = 0, .second_runs = 1});
    m = 1;
    for (int k = 0; k < 4; ++k) add_game(season, {.first = 2, .second = 4, .meet = m++, .first_runs = 1, .second_runs = 0});
    for (int k = 0; k < 2; ++k) add_game(season, {.first = 2, .second = 4, .meet = m++, .first_runs = 0, .second_runs = 1});
    m = 1;
    add_game(season, {.first = 7, .second = 9, .meet = m++, .first_runs = 1, .second_runs = 0});
    add_game(season, {.first = 7, .second = 9, .meet = m++, .first_runs = 1, .second_runs = 0});
    add_game(season, {.first = 7, .second = 9, .meet = m++, .first_runs = 0, .second_runs = 1});
    m = 1;
    for (int k = 0; k < 4; ++k) add_game(season, {.first = 8, .second = 10, .meet = m++, .first_runs = 1, .second_runs = 0});
    for (int k = 0; k < 2; ++k) add_game(season, {.first = 8, .second = 10, .meet = m++, .first_runs = 0, .second_runs = 1});
    const auto lines = standings_lines(build_standings(season, 1, 6), build_standings(season, 7, 12), "2001");
    EXPECT_TRUE(matches_golden("standings/2001.txt", lines));
}

TEST(StandingsProperties, EveryGameCountsForBothClubs) {
    auto season = std::make_unique<Season>(gen::generate_season("1996", 11));
    for (int league : {1, 2}) {
        const LeagueTable table = build_standings(*season, first_team(league), last_team(league));
        int games = 0, wins = 0, losses = 0, draws = 0, scored = 0, allowed = 0;
        for (const auto& row : table) {
            EXPECT_EQ(row_wins(row) + row_losses(row) + row_draws(row), row_games(row));
            EXPECT_EQ(row_games(row), 130);
            games += row_games(row);
            wins += row_wins(row);
            losses += row_losses(row);
            draws += row_draws(row);
            scored += row_scored(row);
            allowed += row_allowed(row);
        }
        int stored = 0;
        for_each_game(*season, first_team(league), last_team(league), [&](Slot, const Text&) { ++stored; });
        EXPECT_EQ(stored, 390);
        EXPECT_EQ(games, 2 * stored);
        EXPECT_EQ(wins, losses);
        EXPECT_EQ(draws % 2, 0);
        EXPECT_EQ(scored, allowed);
    }
}

}  // namespace
}  // namespace tev
