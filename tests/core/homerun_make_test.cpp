#include <gtest/gtest.h>

#include <memory>

#include "core/homeruns/batter_pick_list.h"
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_make.h"
#include "core/store/game_string.h"
#include "core/store/season_files.h"
#include "core/text/cp932.h"
#include "core/text/fixed_width.h"
#include "season_gen.h"
#include "support/golden.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

struct Hr {
    int batter_team;
    const char32_t* batter;
    int pitcher_team;
    const char32_t* pitcher;
};

class HomerunMakeTest : public ::testing::Test {
  protected:
    // Stores a game of `first` at `second` (meeting `meet`) with the home runs `hrs` in order.
    void play(int first, int second, int meet, std::initializer_list<Hr> hrs) {
        Text game =
            test::make_game({.first = first, .second = second, .meet = meet, .first_runs = 1});
        for (const Hr& hr : hrs)
            game += format_hr({hr.batter_team, hr.batter, hr.pitcher_team, hr.pitcher});
        season->game_at(first, league_index(second), meet) = game;
    }

    // The used entries of a table, one line each.
    template <std::size_t N>
    static std::vector<Text> used(const std::array<Text, N>& table) {
        std::vector<Text> out;
        for (const Text& entry : table) {
            if (entry.empty()) break;
            out.push_back(entry);
        }
        return out;
    }

    // The six tables one after another, each under its name, as the golden file holds them.
    static std::vector<Text> all_tables(const HomerunTables& t) {
        std::vector<Text> out;
        const auto section = [&](const char32_t* name, const std::vector<Text>& rows) {
            out.emplace_back(name);
            out.insert(out.end(), rows.begin(), rows.end());
        };
        section(U"[hr_bat_c]", used(t.bat_c));
        section(U"[hr_bat_p]", used(t.bat_p));
        section(U"[hr_bat_all]", used(t.bat_all));
        section(U"[hr_pit_c]", used(t.pit_c));
        section(U"[hr_pit_p]", used(t.pit_p));
        section(U"[hr_pit_all]", used(t.pit_all));
        return out;
    }

    std::unique_ptr<Season> season = std::make_unique<Season>();
};

// A small season: two in one game, the same name for two clubs, equal counts in both leagues,
// a count of 10 beside single digits, and games stored in both orientations.
TEST_F(HomerunMakeTest, TalliesOfASmallSeasonMatchTheGoldenFile) {
    play(1, 4, 1, {{4, U"山田", 1, U"佐藤"}, {4, U"山田", 1, U"佐藤"}, {1, U"松井", 4, U"藪"}});
    play(2, 3, 1, {{3, U"山田", 2, U"高津"}, {2, U"古田", 3, U"佐々木"}});
    play(4, 1, 5, {{1, U"松井", 4, U"川尻"}, {1, U"清水", 4, U"川尻"}});
    play(8, 12, 1,
         {{8, U"清原", 12, U"工藤"}, {8, U"清原", 12, U"工藤"}, {12, U"小久保", 8, U"西口"}});
    for (int meet = 2; meet <= 6; ++meet)
        play(7, 11, meet, {{7, U"ｲﾁﾛｰ", 11, U"伊良部"}, {7, U"ｲﾁﾛｰ", 11, U"伊良部"}});
    const HomerunBuild built = homerun_make(*season);
    EXPECT_FALSE(built.left_out.any());
    EXPECT_TRUE(
        test::matches_golden("homeruns/small_season_tallies.txt", all_tables(built.tables)));
}

TEST_F(HomerunMakeTest, EqualCountsKeepTheOrderOfFirstAppearanceAndCentralBeforePacific) {
    // 広島's 前田 hits in slot (5, 1, 3), before slot (5, 2, 1) where 池山 and 江藤 hit, though
    // that game has the lower meeting number; 巨人's 松井 comes last, from club 6's row.
    play(5, 2, 1, {{2, U"池山", 5, U"佐々岡"}, {5, U"江藤", 2, U"石井"}});
    play(5, 1, 3, {{5, U"前田", 1, U"斎藤"}});
    play(6, 1, 1, {{1, U"松井", 6, U"今中"}});
    play(7, 8, 1, {{7, U"田口", 8, U"郭"}});
    const HomerunTables t = homerun_make(*season).tables;
    EXPECT_EQ(used(t.bat_c),
              (std::vector<Text>{U" 5前田\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 1",
                                 U" 2池山\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 1",
                                 U" 5江藤\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 1",
                                 U" 1松井\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 1"}));
    // Pacific 田口 (club 7) comes after every Central batter with the same count.
    EXPECT_EQ(mid(t.bat_all[4], 1, 4), U" 7田口");
    EXPECT_EQ(used(t.bat_all).size(), 5u);
}

