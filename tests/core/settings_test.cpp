#include <gtest/gtest.h>

#include "core/settings/settings.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;
using test::TempDir;

TEST(Settings, AMissingFileIsCreatedWithTheDefaults) {
    TempDir dir;
    auto settings = read_settings(dir.path());
    ASSERT_TRUE(settings.ok());
    EXPECT_EQ(settings->disp_year, "1996");
    EXPECT_EQ(settings->rec_year, "Regi Year= 1996");
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 1996\r\n");
}

TEST(Settings, TheYearShownNamesTheFiles) {
    TempDir dir;
    spit(dir / "Tevardin.ini", "Disp Year= 2003\r\nRegi Year= 199620012003\r\n");
    auto settings = read_settings(dir.path());
    ASSERT_TRUE(settings.ok());
    EXPECT_EQ(settings->disp_year, "2003");
    const FileNames names = year_file_names(settings->disp_year);
    EXPECT_EQ(names.game_file, "Tev_2003.DAT");
    EXPECT_EQ(names.best_file, "Best100_2003.DAT");
    EXPECT_EQ(names.pitcher_file, "Pitcher_2003.DAT");
    EXPECT_EQ(names.homerun_file, "homerun_2003.DAT");
    EXPECT_EQ(names.history_file, "RIRE2003.DAT");
}

TEST(Settings, AShortFileIsDamaged) {
    TempDir dir;
    spit(dir / "Tevardin.ini", "Disp Year= 1996\r\n");
    auto settings = read_settings(dir.path());
    ASSERT_FALSE(settings.ok());
    EXPECT_EQ(settings.error().kind, ErrorKind::damaged);
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\n");  // left as found
}

TEST(Settings, RegisteredYearsAreAddedAndDeletedInOrder) {
    const std::string rec = "Regi Year= 199619992001";
    EXPECT_EQ(registered_years(rec), (std::vector<std::string>{"1996", "1999", "2001"}));
    EXPECT_EQ(rec_year_without(rec, "1999"), "Regi Year= 19962001");
    EXPECT_EQ(rec_year_with("Regi Year= 1996", "1997"), "Regi Year= 19961997");
    EXPECT_TRUE(registered_years("Regi Year= ").empty());

    TempDir dir;
    ASSERT_TRUE(write_settings(dir.path(), Settings{"2001", rec_year_without(rec, "1999")}).ok());
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 2001\r\nRegi Year= 19962001\r\n");
    auto back = read_settings(dir.path());
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->rec_year, "Regi Year= 19962001");
}

}  // namespace
}  // namespace tev
