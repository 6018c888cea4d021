// Interleague games in the standings: each counts for the club of the league in it, with its runs
// and (at home) its crowd, as NPB's standings count them.
#include <gtest/gtest.h>

#include "core/history/history_make.h"
#include "core/homeruns/homerun_make.h"
#include "core/pitchers/pitcher_make.h"
#include "core/stats/inning_totals.h"
#include "core/stats/standings.h"
#include "core/stats/streaks.h"
#include "core/stats/tallies.h"
#include "support/season_builder.h"

namespace tev {
namespace {

// The row of `team` in `table`.
const StandingRow& row_of(const LeagueTable& table, int team) {
    for (const StandingRow& row : table)
        if (row_club(row) == league_index(team)) return row;
    ADD_FAILURE() << "no row for team " << team;
    return table.front();
}

// An empty 2026 season with three interleague meetings per pair.
Season empty_2026() {
    Season season;
    season.disp_year = "2026";
    season.interleague_meetings = 3;
    return season;
}

Season season_2026() {
    Season season = empty_2026();
    test::add_game(season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 1, .attendance = 42000});
    test::add_interleague_game(season, {.first = 11, .second = 1, .meet = 1, .first_runs = 5, .second_runs = 2,
                                        .attendance = 41000});
    test::add_interleague_game(season, {.first = 4, .second = 12, .meet = 2, .first_runs = 1, .second_runs = 1,
                                        .attendance = 38000});
    return season;
}

TEST(InterleagueStandings, EachGameCountsForTheClubOfThatLeague) {
    const Season season = season_2026();
    const LeagueTable central = build_standings(season, 1, 6);
    const LeagueTable pacific = build_standings(season, 7, 12);

    const StandingRow& giants = row_of(central, 1);  // won at 阪神, lost at home to ロッテ
    EXPECT_EQ(row_games(giants), 2);
    EXPECT_EQ(row_wins(giants), 1);
    EXPECT_EQ(row_losses(giants), 1);
    EXPECT_EQ(row_scored(giants), 3 + 2);
    EXPECT_EQ(row_allowed(giants), 1 + 5);
    EXPECT_EQ(row_pct(giants), U"0.5000");

    const StandingRow& tigers = row_of(central, 4);  // lost at home to 巨人, drew at ソフトバンク
    EXPECT_EQ(row_games(tigers), 2);
    EXPECT_EQ(row_draws(tigers), 1);
    EXPECT_EQ(row_pct(tigers), U"0.0000");

    EXPECT_EQ(row_wins(row_of(pacific, 11)), 1);
    EXPECT_EQ(row_games(row_of(pacific, 12)), 1);
    EXPECT_EQ(row_draws(row_of(pacific, 12)), 1);
    EXPECT_EQ(row_games(row_of(pacific, 7)), 0);
}

TEST(InterleagueStandings, TheHomeClubTakesTheCrowd) {
    const Season season = season_2026();
    const LeagueTable central = build_standings(season, 1, 6);
    const LeagueTable pacific = build_standings(season, 7, 12);
    // Attendance is the row's eight characters before the percentage.
    const auto crowd = [](const StandingRow& row) { return number_or_zero(mid(row, 22, 8)); };
    EXPECT_EQ(crowd(row_of(central, 1)), 41000);
    EXPECT_EQ(crowd(row_of(central, 4)), 42000);
    EXPECT_EQ(crowd(row_of(pacific, 12)), 38000);
    EXPECT_EQ(crowd(row_of(pacific, 11)), 0);
}

TEST(InterleagueTallies, EachClubHasItsRecordAgainstTheOtherLeagueAndItsMonthsCountThem) {
    Season season = season_2026();
    test::add_interleague_game(season, {.first = 1, .second = 7, .meet = 1, .first_runs = 4, .second_runs = 0,
                                        .month = 6, .day = 9});
    const TeamTallies tallies = build_team_tallies(season);
    EXPECT_EQ(tallies.inter_tally(1, league_index(11)).losses, 1);  // 巨人 against ロッテ
    EXPECT_EQ(tallies.inter_tally(1, league_index(7)).wins, 1);     // 巨人 at オリックス
    EXPECT_EQ(tallies.inter_tally(11, 1).wins, 1);                  // ロッテ against 巨人
    EXPECT_EQ(tallies.inter_tally(12, league_index(4)).draws, 1);   // ソフトバンク against 阪神
    const Tally giants = tallies.interleague_total(1);
    EXPECT_EQ(giants.wins, 1);
    EXPECT_EQ(giants.losses, 1);
    EXPECT_EQ(giants.draws, 0);
    // League games stay in the league grid only.
    EXPECT_EQ(tallies.vs_tally(0, 1, 4).wins, 1);
    EXPECT_EQ(tallies.vs_tally(0, 1, 1).played(), false);
    // The month columns count both kinds (the builder's games are on 5 April, June's on 9 June).
    EXPECT_EQ(tallies.month_tally(1, month_column(4)).wins, 1);
    EXPECT_EQ(tallies.month_tally(1, month_column(4)).losses, 1);
    EXPECT_EQ(tallies.month_tally(1, month_column(6)).wins, 1);
    EXPECT_EQ(tallies.month_tally(7, month_column(6)).losses, 1);
}

TEST(InterleagueStreaks, AStreakRunsThroughInterleagueGamesInDateOrder) {
    Season season = empty_2026();
    // 巨人: won a league game on 30 May, won at ロッテ on 2 June, won at home to 西武 on 3 June, then
    // lost a league game on 5 June: a run of three wins, two of them against the Pacific League.
    test::add_game(season, {.first = 1, .second = 2, .meet = 1, .first_runs = 2, .second_runs = 1, .month = 5, .day = 30});
    test::add_interleague_game(season, {.first = 1, .second = 11, .meet = 1, .first_runs = 6, .second_runs = 0,
                                        .month = 6, .day = 2});
    test::add_interleague_game(season, {.first = 8, .second = 1, .meet = 1, .first_runs = 0, .second_runs = 1,
                                        .month = 6, .day = 3});
    test::add_game(season, {.first = 3, .second = 1, .meet = 1, .first_runs = 4, .second_runs = 3, .month = 6, .day = 5});
    EXPECT_EQ(result_sequence(season, 1), U"○○○●");
    EXPECT_EQ(result_sequence(season, 11), U"●");
    EXPECT_EQ(result_sequence(season, 8), U"●");
    EXPECT_EQ(streak_ranks(result_sequence(season, 1), U'○')[0].length, 3);
}

TEST(InterleagueInnings, TheInningTotalsAddInterleagueLineScores) {
    const Season season = season_2026();  // the builder's games score all their runs in the first
    const InningTotals totals = build_inning_totals(season);
    EXPECT_EQ(totals.runs_batting_first(1, 1), 3);   // 巨人 at 阪神
    EXPECT_EQ(totals.runs_batting_second(1, 1), 2);  // 巨人 at home to ロッテ
    EXPECT_EQ(totals.runs_batting_first(11, 1), 5);
    EXPECT_EQ(totals.runs_batting_first(4, 1), 1);   // 阪神 at ソフトバンク
    EXPECT_EQ(totals.runs_batting_second(12, 1), 1);
    EXPECT_EQ(totals.runs_batting_second(12, 2), 0);
}

// The row of `key` ("TT" + name padded to 10) in `table`, or nullptr.
const PitcherRow* pitcher_row(const PitcherTable& table, int team, const Text& name) {
    const Text key = pitcher_key(team, name);
    for (const PitcherRow& row : table)
        if (row.key == key) return &row;
    return nullptr;
}

TEST(InterleaguePitchers, APitcherWhoWinsAnInterleagueGameIsCreditedInHisLeague) {
    Season season = empty_2026();
    test::add_interleague_game(season, {.first = 7, .second = 1, .meet = 1, .first_runs = 3, .second_runs = 2,
                                        .first_pitcher = U"山本", .second_pitcher = U"菅野", .save = U"平野"});
    test::add_game(season, {.first = 1, .second = 4, .meet = 1, .first_runs = 5, .second_runs = 0,
                            .first_pitcher = U"菅野", .second_pitcher = U"才木"});
    const PitcherBuild central = build_pitcher_table(season, 1, 6);
    const PitcherBuild pacific = build_pitcher_table(season, 7, 12);
    const PitcherRow* sugano = pitcher_row(central.table, 1, U"菅野");
    ASSERT_NE(sugano, nullptr);
    EXPECT_EQ(sugano->wins, 1);
    EXPECT_EQ(sugano->losses, 1);
    const PitcherRow* yamamoto = pitcher_row(pacific.table, 7, U"山本");
    ASSERT_NE(yamamoto, nullptr);
    EXPECT_EQ(yamamoto->wins, 1);
    EXPECT_EQ(pitcher_row(pacific.table, 7, U"平野")->saves, 1);
    // Neither league's table holds the other league's pitchers.
    EXPECT_EQ(pitcher_row(central.table, 7, U"山本"), nullptr);
    EXPECT_EQ(pitcher_row(pacific.table, 1, U"菅野"), nullptr);
    const PitcherBuild both = merge_pitcher_tables(season, central, pacific);
    EXPECT_EQ(pitcher_row(both.table, 7, U"山本")->wins, 1);
    EXPECT_EQ(pitcher_row(both.table, 1, U"菅野")->losses, 1);
}

// A Central pitcher whose only decision came in an interleague game, tied with a Pacific pitcher
// of a Pacific game: in the table of both leagues they stand in the order the games credit them
// (the league games first), as the table built from every game has them.
TEST(InterleaguePitchers, TheTableOfBothLeaguesIsTheOneBuiltFromEveryGame) {
    Season season = empty_2026();
    test::add_game(season, {.first = 8, .second = 9, .meet = 1, .first_runs = 3, .second_runs = 2,
                            .first_pitcher = U"今井", .second_pitcher = U"岸"});
    test::add_interleague_game(season, {.first = 7, .second = 3, .meet = 1, .first_runs = 1, .second_runs = 5,
                                        .first_pitcher = U"宮城", .second_pitcher = U"東"});
    const PitcherBuild central = build_pitcher_table(season, 1, 6);
    const PitcherBuild pacific = build_pitcher_table(season, 7, 12);
    const PitcherBuild both = merge_pitcher_tables(season, central, pacific);
    const PitcherBuild every_game = build_pitcher_table(season, 1, 12);
    for (std::size_t row = 0; row < every_game.table.size(); ++row)
        EXPECT_EQ(to_utf8(both.table[row].key), to_utf8(every_game.table[row].key)) << "row " << row;
}

TEST(InterleagueHomeRuns, AHomeRunOffTheOtherLeaguesPitcherCountsForEachInHisOwnLeague) {
    Season season = empty_2026();
    test::add_interleague_game(season, {.first = 12, .second = 2, .meet = 1, .first_runs = 1, .second_runs = 0});
    season.interleague_at({12, 2, 1}) += format_hr(HrEntry{12, U"山川", 2, U"小川"});
    const HomerunTables tables = homerun_make(season).tables;
    EXPECT_EQ(tally_count(tables.bat_p[0]), 1);
    EXPECT_EQ(trim_both(mid(tables.bat_p[0], 3, 10)), U"山川");
    EXPECT_EQ(tally_count(tables.pit_c[0]), 1);
    EXPECT_EQ(trim_both(mid(tables.pit_c[0], 3, 10)), U"小川");
    EXPECT_TRUE(tables.bat_c[0].empty());
    EXPECT_TRUE(tables.pit_p[0].empty());
    EXPECT_EQ(tally_count(tables.bat_all[0]), 1);
    EXPECT_EQ(tally_count(tables.pit_all[0]), 1);
}

TEST(InterleagueHistory, AnInterleagueWinMovesTheClubsPercentageAndPlaceInItsLeague) {
    Season season = empty_2026();
    test::add_game(season, {.first = 1, .second = 2, .meet = 1, .first_runs = 1, .second_runs = 2, .month = 5, .day = 30});
    test::add_interleague_game(season, {.first = 1, .second = 7, .meet = 1, .first_runs = 3, .second_runs = 0,
                                        .month = 6, .day = 2});
    const History h = history_make(season);
    const int may_30 = season_day(5, 30), june_2 = season_day(6, 2);
    EXPECT_EQ(h.pct[may_30][1], 0);
    EXPECT_EQ(h.pct[june_2][1], 5000);  // one league loss, one interleague win
    EXPECT_EQ(h.pct[june_2][7], 0);     // オリックス lost its only game
    EXPECT_EQ(h.rank[june_2][7], 6);
    EXPECT_EQ(h.rank[june_2][8], 1);    // the Pacific clubs that have not played share first place
}

}  // namespace
}  // namespace tev