// Names 選手001.. for club `team`, fifteen to a game (the most a game holds).
void add_many(Season& season, int first, int second, int players, int pitcher_team) {
    for (int p = 0, meet = 1; p < players; ++meet) {
        Text game =
            test::make_game({.first = first, .second = second, .meet = meet, .first_runs = 1});
        for (int j = 0; j < kMaxHomeRuns && p < players; ++j, ++p)
            game += format_hr(
                {first, U"選手" + right_text(plain_num(p + 1), 3), pitcher_team, U"投手"});
        season.game_at(first, league_index(second), meet) = game;
    }
}

TEST_F(HomerunMakeTest, PlayersPastATableKeepEveryBuiltRowAndAreCounted) {
    add_many(*season, 1, 2, 160, 2);  // 160 Central batters: 9 find the table full
    // 選手001 hits once more after the table is full: his row still counts it.
    season->game_at(3, 4, 1) =
        test::make_game({.first = 3, .second = 4}) + format_hr({1, U"選手  1", 4, U"藪"});
    add_many(*season, 7, 8, 151, 8);  // 151 Pacific batters fill their table exactly
    const HomerunBuild built = homerun_make(*season);
    const HomerunTables& t = built.tables;
    EXPECT_EQ(built.left_out.bat_c, 9);
    EXPECT_EQ(built.left_out.bat_p, 0);
    EXPECT_EQ(built.left_out.bat_all, 1);  // 151 + 151 players for 301 rows
    EXPECT_EQ(t.bat_c[0], U" 1選手  1\u3000\u3000\u3000\u3000\u3000 2");
    EXPECT_EQ(used(t.bat_c).size(), 151u);
    EXPECT_EQ(t.bat_c[150], U" 1選手151\u3000\u3000\u3000\u3000\u3000 1");
    EXPECT_EQ(used(t.bat_p).size(), 151u);
    EXPECT_EQ(used(t.bat_all).size(), 301u);
    // What is left out of both leagues is the last player with the lowest count.
    EXPECT_EQ(t.bat_all[300], U" 7選手150\u3000\u3000\u3000\u3000\u3000 1");
    // One pitcher per league: his counts are whole (the pitcher tables are not full).
    EXPECT_EQ(t.pit_c[0], U" 2投手\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u300099");
    EXPECT_EQ(built.left_out.pit_c, 0);
}

TEST_F(HomerunMakeTest, ACountPast99IsHeldAt99) {
    for (int meet = 1; meet <= 7; ++meet) {  // 105 home runs by one batter off one pitcher
        Text game = test::make_game({.first = 1, .second = 2, .meet = meet});
        for (int j = 0; j < kMaxHomeRuns; ++j) game += format_hr({1, U"王", 2, U"金田"});
        season->game_at(1, 2, meet) = game;
    }
    season->game_at(3, 4, 1) =
        test::make_game({.first = 3, .second = 4}) + format_hr({3, U"秋山", 4, U"江夏"});
    const HomerunBuild built = homerun_make(*season);
    EXPECT_EQ(built.tables.bat_c[0],
              U" 1王\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u300099");
    EXPECT_EQ(built.tables.bat_all[0], built.tables.bat_c[0]);
    EXPECT_EQ(built.tables.pit_c[0], U" 2金田\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u300099");
    EXPECT_EQ(built.tables.bat_c[1], U" 3秋山\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 1");
    EXPECT_EQ(built.left_out.held_at_99, 2);
}

TEST_F(HomerunMakeTest, ProgressIsReportedAtSixPointsInOrder) {
    std::vector<int> steps;
    homerun_make(*season, [&](int n) { steps.push_back(n); });
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(HomerunMakeTest, AGeneratedSeasonCountsEveryRecordOnceForEachSide) {
    const auto generated = std::make_unique<Season>(gen::generate_season("1996", 1));
    const HomerunTables t = homerun_make(*generated).tables;
    int records = 0;
    for_each_game(*generated, 1, 12, [&](Slot, const Text& game) { records += hr_count(game); });
    const auto total = [](const auto& table) {
        int sum = 0;
        for (const Text& entry : table) sum += tally_count(entry);
        return sum;
    };
    ASSERT_GT(records, 0);
    EXPECT_EQ(total(t.bat_c) + total(t.bat_p), records);
    EXPECT_EQ(total(t.pit_c) + total(t.pit_p), records);
    EXPECT_EQ(total(t.bat_all), records);
    EXPECT_EQ(total(t.pit_all), records);
}

TEST_F(HomerunMakeTest, TheBuiltTablesRoundTripThroughTheirFile) {
    play(1, 4, 1, {{4, U"ﾊﾞｰﾌｨｰﾙﾄﾞ", 1, U"斎藤"}, {1, U"松井", 4, U"藪"}});
    play(9, 10, 1, {{9, U"ﾌﾞﾗｯｸｳｪﾙ", 10, U"西崎"}});
    const HomerunTables built = homerun_make(*season).tables;
    test::TempDir dir;
    const ItemWriter writer = homerun_file_writer(built, "homerun_1996.DAT");
    ASSERT_TRUE(commit_writers(dir.path(), {&writer}).ok());
    auto back = read_homerun_file(dir.path(), "homerun_1996.DAT");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, built);
}

