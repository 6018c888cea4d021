// The interleague table (交流戦成績): all twelve clubs ranked on their interleague games only, by
// NPB's tie-breaks of the year, with the two leagues' records against each other below them.
#include <gtest/gtest.h>

#include "core/stats/interleague_ranking.h"
#include "core/stats/interleague_records.h"
#include "core/stats/interleague_table.h"

#include "core/stats/detail_lines.h"
#include "core/text/csv.h"
#include "support/golden.h"
#include "support/golden_switch.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

// Team numbers of today's clubs.
constexpr int kGiants = 1, kSwallows = 2, kBaystars = 3, kTigers = 4, kCarp = 5, kDragons = 6;
constexpr int kBuffaloes = 7, kLions = 8, kEagles = 9, kFighters = 10, kMarines = 11, kHawks = 12;

Season empty_season(const std::string& year, int meetings) {
    Season season;
    season.disp_year = year;
    season.clubs = club_names_of_new_year(year);
    season.interleague_meetings = meetings;
    return season;
}

// The runs of a line score: the sum of its two-character cells (" X" and blanks count 0).
int line_runs(TextView line) {
    int runs = 0;
    for (std::size_t at = 0; at < line.size(); at += 2)
        runs += static_cast<int>(number_or_zero(line.substr(at, 2)));
    return runs;
}

// Stores meeting `meet` of the visitor `first` at the home club `second` with the line scores
// given, one two-character cell an inning.
void add_line_game(Season& season, int first, int second, const char32_t* first_line,
                   const char32_t* second_line, int meet = 1) {
    GameFields f;
    f.first_runs = line_runs(first_line);
    f.second_runs = line_runs(second_line);
    f.attendance = U"30000";
    f.first_innings = first_line;
    f.second_innings = second_line;
    f.year = ascii(season.disp_year);
    f.month = 6;
    f.day = 3;
    season.interleague_at(Slot{first, league_index(second), meet}) = format_game(f);
}

void add_result(Season& season, int first, int second, int first_runs, int second_runs) {
    test::add_interleague_game(season, {.first = first,
                                        .second = second,
                                        .first_runs = first_runs,
                                        .second_runs = second_runs,
                                        .month = 6,
                                        .day = 2});
}

// Eleven interleague games (a league game besides, which the table leaves out):
//   DeNA 2-0, 西武 1-0           level on 1.000, parted by wins
//   巨人 2-1, オリックス 2-1     level on 2/3 and two wins, parted by 巨人's win over オリックス
//   楽天, 広島, 阪神 1-1         three level on .500 and one win, parted by TQB
//   中日, ソフトB 0-0-1, ヤクルト, ロッテ 0-1, 日本ハム 0-3: five level on .000 and no win;
//     TQB puts 中日 and ソフトB (0) first, ヤクルト and ロッテ (-19/72) next, 日本ハム (-9/26)
//     last; the previous year parts ヤクルト (11th) and ロッテ (6th) but not 中日 and ソフトB,
//     who shared 9th then and share 8th now.
Season hand_built_2026() {
    Season season = empty_season("2026", 3);
    add_result(season, kGiants, kBuffaloes, 3, 2);
    add_line_game(season, kGiants, kFighters, U" 0 0 2 0 0 4 0 0 0", U" 0 0 0 0 0 0 0 0 0");
    add_result(season, kLions, kGiants, 4, 1);
    add_line_game(season, kSwallows, kBuffaloes, U" 0 0 0 1 0 0 0 0 0", U" 2 0 0 0 0 1 0 0 X");
    add_line_game(season, kTigers, kBuffaloes, U" 0 0 0 0 0 0 0 0 0", U" 3 0 2 0 0 0 0 0 X");
    add_line_game(season, kMarines, kBaystars, U" 1 0 0 0 0 0 0 0 0", U" 0 0 3 0 0 0 0 0 X");
    add_line_game(season, kFighters, kBaystars, U" 0 0 0 0 0 0 0 0 0", U" 0 1 0 0 0 1 0 0 X");
    add_line_game(season, kEagles, kTigers, U" 0 0 1 0 0 0 0 0 0", U" 0 2 0 0 0 0 0 0 X");
    add_line_game(season, kEagles, kCarp, U" 0 0 0 3 0 0 0 0 0 2", U" 0 0 0 0 0 3 0 0 0 0");
    add_line_game(season, kFighters, kCarp, U" 0 0 0 0 0 0 0 0 0", U" 0 0 0 0 0 0 0 0 1");
    add_line_game(season, kDragons, kHawks, U" 0 0 1 0 0 0 0 1 0 0 0 0",
                  U" 0 0 0 0 2 0 0 0 0 0 0 0");
    // A league game: were it counted, DeNA would be 2-1 and not first.
    test::add_game(season,
                   {.first = kGiants, .second = kBaystars, .first_runs = 9, .second_runs = 0});
    return season;
}

