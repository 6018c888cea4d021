#include <gtest/gtest.h>

#include "core/history/history_file.h"
#include "core/settings/settings.h"
#include "years_fixture.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;
using test::YearsTest;

// A 1996 season with one game, and 2001 registered with a season of two games on disk.
class ReadYearTest : public YearsTest {
  protected:
    void SetUp() override {
        test::add_game(*season,
                       {.first = 1, .second = 4, .meet = 7, .first_runs = 3, .second_runs = 2});
        write_season();
        Season other;
        other.disp_year = "2001";
        test::add_game(other,
                       {.first = 7, .second = 8, .meet = 1, .first_runs = 5, .second_runs = 1});
        test::add_game(other,
                       {.first = 2, .second = 3, .meet = 1, .first_runs = 1, .second_runs = 0});
        write_year(other);
        ASSERT_TRUE(write_settings(dir.path(), Settings{"1996", "Regi Year= 19962001"}).ok());
        window = std::make_unique<ui::MainWindow>(dir.path(), services);
        services.window = window.get();
        ASSERT_TRUE(window->start());
        services.forget();
        game_file_1996 = slurp(dir / "Tev_1996.DAT");
    }

    void read_2001() {
        click("mnuNewDatReadItem");
        click_year(U"2001");
    }

    std::string game_file_1996;
};

TEST_F(ReadYearTest, ReadingAYearShowsItsStepsInOrderAndRemembersIt) {
    read_2001();
    EXPECT_TRUE(services.transcript.size() == 1 &&
                services.transcript[0] == "MSG: 指定されたデータファイルが見つかりません。")
        << "only the missing history is reported";
    // Each painted text, with the rebuild flag at that moment: it goes up just before the inning
    // tables, and the history (missing for 2001) is rebuilt after the game view is refreshed.
    std::vector<std::pair<Text, int>> painted;
    for (std::size_t i = 0; i < services.statuses.size(); ++i)
        painted.emplace_back(services.statuses[i], services.busy[i]);
    const std::vector<std::pair<Text, int>> expected = {{U"選択されたデータを読み込み中です。", 0},
                                                        {U"得点データ読み込み中です。", 0},
                                                        {U"投手成績データ読み込み中です。", 0},
                                                        {U"投手成績データ読み込み中です。", 0},
                                                        {U"連勝、連敗データ作成中です。", 0},
                                                        {U"回数別データ作成中です。", 1},
                                                        {U"只今履歴データ作成中", 1}};
    EXPECT_EQ(painted, expected);
    EXPECT_FALSE(window->modes().rebuilding);
    EXPECT_EQ(window->season().disp_year, "2001");
    EXPECT_EQ(window->main().caption, U"Tevardin  2001");
    EXPECT_EQ(text("Label10"), U"Tevardin 2001");
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 2001\r\nRegi Year= 19962001\r\n");
    EXPECT_TRUE(exists("RIRE2001.DAT"));
    EXPECT_EQ(window->modes().history, ui::HistoryState::ready);
    EXPECT_EQ(text("Text1"), U"");
    EXPECT_FALSE(at("List3").visible);
    EXPECT_TRUE(at("List6").visible);
    // The view shows 2001's first Central game; the standings count 2001's games.
    EXPECT_EQ(text("Text9"), U"ﾔｸﾙﾄ");
    click("Command11");
    click("Command9");
    EXPECT_NE(at("List4").lines[1].find(U"ヤクルト　   1   1"), Text::npos)
        << to_utf8(at("List4").lines[1]);
}

TEST_F(ReadYearTest, AMissingScoreFileKeepsTheYearInUse) {
    std::filesystem::remove(dir / "Best100_2001.DAT");
    read_2001();
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_EQ(services.transcript[0], "MSG: 指定されたデータファイルが見つかりません。");
    EXPECT_EQ(window->season().disp_year, "1996");
    EXPECT_FALSE(window->season().game_at(1, 4, 7).empty());
    EXPECT_EQ(text("Label10"), U"Tevardin 1996");
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 19962001\r\n");
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), game_file_1996);
    EXPECT_FALSE(window->ended());
}

