// Interleague games (交流戦) in the team reports: the grids' 交流戦 column and its CSV, the meeting
// status's interleague line and what its click opens, a club's game list in date order, the
// day's match cards, the score list and its detail, the monthly tables and the topics page, all
// on one hand-built 2026 season of today's clubs.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/pitchers/pitcher_make.h"
#include "core/stats/detail_lines.h"
#include "core/stats/head_to_head_report.h"
#include "core/stats/inning_totals.h"
#include "core/stats/match_details.h"
#include "core/stats/monthly_report.h"
#include "core/stats/score_list.h"
#include "core/stats/standings.h"
#include "core/stats/stored_games.h"
#include "core/stats/tallies.h"
#include "core/text/csv.h"
#include "core/topics/game_topics.h"
#include "core/topics/topics_page.h"
#include "support/golden.h"
#include "support/golden_switch.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::add_game;
using test::add_interleague_game;
using test::matches_golden;
using test::pane_lines;

// A 2026 season of today's clubs with three interleague meetings per pair and no game yet.
std::unique_ptr<Season> empty_2026() {
    auto season = std::make_unique<Season>();
    season->disp_year = "2026";
    season->clubs = todays_club_names();
    season->interleague_meetings = 3;
    return season;
}

// Five league games and four interleague games, three of the nine drawn (the builder puts all of
// a club's runs in the first inning):
//   L1  4/5   巨人 3-1 at 阪神 (戸郷 W, 才木 L, 大勢 S), 42000
//   L2  4/6   阪神 2-2 at 巨人, 41000
//   L3  4/5   西武 5-0 at ロッテ (今井 W, 小島 L), 25000
//   L4  5/20  ソフトＢ 4-3 at オリックス (有原 W, 宮城 L, オスナ S), 33000
//   L5  6/2   ヤクルト 4-4 at 中日, 30000
//   I1  6/2   ロッテ 5-2 at 巨人 (佐々木 W, 戸郷 L), 41500
//   I2  6/9   巨人 1-1 at ロッテ, 28000
//   I3  6/2   阪神 9-2 at ソフトＢ (才木 W, 有原 L), 38000: the biggest inning and the slugfest
//   I4  6/3   オリックス 1-3 at ＤｅＮＡ (東 W, 宮城 L, 森原 S), 12000: the smallest crowd
std::unique_ptr<Season> season_2026() {
    auto season = empty_2026();
    Season& s = *season;
    // clang-format off
    add_game(s, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 1, .month = 4, .day = 5,
                 .attendance = 42000, .first_pitcher = U"戸郷", .second_pitcher = U"才木", .save = U"大勢"});
    add_game(s, {.first = 4, .second = 1, .meet = 2, .first_runs = 2, .second_runs = 2, .month = 4, .day = 6,
                 .attendance = 41000});
    add_game(s, {.first = 8, .second = 11, .meet = 1, .first_runs = 5, .second_runs = 0, .month = 4, .day = 5,
                 .attendance = 25000, .first_pitcher = U"今井", .second_pitcher = U"小島"});
    add_game(s, {.first = 12, .second = 7, .meet = 1, .first_runs = 4, .second_runs = 3, .month = 5, .day = 20,
                 .attendance = 33000, .first_pitcher = U"有原", .second_pitcher = U"宮城", .save = U"オスナ"});
    add_game(s, {.first = 2, .second = 6, .meet = 1, .first_runs = 4, .second_runs = 4, .month = 6, .day = 2,
                 .attendance = 30000});
    add_interleague_game(s, {.first = 11, .second = 1, .meet = 1, .first_runs = 5, .second_runs = 2, .month = 6,
                             .day = 2, .attendance = 41500, .first_pitcher = U"佐々木", .second_pitcher = U"戸郷"});
    add_interleague_game(s, {.first = 1, .second = 11, .meet = 2, .first_runs = 1, .second_runs = 1, .month = 6,
                             .day = 9, .attendance = 28000});
    add_interleague_game(s, {.first = 4, .second = 12, .meet = 1, .first_runs = 9, .second_runs = 2, .month = 6,
                             .day = 2, .attendance = 38000, .first_pitcher = U"才木", .second_pitcher = U"有原"});
    add_interleague_game(s, {.first = 7, .second = 3, .meet = 1, .first_runs = 1, .second_runs = 3, .month = 6,
                             .day = 3, .attendance = 12000, .first_pitcher = U"宮城", .second_pitcher = U"東",
                             .save = U"森原"});
    // clang-format on
    return season;
}

struct Tables {
    TeamTallies tallies;
    LeagueTable central, pacific;
};

Tables tables_of(const Season& season) {
    return {build_team_tallies(season), build_standings(season, 1, 6),
            build_standings(season, 7, 12)};
}

// The tables a commit builds beside the games.
void build_saved_tables(Season& season) {
    season.score_list = build_score_list(season);
    season.pitcher_c = build_pitcher_table(season, 1, 6).table;
    season.pitcher_p = build_pitcher_table(season, 7, 12).table;
    season.pitcher_all = build_pitcher_table(season, 1, 12).table;
}