// The places of 2025 by team number, 9th shared by 中日 and ソフトB.
InterleaguePlaces places_2025() {
    return {0, 5, 11, 1, 3, 8, 9, 2, 4, 7, 12, 6, 9};
}

const InterleagueLine& line_of(const std::vector<InterleagueLine>& lines, int team) {
    for (const InterleagueLine& line : lines)
        if (line.team == team) return line;
    ADD_FAILURE() << "no line for team " << team;
    return lines.front();
}

TEST(InterleagueTable, TheHandBuiltSeasonIsRankedByEveryTieBreakInTurn) {
    const ReportPane pane = interleague_report(hand_built_2026(), places_2025());
    EXPECT_TRUE(test::matches_golden("interleague/table_2026.txt", test::pane_lines(pane)));
}

TEST(InterleagueTable, TheTableExportsAsTheOtherTablesDo) {
    const ReportPane pane = interleague_report(hand_built_2026(), places_2025());
    ASSERT_TRUE(pane.table.described());
    // The closing line is the window's: the export leaves it out.
    ASSERT_EQ(pane.lines.back(), kCloseLine);
    const std::string csv = report_csv(pane.table, {pane.lines.begin(), pane.lines.end() - 1});
    const std::string file = std::string(TEVARDIN_TEST_DATA) + "/interleague/table_2026.csv";
    if (test::rewriting_goldens()) test::spit(file, csv);
    EXPECT_EQ(csv, test::slurp(file));
}

TEST(InterleagueTable, TqbIsRunsPerInningBattedLessRunsPerInningPitched) {
    // Innings counted from the line scores, a home half not batted (" X") left out:
    //   楽天   at 阪神 lost 1-2, batted 9, pitched 8 (阪神's ninth " X")
    //          at 広島 won 5-3 in ten, batted 10, pitched 10
    //          scored 6 in 19, allowed 5 in 18: 6/19 - 5/18 = (108 - 95)/342 = 13/342 = 0.0380
    //   広島   lost 3-5 to 楽天 in ten: batted 10, pitched 10
    //          beat 日本ハム 1-0, the run scored in the ninth: batted 9 (the walk-off ninth counts
    //          whole), pitched 9
    //          scored 4 in 19, allowed 5 in 19: -1/19 = -0.0526
    //   阪神   at オリックス lost 0-5, batted 9, pitched 8 (オリックス's ninth " X")
    //          beat 楽天 2-1 at home, batted 8 (" X"), pitched 9
    //          scored 2 in 17, allowed 6 in 17: -4/17 = -0.2353
    // So 楽天 5th, 広島 6th, 阪神 7th, though team numbers and the previous year would order them
    // 阪神, 広島, 楽天 and 阪神, 楽天, 広島.
    const auto lines = interleague_ranking(hand_built_2026(), places_2025());
    EXPECT_EQ(line_of(lines, kEagles).tqb, (Tqb{13, 342}));
    EXPECT_EQ(line_of(lines, kCarp).tqb, (Tqb{-1, 19}));
    EXPECT_EQ(line_of(lines, kTigers).tqb, (Tqb{-4, 17}));
    EXPECT_NEAR(line_of(lines, kEagles).tqb.value(), 0.0380, 0.0001);
    EXPECT_EQ(line_of(lines, kEagles).place, 5);
    EXPECT_EQ(line_of(lines, kCarp).place, 6);
    EXPECT_EQ(line_of(lines, kTigers).place, 7);
    // The .000 group: 中日 and ソフトB 2/12 - 2/12 = 0; ヤクルト and ロッテ each lost 1-3 away,
    // batting 9 and pitching 8: 1/9 - 3/8 = -19/72; 日本ハム scored 0 in 27, allowed 6 + 2 + 1 = 9
    // in 9 + 8 + 9 = 26: -9/26.
    EXPECT_EQ(line_of(lines, kDragons).tqb, Tqb{});
    EXPECT_EQ(line_of(lines, kHawks).tqb, Tqb{});
    EXPECT_EQ(line_of(lines, kSwallows).tqb, (Tqb{-19, 72}));
    EXPECT_EQ(line_of(lines, kMarines).tqb, (Tqb{-19, 72}));
    EXPECT_EQ(line_of(lines, kFighters).tqb, (Tqb{-9, 26}));
}