TEST_F(ReadYearTest, ADamagedFileIsNamedWithItsLineAndTheYearInUseStays) {
    std::string bytes = slurp(dir / "Pitcher_2001.DAT");
    bytes.replace(bytes.find("\r\n") + 2, 1, "x");  // line 2 loses its opening quote
    spit(dir / "Pitcher_2001.DAT", bytes);
    const std::string history = slurp(dir / "RIRE1996.DAT");
    read_2001();
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_NE(services.transcript[0].find("Pitcher_2001.DAT 2行目"), std::string::npos)
        << services.transcript[0];
    EXPECT_FALSE(window->ended());
    EXPECT_EQ(window->season().disp_year, "1996");
    EXPECT_FALSE(window->season().game_at(1, 4, 7).empty());
    EXPECT_TRUE(window->season().game_at(7, 2, 1).empty());
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), game_file_1996);
    EXPECT_EQ(slurp(dir / "RIRE1996.DAT"), history);
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 19962001\r\n");
}

TEST_F(ReadYearTest, FilesHandedOutWithLowerCaseExtensionsRead) {
    for (const char* stem : {"Tev_2001", "Best100_2001", "Pitcher_2001"})
        std::filesystem::rename(dir / (std::string(stem) + ".DAT"),
                                dir / (std::string(stem) + ".dat"));
    read_2001();
    EXPECT_EQ(window->season().disp_year, "2001");
    EXPECT_FALSE(window->season().game_at(7, 2, 1).empty());
}

TEST_F(ReadYearTest, TheYearInUseAndCancelCloseTheListWithoutReading) {
    click("mnuNewDatReadItem");
    EXPECT_EQ(at("List3").lines, (std::vector<Text>{U"1996", U"2001", U"ｷｬﾝｾﾙ"}));
    EXPECT_FALSE(at("List6").visible);
    click_year(U"1996");
    click("mnuNewDatReadItem");
    click_year(U"ｷｬﾝｾﾙ");
    EXPECT_TRUE(services.statuses.empty());
    EXPECT_TRUE(services.transcript.empty());
    EXPECT_FALSE(at("List3").visible);
    EXPECT_TRUE(at("List6").visible);
    EXPECT_EQ(text("Text1"), U"");
}

TEST_F(ReadYearTest, TheYearMenusWaitWhileAGameIsEnteredOrAReportIsOpen) {
    click("mnudat_in");
    for (const char* menu :
         {"mnuNewFileItem", "mnuNewDatReadItem", "mnudatfile_del", "mnudat_add"}) {
        click(menu);
        EXPECT_FALSE(at("List3").visible) << menu;
        EXPECT_FALSE(window->dialog().visible) << menu;
    }
    click("Command12");
    click("Command11");  // a report view: the list commands wait, the search does not
    for (const char* menu : {"mnuNewFileItem", "mnuNewDatReadItem", "mnudatfile_del"}) {
        click(menu);
        EXPECT_FALSE(at("List3").visible) << menu;
    }
    click("mnudat_add");
    EXPECT_TRUE(window->dialog().visible);
}

TEST_F(ReadYearTest, AnotherMenuCommandDropsThePendingOperation) {
    click("mnudatfile_del");
    click("mnuVerItem");  // hides the list
    window->dialog().fire("Command1", -1, ui::Event::click);
    at("List3").visible = true;  // even a list shown again carries out nothing
    click_year(U"2001");
    EXPECT_TRUE(services.transcript.empty());
    EXPECT_TRUE(exists("Tev_2001.DAT"));
    EXPECT_EQ(window->season().disp_year, "1996");
}

class NewYearTest : public YearsTest {
  protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    void create(const Text& item) {
        click("mnuNewFileItem");
        click_year(item);
    }
};

