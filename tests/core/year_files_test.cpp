#include "core/years/year_files.h"

#include <gtest/gtest.h>

#include "core/settings/settings.h"
#include "core/text/data_file.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::spit;

TEST(YearLists, TheReadListShowsTheRegisteredYearsThenCancel) {
    EXPECT_EQ(registered_year_items("Regi Year= 19961997"),
              (std::vector<Text>{U"1996", U"1997", U"ｷｬﾝｾﾙ"}));
}

TEST(YearLists, TheNewYearListLeavesOutTheRegisteredYears) {
    const auto items = unregistered_year_items("Regi Year= 19961997");
    ASSERT_EQ(items.size(), 25u);
    EXPECT_EQ(items[0], U" 1985");
    EXPECT_EQ(items[10], U" 1995");
    EXPECT_EQ(items[11], U" 1998");
    EXPECT_EQ(items[23], U" 2010");
    EXPECT_EQ(items[24], U"ｷｬﾝｾﾙ");
    EXPECT_EQ(std::count(items.begin(), items.end(), U" 1996"), 0);
}

TEST(YearLists, TheNewYearListRunsToNextYearButNeverEndsBefore2010) {
    EXPECT_EQ(last_offered_year(1996), 2010);
    EXPECT_EQ(last_offered_year(2009), 2010);
    EXPECT_EQ(last_offered_year(2010), 2011);
    EXPECT_EQ(last_offered_year(2026), 2027);
    const auto items = unregistered_year_items("Regi Year= 19962026", last_offered_year(2026));
    ASSERT_EQ(items.size(), 42u);  // 1985..2027 without 1996 and 2026, then cancel
    EXPECT_EQ(items[24], U" 2010");
    EXPECT_EQ(items[25], U" 2011");
    EXPECT_EQ(items[39], U" 2025");
    EXPECT_EQ(items[40], U" 2027");
    EXPECT_EQ(items[41], U"ｷｬﾝｾﾙ");
}

TEST(YearLists, AnItemsYearIsItsLastFourCharacters) {
    EXPECT_EQ(year_of_item(U" 1998"), "1998");
    EXPECT_EQ(year_of_item(U"2001"), "2001");
    EXPECT_EQ(year_of_item(U"ｷｬﾝｾﾙ"), "ｬﾝｾﾙ");
}

class YearFolder : public ::testing::Test {
  protected:
    void touch(const std::string& name) { spit(dir / name, "\"\"\r\n"); }
    bool exists(const std::string& name) { return std::filesystem::exists(dir / name); }
    test::TempDir dir;
};

TEST_F(YearFolder, OnlyTheYearsOwnFilesInEitherCaseBelongToIt) {
    for (const char* name :
         {"Tev_1997.DAT", "Best100_1997.dat", "Pitcher_1997.DAT", "homerun_1997.Dat",
          "RIRE1997.DAT", "Clubs_1997.DAT", "old1997.dat", "Tev_19970.DAT", "xTev_1997.DAT", "Tev_1996.DAT"})
        touch(name);
    EXPECT_EQ(year_files_present(dir.path(), "1997"),
              (std::vector<std::string>{"Best100_1997.dat", "Clubs_1997.DAT", "Pitcher_1997.DAT", "RIRE1997.DAT",
                                        "Tev_1997.DAT", "homerun_1997.Dat"}));
    ASSERT_TRUE(delete_year_files(dir.path(), "1997").ok());
    EXPECT_TRUE(year_files_present(dir.path(), "1997").empty());
    for (const char* kept : {"old1997.dat", "Tev_19970.DAT", "xTev_1997.DAT", "Tev_1996.DAT"})
        EXPECT_TRUE(exists(kept)) << kept;
}

TEST_F(YearFolder, TheSearchFindsGameFilesOfEitherCaseInTheOfferedYears) {
    for (const char* name :
         {"Tev_2001.dat", "Tev_1990.DAT", "Tev_1984.dat", "Tev_2011.dat", "Best100_2002.dat"})
        touch(name);
    spit(dir / "Tev_1999.dat", "");  // an empty file still counts
    EXPECT_EQ(years_with_game_file(dir.path()), (std::vector<std::string>{"1990", "1999", "2001"}));
    touch("Tev_2027.DAT");
    touch("Tev_2028.dat");
    EXPECT_EQ(years_with_game_file(dir.path(), 2027),
              (std::vector<std::string>{"1990", "1999", "2001", "2011", "2027"}));
}

TEST_F(YearFolder, ReadersAcceptEitherCaseOfTheExtension) {
    touch("Best100_2001.dat");
    EXPECT_EQ(name_on_disk(dir.path(), "Best100_2001.DAT"), "Best100_2001.dat");
    EXPECT_EQ(name_on_disk(dir.path(), "Tev_2001.DAT"), "Tev_2001.DAT");  // missing: the asked name
    auto lines = read_item_file(dir.path(), "Best100_2001.DAT");
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines->size(), 1u);
#ifndef _WIN32  // a folder on Windows cannot hold two names that differ only in case
    touch("Best100_2001.DAT");
    EXPECT_EQ(name_on_disk(dir.path(), "Best100_2001.DAT"),
              "Best100_2001.DAT");  // its own name first
#endif
}

TEST_F(YearFolder, ADamagedHandedOutFileIsNamedAsItIs) {
    spit(dir / "Tev_2001.dat", "\"open\r\n");
    auto lines = read_item_file(dir.path(), "Tev_2001.DAT");
    ASSERT_FALSE(lines.ok());
    EXPECT_EQ(lines.error().file, "Tev_2001.dat");
    EXPECT_EQ(lines.error().line, 1);
}

TEST(YearSearchText, SaysHowManyYearsWereRegistered) {
    EXPECT_EQ(
        file_reference_text(U"Tevardin", 1),
        U"Tevardin\r\n\r\n\r\n        データファイルの検索中\r\n\r\n                   1年分の\r\n"
        U"            データを登録しました。");
    EXPECT_EQ(file_reference_text(U"Tevardin", 0),
              U"Tevardin\r\n\r\n\r\n        データファイルの検索中\r\n\r\n           "
              U"新規登録ファイルは\r\n"
              U"             有りませんでした｡ ");
}

}  // namespace
}  // namespace tev