TEST(HomerunFile, AnEntryWhoseClubIsOutside1To12IsDamaged) {
    test::TempDir dir;
    auto tables = std::make_unique<HomerunTables>();
    tables->bat_c[0] = U" 1松井\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 3";
    for (const char32_t* bad : {U"13松井\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 3",
                                U" 0松井\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 3"}) {
        tables->pit_all[2] = bad;
        const ItemWriter writer = homerun_file_writer(*tables, "homerun_1996.DAT");
        ASSERT_TRUE(commit_writers(dir.path(), {&writer}).ok());
        auto read = read_homerun_file(dir.path(), "homerun_1996.DAT");
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().kind, ErrorKind::damaged);
        EXPECT_EQ(read.error().line, 154);  // entry 2 of the tables of both leagues
    }
}

TEST(GameFile, AHomeRunRecordWhoseClubIsOutside1To12IsDamaged) {
    test::TempDir dir;
    auto season = std::make_unique<Season>();
    season->game_at(1, 4, 1) =
        test::make_game({.first = 1, .second = 4}) + format_hr({13, U"松井", 4, U"藪"});
    const FileNames names = year_file_names("1996");
    ASSERT_TRUE(write_season_files(dir.path(), names, *season).ok());
    auto loaded = std::make_unique<Season>();
    const Status read = read_season_files(dir.path(), names, *loaded);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().kind, ErrorKind::damaged);
    EXPECT_EQ(read.error().line, slot_line({1, 4, 1}));
    EXPECT_TRUE(loaded->empty());
}

TEST(GameFile, AGameWithSixteenHomeRunsIsDamaged) {
    test::TempDir dir;
    auto season = std::make_unique<Season>();
    Text game = test::make_game({.first = 1, .second = 4});
    for (int j = 0; j < 16; ++j) game += format_hr({1, U"松井", 4, U"藪"});
    season->game_at(1, 4, 1) = game;
    const FileNames names = year_file_names("1996");
    ASSERT_TRUE(write_season_files(dir.path(), names, *season).ok());
    auto loaded = std::make_unique<Season>();
    const Status read = read_season_files(dir.path(), names, *loaded);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().line, slot_line({1, 4, 1}));
}

TEST(BatterPickList, RowsCarryTheLeagueRankAndTheSpecialRows) {
    HrLeagueTable table;
    table[0] = U" 1松井\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u300012";
    table[1] = U" 4ﾊﾟｳｴﾙ     12";
    table[2] = U" 1清水\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 9";
    table[3] = U" 1仁志敏久\u3000\u3000\u3000\u3000\u3000\u3000 9";
    EXPECT_EQ(homerun_batter_rows(table, 1),
              (std::vector<Text>{U"巨　人　　ホームラン打者名", U"",
                                 U"  1] 松井\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u300012本",
                                 U"  3] 清水\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 9本",
                                 U"  3] 仁志敏久\u3000\u3000\u3000\u3000\u3000\u3000 9本",
                                 U"***] キーボード入力より入力", U"***] ＨＲ入力終了"}));
    // An ASCII-padded name comes back trimmed and padded with full-width blanks.
    EXPECT_EQ(homerun_batter_rows(table, 4)[2], U"  1] ﾊﾟｳｴﾙ\u3000\u3000\u3000\u3000\u300012本");
    EXPECT_EQ(homerun_batter_rows(table, 5).size(), 4u);  // a club without home runs
    EXPECT_EQ(batter_pick_kind(U"巨　人　　ホームラン打者名"), BatterPick::none);
    EXPECT_EQ(batter_pick_kind(U""), BatterPick::none);
    EXPECT_EQ(batter_pick_kind(U"***] ＨＲ入力終了"), BatterPick::end);
    EXPECT_EQ(batter_pick_kind(U"***] キーボード入力より入力"), BatterPick::keyboard);
    EXPECT_EQ(batter_pick_kind(typed_batter_row(U"高橋由　")), BatterPick::batter);
    EXPECT_EQ(typed_batter_row(U"高橋由　 "), U"  *] 高橋由");
}

}  // namespace
}  // namespace tev