TEST(InterleagueTable, InningsBattedCountEveryCellWithRunsAndNoXOrBlank) {
    Season season = empty_season("2026", 3);
    add_line_game(season, kEagles, kCarp, U" 0 0 0 3 0 0 0 0 0 2", U" 0 0 0 0 0 3 0 0 0 0");
    add_line_game(season, kSwallows, kBuffaloes, U" 0 0 0 1 0 0 0 0 0", U" 2 0 0 0 0 1 0 0 X");
    add_line_game(season, kDragons, kHawks, U" 0 0 1 0 0 0 0 1 0 0 0 0",
                  U"10 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(innings_batted(season.interleague_at({kEagles, 5, 1}), true), 10);
    EXPECT_EQ(innings_batted(season.interleague_at({kEagles, 5, 1}), false), 10);
    EXPECT_EQ(innings_batted(season.interleague_at({kSwallows, 1, 1}), false), 8);
    EXPECT_EQ(innings_batted(season.interleague_at({kDragons, 6, 1}), false), 12);
}

TEST(InterleagueTable, WithoutThePreviousYearLevelClubsShareTheirPlace) {
    const InterleaguePlaces places = interleague_places(hand_built_2026(), std::nullopt);
    const InterleaguePlaces expected = {0, 3, 10, 1, 7, 6, 8, 4, 2, 5, 12, 10, 8};
    EXPECT_EQ(places, expected);
}

TEST(InterleagueTable, TwoClubsLevelOnTheirMeetingsGoOnToTqb) {
    // 巨人 and ロッテ each beat the other once: 1-1, level on percentage, wins and meetings.
    // 巨人 at ロッテ won 3-0, ロッテ's ninth batted: 巨人 scored 3 in 9, allowed 0 in 9.
    // ロッテ at 巨人 won 1-0, 巨人's ninth batted: 巨人 scored 0 in 9, allowed 1 in 9.
    // 巨人 3/18 - 1/18 = 2/18; ロッテ 1/18 - 3/18 = -2/18.
    Season season = empty_season("2026", 3);
    add_line_game(season, kGiants, kMarines, U" 3 0 0 0 0 0 0 0 0", U" 0 0 0 0 0 0 0 0 0");
    add_line_game(season, kMarines, kGiants, U" 0 0 0 0 0 0 0 1 0", U" 0 0 0 0 0 0 0 0 0", 2);
    const auto lines = interleague_ranking(season, std::nullopt);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0].team, kGiants);
    EXPECT_EQ(lines[0].place, 1);
    EXPECT_EQ(lines[1].team, kMarines);
    EXPECT_EQ(lines[1].place, 2);
    EXPECT_EQ(lines[0].tqb, (Tqb{2, 18}));
}

TEST(InterleagueTable, BeforeTwentyElevenThePercentageIsFollowedByThePreviousYearOnly) {
    // 2008: 巨人 beat オリックス twice (2-0), 西武 beat ヤクルト once (1-0). Both 1.000; from 2011
    // 巨人's two wins would put it first, in 2008 the places of 2007 decide: 西武 1st, 巨人 2nd.
    // Everyone else is at .000 with no win, ordered by 2007 alone though ヤクルト and オリックス
    // differ on TQB.
    Season season = empty_season("2008", 4);
    add_result(season, kGiants, kBuffaloes, 3, 1);
    test::add_interleague_game(season, {.first = kGiants,
                                        .second = kBuffaloes,
                                        .meet = 2,
                                        .first_runs = 2,
                                        .second_runs = 0,
                                        .month = 6,
                                        .day = 3});
    add_result(season, kLions, kSwallows, 5, 4);
    const InterleaguePlaces places_2007 = {0, 2, 12, 3, 4, 5, 6, 7, 1, 9, 10, 11, 8};
    EXPECT_TRUE(test::matches_golden("interleague/table_2008.txt",
                                     test::pane_lines(interleague_report(season, places_2007))));

    const InterleaguePlaces shared = {0, 1, 3, 3, 3, 3, 3, 3, 1, 3, 3, 3, 3};
    EXPECT_EQ(interleague_places(season, std::nullopt), shared);
}

TEST(InterleagueTable, EachLeaguesTotalsLineIsItsWinsLossesAndDraws) {
    EXPECT_EQ(league_totals_line(1, {.wins = 43, .losses = 63, .draws = 2}),
              U"    セ・リーグ     43勝 63敗 2分");
    EXPECT_EQ(league_totals_line(2, {.wins = 108, .losses = 7, .draws = 0}),
              U"    パ・リーグ    108勝  7敗 0分");

    const auto lines = interleague_ranking(hand_built_2026(), std::nullopt);
    const ClubRecord central = league_interleague_record(lines, 1),
                     pacific = league_interleague_record(lines, 2);
    EXPECT_EQ(central.wins, 6);
    EXPECT_EQ(central.losses, 4);
    EXPECT_EQ(central.draws, 1);
    EXPECT_EQ(pacific.wins, central.losses);
    EXPECT_EQ(pacific.losses, central.wins);
    EXPECT_EQ(pacific.draws, central.draws);
}

TEST(InterleagueTable, ASeasonWithoutInterleagueGamesSaysSo) {
    Season season = empty_season("2026", 3);
    test::add_game(season,
                   {.first = kGiants, .second = kTigers, .first_runs = 3, .second_runs = 1});
    const ReportPane pane = interleague_report(season, places_2025());
    EXPECT_EQ(pane.caption, interleague_title());
    EXPECT_EQ(pane.lines, (std::vector<Text>{U"交流戦の試合はありません。", kCloseLine}));
    EXPECT_FALSE(pane.table.described());
    EXPECT_EQ(interleague_places(season, std::nullopt), InterleaguePlaces{});
}

}  // namespace
}  // namespace tev