// Compares `bytes` with the golden CSV file `name` under data/interleague_reports.
::testing::AssertionResult matches_csv_golden(const std::string& name, const std::string& bytes) {
    const std::string file = std::string(TEVARDIN_TEST_DATA) + "/interleague_reports/" + name;
    if (test::rewriting_goldens()) test::spit(file, bytes);
    if (test::slurp(file) == bytes) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << " differs; actual:\n" << bytes;
}

TEST(InterleaguePlay, IsTheMeetingsOrAStoredGame) {
    Season season;
    EXPECT_FALSE(has_interleague_play(season));
    EXPECT_EQ(interleague_meetings_in_use(season), 0);
    season.interleague_meetings = 3;
    EXPECT_TRUE(has_interleague_play(season));
    EXPECT_EQ(interleague_meetings_in_use(season), 3);
    season.interleague_meetings = 0;
    add_interleague_game(season, {.first = 1, .second = 7, .meet = 2});
    EXPECT_TRUE(has_interleague_play(season));
    EXPECT_EQ(interleague_meetings_in_use(season), 2);
}

TEST(InterleagueGrids, TheWinLossGridHasEachClubsRecordAgainstTheOtherLeague) {
    const auto season = season_2026();
    const Tables t = tables_of(*season);
    const ReportPane pane =
        vs_record_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs, true);
    EXPECT_TRUE(matches_golden("interleague_reports/record.txt", pane_lines(pane)));
    EXPECT_TRUE(matches_csv_golden("vs_record_2026.csv", report_csv(pane.table, pane.lines)));
}

TEST(InterleagueGrids, ThePercentageGridHasEachClubsPercentageAgainstTheOtherLeague) {
    const auto season = season_2026();
    const Tables t = tables_of(*season);
    const ReportPane pane =
        vs_pct_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs, true);
    EXPECT_TRUE(matches_golden("interleague_reports/pct.txt", pane_lines(pane)));
    EXPECT_TRUE(matches_csv_golden("vs_pct_2026.csv", report_csv(pane.table, pane.lines)));
}

TEST(InterleagueGrids, TheColumnShowsOnceAGameIsStoredEvenUntold) {
    const auto season = season_2026();
    const Tables t = tables_of(*season);
    EXPECT_EQ(
        vs_record_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs).lines,
        vs_record_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs, true).lines);
    EXPECT_EQ(vs_pct_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs).lines,
              vs_pct_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs, true).lines);
}

TEST(InterleagueGrids, BeforeTheFirstInterleagueGameTheColumnIsBlankWhenToldAndAbsentWhenNot) {
    const auto season = empty_2026();
    const Tables t = tables_of(*season);
    const auto told =
        vs_record_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs, true).lines;
    const auto untold =
        vs_record_report(t.tallies, t.central, t.pacific, "2026", 0, season->clubs).lines;
    EXPECT_NE(told[0].find(U"交流戦"), Text::npos);
    EXPECT_EQ(untold[0].find(U"交流戦"), Text::npos);
    // 巨人's row: no cell filled, the rank moved nine columns right.
    EXPECT_EQ(told[1], U"巨　人　　" + Text(66, U' ') + U"1");
    EXPECT_EQ(untold[1], U"巨　人　　" + Text(57, U' ') + U"1");
}

// Every line of the grids with the 交流戦 column is nine columns wider than without it, in every
// layout and for both grids. The widest, the Pacific header of layout 1, takes 81 columns: nine
// more than the widest lines List4 showed so far (72, this header and the standings report's
// rows), where the pane holds about 140 at the report font.
TEST(InterleagueGrids, TheColumnWidensEveryLineByNineColumnsInEveryLayout) {
    Season season;  // the default names: the fixed headers of each layout
    const Tables t = tables_of(season);
    std::vector<Text> headers;
    std::size_t widest = 0;
    for (bool percentages : {false, true})
        for (int disp_size = 0; disp_size <= 2; ++disp_size) {
            const auto report = percentages ? vs_pct_report : vs_record_report;
            const auto plain =
                report(t.tallies, t.central, t.pacific, "1996", disp_size, season.clubs, false)
                    .lines;
            const auto wide =
                report(t.tallies, t.central, t.pacific, "1996", disp_size, season.clubs, true)
                    .lines;
            ASSERT_EQ(plain.size(), wide.size());
            for (std::size_t i = 0; i < plain.size(); ++i) {
                if (plain[i].empty()) continue;
                EXPECT_EQ(display_columns(wide[i]), display_columns(plain[i]) + 9) << i;
                widest = std::max(widest, display_columns(wide[i]));
            }
            headers.push_back(wide[0]);
            headers.push_back(wide[8]);
        }
    EXPECT_EQ(widest, 81u);
    EXPECT_TRUE(matches_golden("interleague_reports/grid_headers.txt", headers));
}

TEST(InterleagueMeetingStatus, EachClubHasALineOfItsGamesAgainstTheOtherLeague) {
    const auto season = season_2026();
    const ReportPane pane = meeting_status_report(*season, 0);
    EXPECT_EQ(pane.lines.size(), 96u);
    EXPECT_TRUE(matches_golden("interleague_reports/meeting_status.txt", pane_lines(pane)));
}