TEST_F(NewYearTest, TheListOffersTheUnregisteredYearsOverTheHomeRunList) {
    ASSERT_TRUE(write_settings(dir.path(), Settings{"1996", "Regi Year= 19961997"}).ok());
    services.window = nullptr;
    window = std::make_unique<ui::MainWindow>(dir.path(), services);
    ASSERT_TRUE(window->start());
    click("mnuNewFileItem");
    const auto& lines = at("List3").lines;
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines.front(), U" 1985");
    EXPECT_EQ(lines[10], U" 1995");
    EXPECT_EQ(lines[11], U" 1998");
    EXPECT_EQ(lines[23], U" 2010");
    EXPECT_EQ(lines.back(), U"ｷｬﾝｾﾙ");
    EXPECT_EQ(text("Text1"), U"新規登録データ年度を選択して下さい。");
    EXPECT_TRUE(at("List3").visible);
    EXPECT_FALSE(at("List6").visible);
}

TEST_F(NewYearTest, ANewYearIsWrittenRegisteredAndOpenedForEntry) {
    create(U" 1998");
    EXPECT_TRUE(services.transcript.empty());
    EXPECT_EQ(window->season().disp_year, "1998");
    EXPECT_TRUE(window->season().empty());
    EXPECT_EQ(window->main().caption, U"Tevardin  1998");
    EXPECT_EQ(text("Label10"), U"Tevardin 1998");
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1998\r\nRegi Year= 19961998\r\n");
    EXPECT_EQ(window->settings().rec_year, "Regi Year= 19961998");
    EXPECT_TRUE(window->modes().entering);
    EXPECT_TRUE(window->document().games_unsaved());
    EXPECT_FALSE(at("List3").visible);
    EXPECT_TRUE(at("List6").visible);
    const std::string empty_games = slurp(dir / "Tev_1998.DAT");
    EXPECT_EQ(std::count(empty_games.begin(), empty_games.end(), '\n'), 2160);
    EXPECT_EQ(empty_games.find_first_not_of("\"\r\n"), std::string::npos);
    EXPECT_TRUE(exists("Best100_1998.DAT"));
    EXPECT_TRUE(exists("Pitcher_1998.DAT"));
    // The year can be started again before anything was committed.
    EXPECT_TRUE(history_file_readable(dir.path(), "RIRE1998.DAT"));
    ui::ScriptedServices again;
    services.window = nullptr;
    window.reset();
    ui::MainWindow restarted(dir.path(), again);
    EXPECT_TRUE(restarted.start()) << ::testing::PrintToString(again.transcript);
    EXPECT_EQ(restarted.season().disp_year, "1998");
}

TEST_F(NewYearTest, TheFirstCommitOfANewYearRebuildsEverything) {
    create(U" 1998");
    services.forget();
    click("Command12");
    EXPECT_FALSE(window->document().games_unsaved());
    ASSERT_FALSE(services.statuses.empty());
    EXPECT_EQ(services.statuses.front(), U"得点一覧作成中です。");
}

TEST_F(NewYearTest, FilesOfAnUnregisteredYearAreReplacedOnlyAfterAYes) {
    spit(dir / "Tev_1998.dat", slurp(dir / "Tev_1996.DAT"));
    spit(dir / "old1998.dat", "mine\r\n");
    services.answers = {false};
    create(U" 1998");
    ASSERT_EQ(services.transcript.size(), 1u);
    EXPECT_EQ(
        services.transcript[0].rfind("ASK: 新規作成: 1998年のデータファイルが既にあります。", 0),
        0u);
    EXPECT_EQ(window->season().disp_year, "1996");
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 1996\r\n");
#ifndef _WIN32  // a folder on Windows does not tell the two names apart
    EXPECT_FALSE(exists("Tev_1998.DAT"));
#endif
    EXPECT_EQ(slurp(dir / "Tev_1998.dat"), slurp(dir / "Tev_1996.DAT"));
    EXPECT_TRUE(at("List6").visible);

    services.answers = {true};
    create(U" 1998");
    EXPECT_EQ(window->season().disp_year, "1998");
#ifndef _WIN32
    EXPECT_FALSE(exists("Tev_1998.dat"));  // replaced by the empty year's own file
#endif
    EXPECT_TRUE(exists("Tev_1998.DAT"));
    EXPECT_TRUE(exists("old1998.dat"));
}

