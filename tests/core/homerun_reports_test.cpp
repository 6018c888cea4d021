#include <gtest/gtest.h>

#include <memory>

#include "core/homeruns/homerun_cum.h"
#include "core/homeruns/homerun_cum_report.h"
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_report.h"
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "support/golden.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

Text entry(int team, const char32_t* name, int count) { return right_num(team, 2) + pad_wide(name, 10) + right_num(count, 2); }

Text key(int team, const char32_t* name) { return right_num(team, 2) + pad_wide(name, 10); }

template <std::size_t N>
void fill(std::array<Text, N>& table, const std::vector<Text>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) table[i] = entries[i];
}

// Counts 12, 12, 10, 9, 9, 9, 8 (ranks 1, 1, 3, 4, 4, 4, 7), names of 3, 8 and 10 characters,
// no home run of 広島 (club 5).
std::unique_ptr<HomerunTables> tables() {
    auto t = std::make_unique<HomerunTables>();
    fill(t->bat_c, {entry(1, U"松井秀", 12), entry(4, U"ﾊﾟﾁｮﾚｯｸ", 12), entry(2, U"ＡＢＣＤＥＦＧＨ", 10),
                    entry(1, U"落合博満", 9), entry(3, U"ﾛｰｽﾞ", 9), entry(1, U"ＡＢＣＤＥＦＧＨＩＪ", 9), entry(6, U"山崎", 8)});
    fill(t->bat_p, {entry(7, U"ｲﾁﾛｰ", 16), entry(8, U"清原和", 16), entry(12, U"小久保", 3)});
    fill(t->bat_all, {entry(7, U"ｲﾁﾛｰ", 16), entry(8, U"清原和", 16), entry(1, U"松井秀", 12), entry(4, U"ﾊﾟﾁｮﾚｯｸ", 12)});
    fill(t->pit_c, {entry(4, U"藪", 7), entry(1, U"斎藤雅", 2)});
    fill(t->pit_p, {entry(9, U"野茂", 5)});
    fill(t->pit_all, {entry(4, U"藪", 7), entry(9, U"野茂", 5), entry(1, U"斎藤雅", 2)});
    return t;
}

using test::pane_lines;

TEST(HomerunReports, LeagueListsOfBothSides) {
    const auto t = tables();
    for (int league : {1, 2, 3})
        for (HrSide side : {HrSide::batters, HrSide::pitchers})
            EXPECT_TRUE(test::matches_golden("homeruns/league_" + std::to_string(league) +
                                                 (side == HrSide::batters ? "_batters.txt" : "_pitchers.txt"),
                                             pane_lines(homerun_league_report(*t, league, side))));
    const auto lines = homerun_league_report(*t, 1, HrSide::batters).lines;
    ASSERT_EQ(lines.size(), 7u);
    std::vector<Text> ranks;
    for (const Text& l : lines) ranks.push_back(l.substr(0, 6));
    EXPECT_EQ(ranks, (std::vector<Text>{U"  1]  ", U"  1]  ", U"  3]  ", U"  4]  ", U"  4]  ", U"  4]  ", U"  7]  "}));
    EXPECT_EQ(lines[0], U"  1]  松井秀　　　　　　　12本    巨　人　　");
    EXPECT_EQ(lines[5], U"  4]  ＡＢＣＤＥＦＧＨＩＪ 9本    巨　人　　");
    const ReportPane both = homerun_league_report(*t, 3, HrSide::pitchers);
    EXPECT_EQ(both.caption, U"\r\n　　　　　　　　両リーグ被ホームラン投手一覧");
    EXPECT_EQ(both.lines[1], U"  2]  野茂　　　　　　　　 5本    近　鉄　　");
}

