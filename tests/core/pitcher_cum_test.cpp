#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>

#include "core/pitchers/pitcher_cum.h"
#include "core/pitchers/pitcher_cum_report.h"
#include "core/pitchers/pitcher_make.h"
#include "core/settings/settings.h"
#include "core/store/season_files.h"
#include "core/text/fixed_width.h"
#include "season_gen.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

PitcherRow row(int team, const char32_t* name, int wins, int losses, int saves) {
    return PitcherRow{pitcher_key(team, name), static_cast<std::int16_t>(wins), static_cast<std::int16_t>(losses),
                      static_cast<std::int16_t>(saves)};
}

std::unique_ptr<PitcherTable> table_of(const std::vector<PitcherRow>& rows) {
    auto t = std::make_unique<PitcherTable>();
    for (std::size_t i = 0; i < rows.size(); ++i) (*t)[i] = rows[i];
    return t;
}

const PitcherCumRow* find(const PitcherCum& cum, const Text& key) {
    for (const PitcherCumRow& r : cum)
        if (r.key == key) return &r;
    return nullptr;
}

TEST(PitcherCum, YearsAddUpPerClubWithEachYearInItsSlot) {
    const auto y1996 = table_of({row(1, U"工藤", 12, 3, 1), row(2, U"石井", 5, 5, 0)});
    const auto y1997 = table_of({row(1, U"工藤", 15, 4, 2), row(8, U"石井", 7, 1, 0)});  // 石井 moved to 西武
    const PitcherCumBuild build = pitcher_cum_make({{"1996", y1996.get(), Text()},
                                                    {"1997", y1997.get(), Text()},
                                                    {"1998", nullptr, U"Pitcher_1998.DAT が見つかりません"}});
    ASSERT_EQ(build.table.size(), 3u);
    EXPECT_EQ(build.table[0].key, pitcher_key(1, U"工藤"));
    EXPECT_EQ(build.table[0].wins, 27);  // 12 + 15
    EXPECT_EQ(build.table[0].losses, 7);
    EXPECT_EQ(build.table[0].saves, 3);
    EXPECT_EQ(mid(build.table[0].years, 111, 10), U"199612 3 1");
    EXPECT_EQ(mid(build.table[0].years, 121, 10), U"199715 4 2");
    EXPECT_EQ(build.table[0].years.size(), 260u);
    EXPECT_EQ(mid(build.table[0].years, 1, 110), Text(110, U'0'));
    EXPECT_EQ(mid(build.table[0].years, 131, 130), Text(130, U'0'));
    // The pitcher who changed clubs has a row per club, ordered by wins.
    EXPECT_EQ(build.table[1].key, pitcher_key(8, U"石井"));
    EXPECT_EQ(build.table[2].key, pitcher_key(2, U"石井"));
    EXPECT_EQ(mid(build.table[1].years, 111, 10), Text(10, U'0'));
    EXPECT_EQ(build.notes, std::vector<Text>{U"1998年: Pitcher_1998.DAT が見つかりません"});
    EXPECT_EQ(pitcher_year_lines(build.table, pitcher_key(1, U"工藤")),
              (std::vector<Text>{U"1996年度  12勝  3敗  1Ｓ", U"1997年度  15勝  4敗  2Ｓ",
                                 U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
}

TEST(PitcherCum, ListsAndCaptions) {
    const auto y1996 = table_of({row(1, U"工藤", 12, 3, 1), row(7, U"野茂", 12, 3, 0), row(2, U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ", 9, 9, 0),
                                 row(8, U"佐々木主浩大魔神", 9, 9, 40), row(3, U"盛田", 0, 1, 0)});
    const auto y1997 = table_of({row(1, U"工藤", 90, 3, 0), row(3, U"盛田", 0, 99, 0)});
    const PitcherCumBuild build = pitcher_cum_make({{"1996", y1996.get(), Text()}, {"1997", y1997.get(), Text()}});
    for (int league : {1, 2, 3})
        for (int size : {0, 1, 2}) {
            const ReportPane pane = pitcher_cum_report(build.table, league, size);
            std::vector<Text> lines = {pane.caption, U"--"};
            lines.insert(lines.end(), pane.lines.begin(), pane.lines.end());
            lines.push_back(U"--");
            lines.push_back(pane.status);
            for (Text& l : lines)
                if (auto at = l.find(kLineBreak); at != Text::npos) l.replace(at, 2, U"|");
            EXPECT_TRUE(test::matches_golden("pitchers/cum_" + std::to_string(league) + "_size" + std::to_string(size) + ".txt", lines));
        }
    const auto central = pitcher_cum_report(build.table, 1, 0).lines;
    ASSERT_EQ(central.size(), 3u);
    EXPECT_EQ(central[0], U"   1] 工藤　　　　　102勝   6敗   1Ｓ 巨　人　　");  // 100 and more fill the column
    EXPECT_EQ(central[1], U"   2] ﾏｸﾄﾞﾅﾙﾄ  9勝   9敗   0Ｓ ヤクルト　");  // ten columns of fourteen
    EXPECT_EQ(central[2], U"   3] 盛田　　　　　  0勝 100敗   0Ｓ 横　浜　　");
    // Ranks are counted over the rows the list takes.
    const auto pacific = pitcher_cum_report(build.table, 2, 0).lines;
    ASSERT_EQ(pacific.size(), 2u);
    EXPECT_EQ(pacific[1].substr(0, 6), U"   2] ");
    EXPECT_EQ(pitcher_cum_keys(build.table, 2).front(), pitcher_key(7, U"野茂"));
}

// A data folder with generated seasons of 1997 and 1998 on disk; 1996 is the year in memory.
class AddUpPitcherYearsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [year, seed] : {std::pair{"1996", 1u}, std::pair{"1997", 2u}, std::pair{"1998", 3u}}) {
            auto season = std::make_unique<Season>(gen::generate_season(year, seed));
            ASSERT_TRUE(gen::write_generated(dir.path(), *season).ok());
            tables[year] = std::make_unique<PitcherTable>(build_pitcher_table(*season, 1, 12).table);
        }
    }

    PitcherCumBuild build(const std::vector<std::string>& years, const PitcherTable& current) {
        return add_up_pitcher_years(dir.path(), years, "1996", current, [this](CumStep s) { steps.push_back(s); });
    }

    test::TempDir dir;
    std::map<std::string, std::unique_ptr<PitcherTable>> tables;
    std::vector<CumStep> steps;
};

TEST_F(AddUpPitcherYearsTest, EveryTotalIsTheSumOfItsYears) {
    const PitcherCumBuild cum = build({"1996", "1997", "1998", "1999"}, *tables["1996"]);
    EXPECT_EQ(cum.notes, std::vector<Text>{U"1999年: Pitcher_1999.DAT が見つかりません"});
    EXPECT_EQ(steps, (std::vector<CumStep>{CumStep::reading, CumStep::first_year, CumStep::all_years, CumStep::sorted}));
    std::map<Text, std::array<int, 3>> sums;
    for (const auto& [year, table] : tables)
        for (const PitcherRow& r : *table) {
            if (r.key.empty()) break;
            auto& s = sums[r.key];
            s[0] += r.wins, s[1] += r.losses, s[2] += r.saves;
            const PitcherCumRow* cum_row = find(cum.table, r.key);
            ASSERT_NE(cum_row, nullptr);
            const std::size_t pos = (std::stoi(year) - 1985) * 10 + 1;
            EXPECT_EQ(mid(cum_row->years, pos, 10), ascii(year) + right_num(r.wins, 2) + right_num(r.losses, 2) + right_num(r.saves, 2));
        }
    ASSERT_EQ(cum.table.size(), sums.size());
    for (std::size_t i = 0; i < cum.table.size(); ++i) {
        const auto& s = sums[cum.table[i].key];
        EXPECT_EQ(cum.table[i].wins, s[0]);
        EXPECT_EQ(cum.table[i].losses, s[1]);
        EXPECT_EQ(cum.table[i].saves, s[2]);
        if (i > 0) {  // wins, then losses
            const auto& a = cum.table[i - 1];
            const auto& b = cum.table[i];
            EXPECT_TRUE(a.wins > b.wins || (a.wins == b.wins && a.losses <= b.losses));
        }
    }
}

TEST_F(AddUpPitcherYearsTest, APitcherWhoChangedClubsHasARowPerClubAndHisYearsAddUp) {
    // 工藤 wins 12 for 巨人 in 1996 and 15 in 1997, then pitches for ダイエー in 1998.
    auto y1996 = std::make_unique<PitcherTable>(*tables["1996"]);
    (*y1996)[0] = row(1, U"工藤", 12, 5, 0);
    for (auto [year, seed, team, wins] : {std::tuple{"1997", 2u, 1, 15}, std::tuple{"1998", 3u, 12, 11}}) {
        auto season = std::make_unique<Season>(gen::generate_season(year, seed));
        season->pitcher_all = *tables[year];
        season->pitcher_all[0] = row(team, U"工藤", wins, 4, 0);
        const ItemWriter writer = pitcher_file_writer(*season, "Pitcher_" + std::string(year) + ".DAT");
        ASSERT_TRUE(commit_writers(dir.path(), {&writer}).ok());
    }
    const PitcherCumBuild cum = build({"1996", "1997", "1998"}, *y1996);
    EXPECT_TRUE(cum.notes.empty());
    const PitcherCumRow* giants = find(cum.table, pitcher_key(1, U"工藤"));
    const PitcherCumRow* daiei = find(cum.table, pitcher_key(12, U"工藤"));
    ASSERT_NE(giants, nullptr);
    ASSERT_NE(daiei, nullptr);
    EXPECT_EQ(giants->wins, 27);
    EXPECT_EQ(mid(giants->years, 111, 10), U"199612 5 0");
    EXPECT_EQ(mid(giants->years, 121, 10), U"199715 4 0");
    EXPECT_EQ(mid(giants->years, 131, 10), Text(10, U'0'));
    EXPECT_EQ(daiei->wins, 11);
    EXPECT_EQ(mid(daiei->years, 131, 10), U"199811 4 0");
    EXPECT_EQ(cum.table[0].key, giants->key);  // 27 wins lead every generated pitcher
}

TEST_F(AddUpPitcherYearsTest, OnlyTheFirstYearRegisteredGivesItsTableInItsOrder) {
    const PitcherCumBuild cum = build({"1996"}, *tables["1996"]);
    const PitcherTable& t = *tables["1996"];
    for (std::size_t r = 0; r < cum.table.size(); ++r) {
        EXPECT_EQ(cum.table[r].key, t[r].key);
        EXPECT_EQ(cum.table[r].wins, t[r].wins);
        EXPECT_EQ(cum.table[r].years.substr(0, 110) + cum.table[r].years.substr(120), Text(250, U'0'));
    }
    EXPECT_TRUE(t[cum.table.size()].key.empty());
}

TEST_F(AddUpPitcherYearsTest, TheCurrentYearComesFromMemoryNotFromItsFile) {
    // Pitcher_1996.DAT on disk is from seed 1; the games in memory have changed since.
    const auto changed = table_of({row(4, U"藪", 20, 1, 0)});
    const PitcherCumBuild cum = build({"1996"}, *changed);
    ASSERT_EQ(cum.table.size(), 1u);
    EXPECT_EQ(cum.table[0].key, pitcher_key(4, U"藪"));
}

TEST_F(AddUpPitcherYearsTest, AHandedOutFileWithALowerCaseExtensionIsRead) {
    std::filesystem::rename(dir / "Pitcher_1997.DAT", dir / "Pitcher_1997.dat");
    const PitcherCumBuild cum = build({"1996", "1997"}, *tables["1996"]);
    EXPECT_TRUE(cum.notes.empty());
    EXPECT_NE(find(cum.table, (*tables["1997"])[0].key), nullptr);
    EXPECT_EQ(find(cum.table, (*tables["1997"])[0].key)->years.substr(120, 4), U"1997");
}

TEST_F(AddUpPitcherYearsTest, ADamagedYearIsLeftOutAndNamedTheOthersStayWhole) {
    std::string bytes = test::slurp(dir / "Pitcher_1997.DAT");
    const std::size_t line2 = bytes.find("\r\n") + 2;
    bytes.replace(line2, bytes.find("\r\n", line2) - line2, "\"x\"");  // line 2 has one item
    test::spit(dir / "Pitcher_1997.DAT", bytes);
    const PitcherCumBuild cum = build({"1996", "1997", "1998"}, *tables["1996"]);
    ASSERT_EQ(cum.notes.size(), 1u);
    EXPECT_EQ(cum.notes[0].substr(0, 23), U"1997年: Pitcher_1997.DAT");
    EXPECT_NE(cum.notes[0].find(U"2行目"), Text::npos);
    for (const PitcherCumRow& r : cum.table) EXPECT_EQ(mid(r.years, 121, 10), Text(10, U'0'));
    const PitcherCumBuild without = build({"1996", "1998"}, *tables["1996"]);
    ASSERT_EQ(cum.table.size(), without.table.size());
    for (std::size_t i = 0; i < cum.table.size(); ++i) EXPECT_EQ(cum.table[i].years, without.table[i].years);
}

TEST_F(AddUpPitcherYearsTest, AKeyWithoutAClubMakesTheFileDamaged) {
    auto season = std::make_unique<Season>(gen::generate_season("1997", 2));
    season->pitcher_all[3].key = U"99山田        ";
    const ItemWriter writer = pitcher_file_writer(*season, "Pitcher_1997.DAT");
    ASSERT_TRUE(commit_writers(dir.path(), {&writer}).ok());
    const PitcherCumBuild cum = build({"1996", "1997"}, *tables["1996"]);
    ASSERT_EQ(cum.notes.size(), 1u);
    EXPECT_NE(cum.notes[0].find(U"4行目"), Text::npos);
}

TEST(PitcherCum, AFullTableKeepsItsRowsAndSaysHowManyWereLeftOut) {
    std::vector<std::unique_ptr<PitcherTable>> years;
    std::vector<PitcherYear> inputs;
    for (int y = 0; y < 5; ++y) {  // 5 x 250 distinct pitchers: 250 do not fit
        auto t = std::make_unique<PitcherTable>();
        for (int r = 0; r < kPitcherRows; ++r)
            (*t)[r] = row(1 + r % 12, (ascii(std::to_string(y)) + U"-" + ascii(std::to_string(r))).c_str(), 1, 0, 0);
        inputs.push_back({std::to_string(1996 + y), t.get(), Text()});
        years.push_back(std::move(t));
    }
    const PitcherCumBuild cum = pitcher_cum_make(inputs);
    EXPECT_EQ(cum.table.size(), 1000u);
    EXPECT_EQ(cum.table[0].key, (*years[0])[0].key);
    EXPECT_EQ(cum.table[999].key, (*years[3])[249].key);
    EXPECT_EQ(cum.notes, std::vector<Text>{U"累計の表が1000人で一杯のため、250人の投手成績を入れていません"});
}

TEST(PitcherCum, CountsPastTheSlotAndYearsOutsideTheRangeAreLeftOut) {
    const auto y1996 = table_of({row(1, U"工藤", 100, 3, 1), row(2, U"石井", 5, 5, 0)});
    const auto y2010 = table_of({row(2, U"石井", 1, 0, 0)});
    const auto y2011 = table_of({row(2, U"石井", 9, 0, 0)});
    const PitcherCumBuild cum = pitcher_cum_make({{"1996", y1996.get(), Text()},
                                                  {"2010", y2010.get(), Text()},
                                                  {"2100", y2011.get(), Text()},
                                                  {"1984", y2011.get(), Text()}});
    ASSERT_EQ(cum.table.size(), 1u);
    EXPECT_EQ(cum.table[0].wins, 6);
    EXPECT_EQ(mid(cum.table[0].years, 251, 10), U"2010 1 0 0");  // the last slot of 260
    EXPECT_EQ(cum.table[0].years.size(), 260u);
    EXPECT_EQ(cum.notes, (std::vector<Text>{U"1996年: 勝・敗・セーブの数が99を超える投手1人を入れていません",
                                            U"2100年: 累計に入る年度は1985年から2099年までです",
                                            U"1984年: 累計に入る年度は1985年から2099年までです"}));
    EXPECT_EQ(year_slot_position("2004", 10), 191u);
    EXPECT_EQ(year_slot_position("2026", 10), 411u);
    EXPECT_EQ(year_slot_position("2099", 6), 685u);
    EXPECT_EQ(year_slot_position("2100", 10), 0u);
    EXPECT_EQ(year_slot_position("199x", 10), 0u);
}

TEST(PitcherCum, YearsAfter2010GrowEveryRowsYearsString) {
    const auto y1996 = table_of({row(1, U"工藤", 10, 3, 1), row(2, U"石井", 5, 5, 0)});
    const auto y2011 = table_of({row(2, U"石井", 9, 0, 0)});
    const auto y2026 = table_of({row(2, U"石井", 12, 4, 0)});
    const PitcherCumBuild cum = pitcher_cum_make({{"1996", y1996.get(), Text()},
                                                  {"2026", y2026.get(), Text()},
                                                  {"2011", y2011.get(), Text()}});
    ASSERT_EQ(cum.table.size(), 2u);
    EXPECT_EQ(cum.table[0].key, pitcher_key(2, U"石井"));
    EXPECT_EQ(cum.table[0].wins, 26);
    EXPECT_EQ(mid(cum.table[0].years, 261, 10), U"2011 9 0 0");
    EXPECT_EQ(mid(cum.table[0].years, 411, 10), U"202612 4 0");
    for (const PitcherCumRow& r : cum.table) EXPECT_EQ(r.years.size(), 420u);
    EXPECT_EQ(mid(cum.table[1].years, 261, 160), Text(160, U'0'));  // the 1996-only row
    EXPECT_TRUE(cum.notes.empty());
    EXPECT_EQ(pitcher_year_lines(cum.table, pitcher_key(2, U"石井")),
              (std::vector<Text>{U"1996年度   5勝  5敗  0Ｓ", U"2011年度   9勝  0敗  0Ｓ",
                                 U"2026年度  12勝  4敗  0Ｓ",
                                 U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
}

}  // namespace
}  // namespace tev