TEST_F(NewYearTest, ASettingsFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(dir / "Tevardin.ini.tmp");
    create(U" 1998");
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_EQ(services.transcript[0].rfind("MSG: [Tevardin.ini] に書き込めませんでした。", 0), 0u)
        << services.transcript[0];
}

class DeleteYearTest : public YearsTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        click("mnuNewFileItem");
        click_year(U" 1997");
        click("Command12");
        click("mnuNewDatReadItem");
        click_year(U"1996");
        spit(dir / "old1997.dat", "mine\r\n");
        spit(dir / "Tev_1997.dat", "stale\r\n");
        services.forget();
    }

    void delete_year(const Text& item) {
        click("mnudatfile_del");
        click_year(item);
    }
};

TEST_F(DeleteYearTest, YesDeletesExactlyTheYearsOwnFiles) {
    services.answers = {true};
    delete_year(U"1997");
    EXPECT_EQ(services.transcript,
              std::vector<std::string>{"ASK: ﾃﾞｰﾀﾌｧｲﾙ削除: 選択されたﾃﾞｰﾀﾌｧｲﾙを削除します。\\n     "
                                       "   よろしいですか？ -> Yes"});
    for (const char* gone :
         {"Tev_1997.DAT", "Tev_1997.dat", "Best100_1997.DAT", "Pitcher_1997.DAT", "RIRE1997.DAT"})
        EXPECT_FALSE(exists(gone)) << gone;
    EXPECT_TRUE(exists("old1997.dat"));
    EXPECT_TRUE(exists("Tev_1996.DAT"));
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 1996\r\n");
    EXPECT_FALSE(at("List3").visible);
    EXPECT_TRUE(at("List6").visible);
}

TEST_F(DeleteYearTest, NoKeepsEverything) {
    delete_year(U"1997");  // No is the default
    EXPECT_TRUE(exists("Tev_1997.DAT"));
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 19961997\r\n");
    EXPECT_FALSE(at("List3").visible);
}

TEST_F(DeleteYearTest, TheFirstSeasonYearIsNeverDeleted) {
    click("mnuNewDatReadItem");
    click_year(U"1997");
    services.forget();
    services.answers = {true};
    delete_year(U"1996");
    EXPECT_TRUE(services.transcript.empty());
    EXPECT_TRUE(exists("Tev_1996.DAT"));
    EXPECT_EQ(window->settings().rec_year, "Regi Year= 19961997");
}

TEST_F(DeleteYearTest, ASettingsWriteThatFailsKeepsTheFiles) {
    std::filesystem::create_directory(dir / "Tevardin.ini.tmp");
    services.answers = {true};
    delete_year(U"1997");
    ASSERT_EQ(services.transcript.size(), 2u);
    EXPECT_EQ(services.transcript[1].rfind("MSG: [Tevardin.ini] に書き込めませんでした。", 0), 0u);
    EXPECT_TRUE(exists("Tev_1997.DAT"));
    EXPECT_EQ(window->settings().rec_year, "Regi Year= 19961997");
}

TEST_F(YearsTest, TheSearchRegistersHandedOutYearsOnceAndFollowsTheVersionBox) {
    ASSERT_TRUE(start());
    spit(dir / "Tev_2001.dat", slurp(dir / "Tev_1996.DAT"));
    spit(dir / "Tev_1990.DAT", slurp(dir / "Tev_1996.DAT"));
    click("mnuVerItem");
    window->dialog().fire("Command1", -1, ui::Event::click);
    click("mnudat_add");
    EXPECT_TRUE(window->dialog().visible);
    EXPECT_EQ(window->dialog().caption, U"ﾃﾞｰﾀﾌｧｲﾙ登録");
    EXPECT_NE(window->dialog().at("Label1").text.find(U" 2年分の"), Text::npos);
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 199619902001\r\n");
    window->dialog().fire("Command1", -1, ui::Event::click);
    EXPECT_FALSE(window->dialog().visible);
    click("mnudat_add");
    EXPECT_NE(window->dialog().at("Label1").text.find(U"新規登録ファイルは"), Text::npos);
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 199619902001\r\n");
}

}  // namespace
}  // namespace tev