TEST(HomerunReports, ClubListsAndAnEmptyClub) {
    const auto t = tables();
    for (int size : {0, 1, 2})
        EXPECT_TRUE(test::matches_golden("homeruns/club_1_size" + std::to_string(size) + ".txt",
                                         pane_lines(homerun_club_report(*t, 1, size))));
    const auto giants = homerun_club_report(*t, 1, 0).lines;
    EXPECT_EQ(giants, (std::vector<Text>{U"  1)   1]  松井秀　　　　　　　12本 ", U"  2)   4]  落合博満　　　　　　 9本 ",
                                         U"  2)   4]  ＡＢＣＤＥＦＧＨＩＪ 9本 "}));
    EXPECT_EQ(homerun_club_keys(*t, 1), (std::vector<Text>{key(1, U"松井秀"), key(1, U"落合博満"), key(1, U"ＡＢＣＤＥＦＧＨＩＪ")}));
    const ReportPane hiroshima = homerun_club_report(*t, 5, 1);
    EXPECT_TRUE(hiroshima.lines.empty());
    EXPECT_EQ(hiroshima.caption, U"          　　     広島ホームラン成績一覧\r\n  総合順位　 バッター名    　ホームラン数");
    EXPECT_EQ(homerun_club_report(*t, 8, 2).lines, std::vector<Text>{U"  1)   1]  清原和　　　　　　　16本 "});
    const ReportPane yokohama = homerun_club_report(*t, 3, 0);
    EXPECT_EQ(yokohama.caption.substr(0, yokohama.caption.find(kLineBreak)), U"               　　横浜ホームラン成績一覧");
}

TEST(HomerunReports, AnEmptyTableGivesTheCaptionAlone) {
    const auto empty = std::make_unique<HomerunTables>();
    const ReportPane pane = homerun_league_report(*empty, 2, HrSide::batters);
    EXPECT_TRUE(pane.lines.empty());
    EXPECT_EQ(pane.caption, U"\r\n　　　　　　　　パシフィックリーグホームラン一覧");
}

