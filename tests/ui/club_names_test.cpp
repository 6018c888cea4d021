#include <gtest/gtest.h>

#include "core/store/club_file.h"
#include "core/text/data_file.h"
#include "years_fixture.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;
using test::YearsTest;

// A 1996 season with one game shown after start-up, so that データ削除 saves at once.
class ClubNamesTest : public YearsTest {
  protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 7, .first_runs = 3, .second_runs = 2,
                                 .month = 4, .day = 5, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
        test::add_game(*season, {.first = 9, .second = 12, .meet = 1, .first_runs = 4, .second_runs = 0,
                                 .month = 4, .day = 6});
    }

    void write_clubs(const ClubNames& names, const std::string& year) {
        const ItemWriter file = club_file_writer(names, club_file_name(year));
        ASSERT_TRUE(commit_writers(dir.path(), {&file}).ok());
    }

    const Text& caption(const std::string& name, int index = -1) { return at(name, index).caption; }
};

TEST_F(ClubNamesTest, AYearWithoutAClubFileShowsTheDefaultsAndWritesNone) {
    ASSERT_TRUE(start());
    EXPECT_EQ(window->season().clubs, default_club_names());
    EXPECT_EQ(caption("h_kintetu"), U"近　鉄");
    EXPECT_EQ(caption("Option4", 2), U"近鉄");
    services.answers = {true};
    click("mnudat_del");
    EXPECT_FALSE(exists("Clubs_1996.DAT"));  // the save wrote only the files it always wrote
}

TEST_F(ClubNamesTest, TheYearsClubFileNamesEveryCaptionAndIsKeptBySaves) {
    write_clubs(todays_club_names(), "1996");
    ASSERT_TRUE(start());
    EXPECT_TRUE(services.transcript.empty());
    EXPECT_EQ(window->season().clubs, todays_club_names());
    EXPECT_EQ(caption("h_kintetu"), U"楽　天");
    EXPECT_EQ(caption("mnudaiei"), U"ｿﾌﾄﾊﾞﾝｸ");
    EXPECT_EQ(caption("Option1", 2), U"DeNA");
    const std::string before = slurp(dir / "Clubs_1996.DAT");
    services.answers = {true};
    click("mnudat_del");
    EXPECT_EQ(slurp(dir / "Clubs_1996.DAT"), before);
}

TEST_F(ClubNamesTest, ARefusedClubFileIsToldAndNeverOverwritten) {
    write_clubs(todays_club_names(), "1996");
    const std::string refused = "\"\"\r\n";
    spit(dir / "Clubs_1996.DAT", refused);
    write_season();
    window = std::make_unique<ui::MainWindow>(dir.path(), services);  // start() forgets the messages
    ASSERT_TRUE(window->start());
    ASSERT_EQ(services.transcript.size(), 1u);
    EXPECT_EQ(services.transcript[0],
              "MSG: 球団名設定ファイル Clubs_1996.DAT が正しくないため、元の球団名を使います。\\n\\n"
              "Clubs_1996.DAT: 行数が13行ではありません");
    EXPECT_EQ(window->season().clubs, default_club_names());
    services.answers = {true};
    click("mnudat_del");
    EXPECT_EQ(slurp(dir / "Clubs_1996.DAT"), refused);
}

TEST_F(ClubNamesTest, TheDialogAppliesTodaysClubsAtOnceAndSavesThem) {
    ASSERT_TRUE(start());
    click("mnuclub_names");
    ui::Window& clubs = window->clubs();
    ASSERT_TRUE(clubs.visible);
    EXPECT_EQ(clubs.at("List1").lines[8], U" 9  近　鉄　　  近  鉄");
    clubs.fire("Command1", -1, ui::Event::click);
    EXPECT_EQ(caption("h_kintetu"), U"近　鉄");  // nothing applies before ＯＫ
    clubs.fire("Command3", -1, ui::Event::click);
    EXPECT_FALSE(clubs.visible);
    EXPECT_EQ(caption("h_kintetu"), U"楽　天");
    EXPECT_EQ(caption("mnuyokohama"), U"ＤｅＮＡ");
    auto saved = read_club_file(dir.path(), "Clubs_1996.DAT");
    ASSERT_TRUE(saved.ok());
    ASSERT_TRUE(saved->has_value());
    EXPECT_EQ(**saved, todays_club_names());
}

TEST_F(ClubNamesTest, TheDialogWaitsWhileAGameIsEntered) {
    ASSERT_TRUE(start());
    click("mnudat_in");
    click("mnuclub_names");
    EXPECT_FALSE(window->clubs().visible);
}

TEST_F(ClubNamesTest, ANewYearOfTodayStartsWithTodaysClubsAndItsFileGoesWithTheYear) {
    services.clock.year = 2026;
    ASSERT_TRUE(start());
    click("mnuNewFileItem");
    click_year(U" 2026");
    EXPECT_EQ(window->season().clubs, todays_club_names());
    EXPECT_EQ(caption("h_daie"), U"ｿﾌﾄﾊﾞﾝｸ");
    EXPECT_TRUE(exists("Clubs_2026.DAT"));
    click("Command12");
    click("mnuNewDatReadItem");
    click_year(U"1996");
    EXPECT_EQ(caption("h_daie"), U"ﾀﾞｲｴｰ");
    services.answers = {true};
    click("mnudatfile_del");
    click_year(U"2026");
    EXPECT_FALSE(exists("Clubs_2026.DAT"));
    EXPECT_FALSE(exists("Tev_2026.DAT"));
}

}  // namespace
}  // namespace tev
