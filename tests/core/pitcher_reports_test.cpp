#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/pitchers/pitcher_make.h"
#include "core/pitchers/pitcher_report.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::pane_lines;

PitcherRow row(int team, const char32_t* name, int wins, int losses, int saves) {
    return PitcherRow{pitcher_key(team, name), static_cast<std::int16_t>(wins), static_cast<std::int16_t>(losses),
                      static_cast<std::int16_t>(saves)};
}

// A Central table in the order the builder leaves it: ties at rows 1-2 and 4-6, names of 3, 8
// and 10 characters, counts of 100 and more, a blank name, and no pitcher of 広島 (club 5).
PitcherTable central_table() {
    PitcherTable t{};
    const std::vector<PitcherRow> rows = {
        row(1, U"斎藤雅", 112, 3, 0),        row(2, U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ", 112, 3, 0), row(3, U"佐々木主浩大魔神", 10, 4, 1),
        row(1, U"桑田", 9, 0, 0),            row(4, U"藪", 9, 0, 2),           row(6, U"今中慎二", 9, 0, 0),
        row(1, U"ＡＢＣＤＥＦＧＨＩＪ", 8, 1, 0), row(3, U"盛田", 0, 100, 0),      row(1, U"", 0, 0, 105)};
    for (std::size_t i = 0; i < rows.size(); ++i) t[i] = rows[i];
    return t;
}

// A Pacific table with the same kinds of rows: ties at rows 1-2 and 4-6, a half-width name, names
// of 8 and 10 characters, a count of 100, a blank name, and no pitcher of 近鉄 (club 9).
PitcherTable pacific_table() {
    PitcherTable t{};
    const std::vector<PitcherRow> rows = {
        row(11, U"伊良部秀輝", 112, 4, 0),   row(10, U"ｸﾞﾛｽﾏﾝｻﾝﾁｪｽ", 112, 4, 0), row(7, U"野田浩司星野伸之", 10, 4, 1),
        row(8, U"西口", 9, 0, 0),            row(12, U"工藤", 9, 0, 2),         row(7, U"星野", 9, 0, 0),
        row(11, U"ＡＢＣＤＥＦＧＨＩＪ", 8, 1, 0), row(10, U"岩本", 0, 100, 0),     row(12, U"", 0, 0, 105)};
    for (std::size_t i = 0; i < rows.size(); ++i) t[i] = rows[i];
    return t;
}

// A table of both leagues: clubs of the two leagues side by side, a tie across the leagues at
// rows 4-5.
PitcherTable both_leagues_table() {
    PitcherTable t{};
    const std::vector<PitcherRow> rows = {
        row(1, U"斎藤雅", 112, 3, 0),           row(11, U"伊良部秀輝", 112, 4, 0), row(2, U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ", 20, 3, 0),
        row(7, U"野田浩司星野伸之", 10, 4, 1),   row(3, U"佐々木主浩大魔神", 10, 4, 1), row(12, U"工藤", 9, 0, 2),
        row(4, U"藪", 9, 0, 2),                 row(11, U"ＡＢＣＤＥＦＧＨＩＪ", 8, 1, 0), row(10, U"岩本", 0, 100, 0),
        row(12, U"", 0, 0, 105)};
    for (std::size_t i = 0; i < rows.size(); ++i) t[i] = rows[i];
    return t;
}

// A season holding the three tables where the window takes them from for each league's list.
std::unique_ptr<Season> season_with_tables() {
    auto season = std::make_unique<Season>();
    season->pitcher_c = central_table();
    season->pitcher_p = pacific_table();
    season->pitcher_all = both_leagues_table();
    return season;
}

// The season table the list of `league` shows (1 Central, 2 Pacific, 3 both).
const PitcherTable& table_of(const Season& season, int league) {
    return league == 1 ? season.pitcher_c : league == 2 ? season.pitcher_p : season.pitcher_all;
}

// The leagues (1, 2) of the clubs the list's lines end with.
std::set<int> leagues_named(const std::vector<Text>& lines) {
    std::set<int> leagues;
    for (const Text& line : lines) {
        int found = 0;
        for (int team = 1; team <= 12; ++team)
            if (line.ends_with(default_club_names().team_name(team))) found = team;
        EXPECT_NE(found, 0) << to_utf8(line);
        if (found != 0) leagues.insert(league_of(found));
    }
    return leagues;
}

TEST(PitcherReports, LeagueListsOfEachLeagueAndLayout) {
    const auto season = season_with_tables();
    for (int league : {1, 2, 3})
        for (int size : {0, 1, 2})
            EXPECT_TRUE(test::matches_golden("pitchers/league_" + std::to_string(league) + "_size" + std::to_string(size) + ".txt",
                                             pane_lines(pitcher_league_report(table_of(*season, league), league, size))));
}

TEST(PitcherReports, EachLeagueListShowsItsOwnLeaguesPitchers) {
    const auto season = season_with_tables();
    EXPECT_EQ(leagues_named(pitcher_league_report(table_of(*season, 1), 1, 0).lines), (std::set<int>{1}));
    EXPECT_EQ(leagues_named(pitcher_league_report(table_of(*season, 2), 2, 0).lines), (std::set<int>{2}));
    EXPECT_EQ(leagues_named(pitcher_league_report(table_of(*season, 3), 3, 0).lines), (std::set<int>{1, 2}));
}

TEST(PitcherReports, LeagueLineFieldsAreLaidOutAsTheListShowsThem) {
    const PitcherTable table = central_table();
    const auto lines = pitcher_league_report(table, 1, 0).lines;
    ASSERT_EQ(lines.size(), 9u);
    // Ranks 1, 1, 3, 4, 4, 4, 7 for the ties at rows 1-2 and 4-6.
    for (auto [line, rank] : {std::pair{0, U"  1]  "}, {1, U"  1]  "}, {2, U"  3]  "}, {3, U"  4]  "}, {4, U"  4]  "},
                              {5, U"  4]  "}, {6, U"  7]  "}, {7, U"  8]  "}})
        EXPECT_EQ(lines[line].substr(0, 6), rank) << line;
    EXPECT_EQ(lines[0], U"  1]  斎藤雅　　　　112勝   3敗   0Ｓ  巨　人　　");
    EXPECT_EQ(lines[2], U"  3]  佐々木主浩大魔10勝   4敗   1Ｓ  横　浜　　");  // eight characters cut to seven
    EXPECT_EQ(lines[4], U"  4]  藪　　　　　　 9勝   0敗   2Ｓ  阪　神　　");
    EXPECT_EQ(lines[7], U"  8]  盛田　　　　　 0勝  100敗   0Ｓ  横　浜　　");  // 100 keeps its digits
    // A blank name still fills its column.
    EXPECT_EQ(lines[8], U"  9]  　　　　　　　 0勝   0敗  105Ｓ  巨　人　　");
    // The Pacific and both-league lists end their saves with one blank only.
    EXPECT_EQ(pitcher_league_line(table[3], 4, 2), U"  4]  桑田　　　　　 9勝   0敗   0Ｓ 巨　人　　");
}

TEST(PitcherReports, ClubListsRankInTheClubAndInTheLeague) {
    const PitcherTable table = central_table();
    for (int size : {0, 1, 2})
        EXPECT_TRUE(test::matches_golden("pitchers/club_1_size" + std::to_string(size) + ".txt",
                                         pane_lines(pitcher_club_report(table, 1, size))));
    const auto giants = pitcher_club_report(table, 1, 0).lines;
    ASSERT_EQ(giants.size(), 4u);
    EXPECT_EQ(giants[0], U"  1)   1]  斎藤雅　　　　　112勝   3敗   0Ｓ   ");
    EXPECT_EQ(giants[1], U"  2)   4]  桑田　　　　　　 9勝   0敗   0Ｓ   ");
    EXPECT_EQ(giants[2], U"  3)   7]  ＡＢＣＤＥＦＧＨ 8勝   1敗   0Ｓ   ");  // ten characters cut to eight
    EXPECT_EQ(giants[3], U"  4)   9]  　　　　　　　　 0勝   0敗  105Ｓ   ");
    EXPECT_EQ(pitcher_club_keys(table, 1).size(), 4u);
    // A club sharing a record with the club row before it shares its club rank.
    PitcherTable tied = table;
    tied[3] = row(1, U"桑田", 112, 3, 0);
    EXPECT_EQ(pitcher_club_report(tied, 1, 0).lines[1].substr(0, 11), U"  1)   4]  ");
    // 広島 has no pitcher: the caption alone.
    const ReportPane hiroshima = pitcher_club_report(table, 5, 0);
    EXPECT_TRUE(hiroshima.lines.empty());
    EXPECT_EQ(hiroshima.caption, U"             　　  広島投手成績一覧\r\n  総合順位　 投手名             勝      敗   セーブ");
    const Text hamu = pitcher_club_report(table, 10, 1).caption;
    EXPECT_EQ(hamu.substr(0, hamu.find(kLineBreak)), U"           　  日本ﾊﾑ投手成績一覧");
}

TEST(PitcherReports, AnEmptyTableGivesTheCaptionAlone) {
    const ReportPane pane = pitcher_league_report(PitcherTable{}, 2, 1);
    EXPECT_TRUE(pane.lines.empty());
    EXPECT_EQ(pane.caption, U"               パシフィックリーグ投手成績一覧\r\n         投手名         勝      敗   セーブ  チーム");
    EXPECT_EQ(pane.status, U"投手名をクリックすると詳細が表示されます。");
}

TEST(PitcherReports, DetailListsDecisionsAndSavesOfTheLeagueInStoreOrder) {
    auto season = std::make_unique<Season>();
    using test::add_game;
    add_game(*season, {.first = 1, .second = 4, .meet = 3, .first_runs = 5, .second_runs = 3, .month = 4, .day = 12,
                       .first_pitcher = U"斎藤雅", .second_pitcher = U"藪", .save = U"石毛"});
    add_game(*season, {.first = 4, .second = 1, .meet = 4, .first_runs = 2, .second_runs = 12, .month = 5, .day = 1,
                       .first_pitcher = U"川尻", .second_pitcher = U"斎藤雅"});
    add_game(*season, {.first = 1, .second = 2, .meet = 1, .first_runs = 2, .second_runs = 2, .month = 5, .day = 3,
                       .first_pitcher = U"斎藤雅", .second_pitcher = U"高津", .save = U"斎藤雅"});  // drawn: nothing
    add_game(*season, {.first = 2, .second = 1, .meet = 2, .first_runs = 1, .second_runs = 3, .month = 5, .day = 9,
                       .first_pitcher = U"岡林", .second_pitcher = U"槙原", .save = U"斎藤雅"});
    add_game(*season, {.first = 2, .second = 1, .meet = 5, .first_runs = 4, .second_runs = 3, .month = 6, .day = 9,
                       .first_pitcher = U"岡林", .second_pitcher = U"斎藤雅"});
    add_game(*season, {.first = 3, .second = 5, .meet = 1, .first_runs = 4, .second_runs = 3, .month = 6, .day = 10,
                       .first_pitcher = U"斎藤雅", .second_pitcher = U"北別府"});  // 横浜's 斎藤雅 is another pitcher
    const auto lines = pitcher_detail_lines(*season, pitcher_key(1, U"斎藤雅"));
    EXPECT_EQ(lines, (std::vector<Text>{U" 4/12 対 阪　神　　  3回戦  ○  5- 3 相手投手= 藪         ",
                                        U" 5/ 9 対 ヤクルト　  2回戦  Ｓ  3- 1 相手投手= 岡林        ",
                                        U" 6/ 9 対 ヤクルト　  5回戦  ●  3- 4 相手投手= 岡林        ",
                                        U" 5/ 1 対 阪　神　　  4回戦  ○ 12- 2 相手投手= 川尻        ",
                                        U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
    // The save pitcher's line of the first game.
    EXPECT_EQ(pitcher_detail_lines(*season, pitcher_key(1, U"石毛"))[0], U" 4/12 対 阪　神　　  3回戦  Ｓ  5- 3 相手投手= 藪         ");
    // A pitcher without decisions: the closing line only.
    EXPECT_EQ(pitcher_detail_lines(*season, pitcher_key(6, U"今中")).size(), 1u);
}

}  // namespace
}  // namespace tev