TEST(HomerunReports, DetailListsThePlayersHomeRunsGameByGame) {
    auto season = std::make_unique<Season>();
    const auto add = [&](test::GameSpec spec, const std::vector<HrEntry>& hrs) {
        Text game = test::make_game(spec);
        for (const HrEntry& hr : hrs) game += format_hr(hr);
        season->game_at(spec.first, league_index(spec.second), spec.meet) = game;
    };
    add({.first = 1, .second = 4, .meet = 7, .first_runs = 5, .second_runs = 3, .month = 4, .day = 12},
        {{1, U"松井秀", 4, U"藪"}, {4, U"ﾊﾟﾁｮﾚｯｸ", 1, U"斎藤雅"}, {1, U"松井秀", 4, U"川尻"}});
    add({.first = 4, .second = 1, .meet = 12, .first_runs = 2, .second_runs = 1, .month = 6, .day = 3},
        {{1, U"松井秀", 4, U"藪"}});
    add({.first = 7, .second = 9, .meet = 1, .first_runs = 2, .second_runs = 1, .month = 6, .day = 3},
        {{7, U"松井秀", 9, U"藪"}});  // another club's 松井秀 and 藪
    EXPECT_EQ(homerun_detail_lines(*season, key(1, U"松井秀"), HrSide::batters),
              (std::vector<Text>{U" 4/12  対　阪　神　　   7回戦　　藪　　　　　　　　　", U" 4/12  対　阪　神　　   7回戦　　川尻　　　　　　　　",
                                 U" 6/ 3  対　阪　神　　  12回戦　　藪　　　　　　　　　",
                                 U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
    EXPECT_EQ(homerun_detail_lines(*season, key(4, U"藪"), HrSide::pitchers),
              (std::vector<Text>{U" 4/12  対　巨　人　　   7回戦　　松井秀　　　　　　　", U" 6/ 3  対　巨　人　　  12回戦　　松井秀　　　　　　　",
                                 U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
}

TEST(HomerunCum, AYearPast2027GrowsEveryRowsYearsString) {
    auto y1996 = std::make_unique<HomerunTables>();
    auto y2026 = std::make_unique<HomerunTables>();
    fill(y1996->bat_all, {entry(1, U"松井秀", 30), entry(7, U"ｲﾁﾛｰ", 60)});
    fill(y2026->bat_all, {entry(1, U"松井秀", 5)});
    fill(y2026->pit_all, {entry(4, U"藪", 3)});
    const HomerunCumBuild cum = homerun_cum_make({{"1996", y1996.get(), Text()}, {"2026", y2026.get(), Text()},
                                                  {"2028", y2026.get(), Text()}});
    EXPECT_TRUE(cum.notes.empty());
    ASSERT_EQ(cum.batters.size(), 2u);
    EXPECT_EQ(cum.batters[0].count, 60);
    EXPECT_EQ(cum.batters[1].count, 40);
    EXPECT_EQ(mid(cum.batters[1].years, 247, 6), U"2026 5");
    EXPECT_EQ(mid(cum.batters[1].years, 259, 6), U"2028 5");
    for (const auto* side : {&cum.batters, &cum.pitchers})
        for (const HomerunCumRow& row : *side) EXPECT_EQ(row.years.size(), 264u);
    EXPECT_EQ(homerun_year_lines(cum.batters, key(1, U"松井秀")),
              (std::vector<Text>{U"1996年度  30本 ", U"2026年度   5本 ", U"2028年度   5本 ",
                                 U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
    EXPECT_EQ(homerun_year_lines(cum.batters, key(7, U"ｲﾁﾛｰ")),
              (std::vector<Text>{U"1996年度  60本 ", U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
}

TEST(HomerunCum, YearsAddUpWithTheirSlots) {
    auto y1996 = std::make_unique<HomerunTables>();
    auto y1997 = std::make_unique<HomerunTables>();
    fill(y1996->bat_all, {entry(1, U"松井秀", 30), entry(7, U"ｲﾁﾛｰ", 60)});
    fill(y1996->pit_all, {entry(4, U"藪", 7)});
    fill(y1997->bat_all, {entry(1, U"松井秀", 25), entry(7, U"ｲﾁﾛｰ", 40), entry(3, U"ﾛｰｽﾞ", 2)});
    // An empty batter entry beside a pitcher's does not end the year.
    fill(y1997->pit_all, {entry(4, U"藪", 3), entry(9, U"野茂", 1), entry(1, U"槙原", 1), entry(2, U"高津", 1)});
    const HomerunCumBuild cum = homerun_cum_make({{"1996", y1996.get(), Text()}, {"1997", y1997.get(), Text()},
                                                  {"2100", y1997.get(), Text()}, {"2027", y1996.get(), Text()}});
    ASSERT_EQ(cum.batters.size(), 3u);
    EXPECT_EQ(cum.batters[0].key, key(7, U"ｲﾁﾛｰ"));
    EXPECT_EQ(cum.batters[0].count, 160);
    EXPECT_EQ(cum.batters[1].count, 85);  // 30 + 25 + 30 in 2027
    EXPECT_EQ(mid(cum.batters[1].years, 67, 6), U"199630");
    EXPECT_EQ(mid(cum.batters[1].years, 73, 6), U"199725");
    EXPECT_EQ(mid(cum.batters[1].years, 253, 6), U"202730");
    EXPECT_EQ(cum.pitchers.size(), 4u);
    EXPECT_EQ(cum.notes, std::vector<Text>{U"2100年: 累計に入る年度は1985年から2099年までです"});
    for (const HomerunCumRow& row : cum.batters) EXPECT_EQ(row.years.size(), 260u);  // 2027 still fits
    EXPECT_EQ(homerun_year_lines(cum.batters, key(1, U"松井秀")),
              (std::vector<Text>{U"1996年度  30本 ", U"1997年度  25本 ", U"2027年度  30本 ",
                                 U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
    for (int size : {0, 1, 2})
        EXPECT_TRUE(test::matches_golden("homeruns/cum_menu_size" + std::to_string(size) + ".txt",
                                         pane_lines(homerun_cum_report(cum.batters, 1, HrSide::batters, HrCumCaption::menu, size))));
    for (int league : {1, 2, 3})
        for (HrSide side : {HrSide::batters, HrSide::pitchers})
            EXPECT_TRUE(test::matches_golden(
                "homeruns/cum_switch_" + std::to_string(league) + (side == HrSide::batters ? "_batters.txt" : "_pitchers.txt"),
                pane_lines(homerun_cum_report(side == HrSide::batters ? cum.batters : cum.pitchers, league, side,
                                              HrCumCaption::switches, 1))));
    const auto both = homerun_cum_report(cum.batters, 3, HrSide::batters, HrCumCaption::switches, 0).lines;
    EXPECT_EQ(both[0], U"   1] ｲﾁﾛｰ　　　　　　160本    オリックス");  // 100 and more fill the column
    // A name is ten characters whatever their width: a half-width name is blank-filled like any other.
    EXPECT_EQ(both[2], U"   3] ﾛｰｽﾞ　　　　　　  2本    横　浜　　");
}

TEST(HomerunCum, FilesOfTheYearsWithTheCurrentYearFromMemory) {
    test::TempDir dir;
    const auto write = [&](const std::string& name, const HomerunTables& t) {
        const ItemWriter w = homerun_file_writer(t, name);
        ASSERT_TRUE(commit_writers(dir.path(), {&w}).ok());
    };
    auto stale = std::make_unique<HomerunTables>();
    fill(stale->bat_all, {entry(1, U"古い", 5)});
    write("homerun_1996.DAT", *stale);
    auto y1997 = std::make_unique<HomerunTables>();
    fill(y1997->bat_all, {entry(1, U"松井秀", 25)});
    write("homerun_1997.dat", *y1997);  // handed out with a lower-case extension
    write("homerun_1999.DAT", *y1997);
    std::string bytes = test::slurp(dir / "homerun_1999.DAT");
    test::spit(dir / "homerun_1999.DAT", bytes.substr(0, bytes.size() / 2));
    auto now = std::make_unique<HomerunTables>();
    fill(now->bat_all, {entry(1, U"松井秀", 30)});
    std::vector<HrCumStep> steps;
    const HomerunCumBuild cum =
        add_up_homerun_years(dir.path(), {"1996", "1997", "1998", "1999"}, "1996", *now,
                             [&](HrCumStep s) { steps.push_back(s); });
    ASSERT_EQ(cum.batters.size(), 1u);
    EXPECT_EQ(cum.batters[0].count, 55);
    ASSERT_EQ(cum.notes.size(), 2u);
    EXPECT_EQ(cum.notes[0], U"1998年: homerun_1998.DAT が見つかりません");
    EXPECT_EQ(cum.notes[1].substr(0, 23), U"1999年: homerun_1999.DAT");
    EXPECT_EQ(steps, (std::vector<HrCumStep>{HrCumStep::reading, HrCumStep::adding, HrCumStep::first_year,
                                             HrCumStep::sorting_batters, HrCumStep::sorting_pitchers}));
}

TEST(HomerunCum, AFullTableKeepsItsRows) {
    std::vector<std::unique_ptr<HomerunTables>> years;
    std::vector<HomerunYear> inputs;
    for (int y = 0; y < 4; ++y) {  // 4 x 301 distinct batters: 204 do not fit
        auto t = std::make_unique<HomerunTables>();
        for (int i = 0; i < kHrBothEntries; ++i)
            t->bat_all[i] = entry(1 + i % 12, (ascii(std::to_string(y)) + U"-" + ascii(std::to_string(i))).c_str(), 1);
        inputs.push_back({std::to_string(2000 + y), t.get(), Text()});
        years.push_back(std::move(t));
    }
    const HomerunCumBuild cum = homerun_cum_make(inputs);
    EXPECT_EQ(cum.batters.size(), 1000u);
    EXPECT_EQ(cum.batters[999].key, mid(years[3]->bat_all[96], 1, 12));
    EXPECT_EQ(cum.notes, std::vector<Text>{U"累計の表が1000人で一杯のため、打者204人のホームランを入れていません"});
}

TEST(HomerunCum, AYearSlotPast99IsHeldAt99AndNamed) {
    // Only a damaged file lists one batter twice in a year; the total keeps every home run.
    auto t = std::make_unique<HomerunTables>();
    fill(t->bat_all, {entry(1, U"松井秀", 60), entry(1, U"松井秀", 50)});
    const HomerunCumBuild cum = homerun_cum_make({{"1997", t.get(), Text()}});
    ASSERT_EQ(cum.batters.size(), 1u);
    EXPECT_EQ(cum.batters[0].count, 110);
    EXPECT_EQ(mid(cum.batters[0].years, 73, 6), U"199799");
    EXPECT_EQ(cum.notes, std::vector<Text>{U"1997年: 打者のホームラン数が99を超えるため、その年度の欄は99としています"});
}

}  // namespace
}  // namespace tev