TEST(InterleagueMeetingStatus, TheInterleagueLineOpensTheClubsInterleagueGames) {
    const auto season = season_2026();
    const auto lines = meeting_status_report(*season, 0).lines;
    const ClubNames& clubs = season->clubs;
    EXPECT_EQ(meeting_status_click(1, lines, clubs), std::nullopt);  // heading
    EXPECT_EQ(meeting_status_click(2, lines, clubs), (MeetingPick{1, 2}));
    EXPECT_EQ(meeting_status_click(6, lines, clubs), (MeetingPick{1, 6}));
    EXPECT_EQ(meeting_status_click(7, lines, clubs), (MeetingPick{1, kOtherLeague}));
    EXPECT_EQ(meeting_status_click(8, lines, clubs), std::nullopt);  // empty line
    EXPECT_EQ(meeting_status_click(9, lines, clubs), std::nullopt);  // ヤクルト's heading
    EXPECT_EQ(meeting_status_click(10, lines, clubs), (MeetingPick{2, 1}));
    EXPECT_EQ(meeting_status_click(94, lines, clubs), (MeetingPick{12, 11}));
    EXPECT_EQ(meeting_status_click(95, lines, clubs), (MeetingPick{12, kOtherLeague}));
    EXPECT_EQ(meeting_status_click(96, lines, clubs), std::nullopt);
    EXPECT_EQ(meeting_status_click(97, lines, clubs), std::nullopt);

    const auto giants = meeting_detail_lines(*season, 1, kOtherLeague);
    EXPECT_TRUE(matches_golden("interleague_reports/meeting_giants_interleague.txt", giants));
    EXPECT_EQ(
        meeting_detail_lines(*season, 2, kOtherLeague),
        (std::vector<Text>{U"       ヤクルト　VS　　交流戦　　　　対戦詳細一覧", kCloseLine}));
}

TEST(InterleagueMeetingStatus, TwoClubsOfDifferentLeaguesListTheirInterleagueMeetings) {
    const auto season = season_2026();
    EXPECT_TRUE(matches_golden("interleague_reports/meeting_giants_marines.txt",
                               meeting_detail_lines(*season, 1, 11)));
}

TEST(InterleagueDetails, AClubsGamesStandInDateOrderWithItsInterleagueGames) {
    const auto season = season_2026();
    EXPECT_TRUE(
        matches_golden("interleague_reports/games_giants.txt", club_game_lines(*season, 1)));
    // 阪神 batted first in the 4/6 game and second in the 4/5 game: date order puts 4/5 first.
    EXPECT_TRUE(
        matches_golden("interleague_reports/games_tigers.txt", club_game_lines(*season, 4)));
    const auto by_june = club_game_lines_as_of(*season, 4, {6, 1});
    const auto all = club_game_lines(*season, 4);
    EXPECT_EQ(by_june, (std::vector<Text>{all[0], all[1], kCloseLine}));
}

TEST(InterleagueDetails, TheDaysCardsListTheInterleagueGamesAfterTheLeagueGames) {
    const auto season = season_2026();
    EXPECT_TRUE(
        matches_golden("interleague_reports/cards_june_2.txt", day_card_lines(*season, 6, 2)));
}

TEST(InterleagueScores, TheScoreListCountsInterleagueGamesForBothLeagues) {
    const auto season = season_2026();
    const ScoreList score_list = build_score_list(*season);
    EXPECT_TRUE(matches_golden("interleague_reports/score_list.txt",
                               pane_lines(score_list_report(score_list))));
    ASSERT_EQ(score_list[0].substr(0, 6), U" 3 - 1");
    EXPECT_TRUE(matches_golden("interleague_reports/score_3_1.txt",
                               score_detail_lines(*season, score_list[0])));
}

TEST(InterleagueMonthly, TheMonthsCountInterleagueGames) {
    const auto season = season_2026();
    const TeamTallies tallies = build_team_tallies(*season);
    EXPECT_TRUE(matches_golden("interleague_reports/monthly_record.txt",
                               pane_lines(monthly_record_report(tallies, 0, season->clubs))));
    EXPECT_TRUE(matches_golden("interleague_reports/monthly_pct.txt",
                               pane_lines(monthly_pct_report(tallies, 0, season->clubs))));
}

TEST(InterleagueTopics, InterleagueGamesWinTheSmallestCrowdTheBiggestInningAndTheSlugfest) {
    const auto season = season_2026();
    build_saved_tables(*season);
    EXPECT_TRUE(matches_golden("interleague_reports/topics.txt",
                               topics_page(*season, build_inning_totals(*season))));
    // The home club is the other league's: ＤｅＮＡ for オリックス's game, not 楽天.
    EXPECT_EQ(smallest_crowd_topic(*season).at(1), U"    6/ 3 ●オリックス 対 ○ＤｅＮＡ　  1回戦  ");
}

}  // namespace
}  // namespace tev
