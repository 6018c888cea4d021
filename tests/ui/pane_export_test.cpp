// Saving the pane on display: nothing while no report pane shows, the CSV holds the pane as the
// user sees it, and the ファイル menu's share items played as clicks.
#include <gtest/gtest.h>

#include "ui/share/pane_export.h"
#include "window_fixture.h"

namespace tev {
namespace {

// The CSV of List4 when it is on display.
std::optional<std::string> list4_csv(const ui::MainWindow& window) {
    const auto pane = ui::list_pane(window, "List4");
    if (!pane) return std::nullopt;
    return ui::pane_csv(*pane);
}

class PaneExportTest : public test::WindowTest {
protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 5});
        ASSERT_TRUE(start());
        click("Command11");
    }
};

TEST_F(PaneExportTest, NothingToSaveBeforeAReportIsShown) {
    EXPECT_FALSE(list4_csv(*window).has_value());
}

TEST_F(PaneExportTest, TheStandingsSaveWithAHeaderAndTwelveClubRows) {
    click("Command9");
    const auto csv = list4_csv(*window);
    ASSERT_TRUE(csv.has_value());
    EXPECT_EQ(csv->rfind("\xEF\xBB\xBF" "リーグ,順位,チーム,試合,勝,敗,分,勝率,", 0), 0u);
    EXPECT_NE(csv->find("\r\nセ・リーグ,1,巨人,1,1,0,0,1.0000,3,2,1,3.00,2.00,"), std::string::npos) << *csv;
    std::size_t records = 0;
    for (std::size_t at = csv->find("\r\n"); at != std::string::npos; at = csv->find("\r\n", at + 2)) ++records;
    EXPECT_EQ(records, 13u);
}

TEST_F(PaneExportTest, ClosingTheReportLeavesNothingToSave) {
    click("Command9");
    click("Command7");
    EXPECT_FALSE(list4_csv(*window).has_value());
}

}  // namespace
}  // namespace tev

namespace tev {
namespace {

// The ファイル menu's share items played as a user would: usable only while a report pane is on
// display, asking the services for the file, the printer or the PDF.
class ShareMenusTest : public test::WindowTest {
protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 5,
                                 .first_pitcher = U"斎藤雅", .second_pitcher = U"藪"});
        ASSERT_TRUE(start());
        click("Command11");
    }

    bool usable(const char* menu) { return window->main().usable(window->main().at(menu)); }
};

TEST_F(ShareMenusTest, TheItemsAreUsableOnlyWhileAReportIsOnDisplay) {
    for (const char* menu : {"mnuSavePane", "mnuPrintPane", "mnuPdfPane"}) EXPECT_FALSE(usable(menu)) << menu;
    click("Command9");
    for (const char* menu : {"mnuSavePane", "mnuPrintPane", "mnuPdfPane"}) EXPECT_TRUE(usable(menu)) << menu;
    click("Command7");
    EXPECT_FALSE(usable("mnuSavePane"));
    click("Command11");
    click("Command8");  // the pitcher list in List1
    EXPECT_TRUE(usable("mnuSavePane"));
    click("Command7");
    EXPECT_FALSE(usable("mnuPrintPane"));
}

TEST_F(ShareMenusTest, TheStandingsAreSavedAsTheChosenKindOfFile) {
    click("Command9");
    services.save_files = {dir / "standings.csv", dir / "standings.txt"};
    click("mnuSavePane");
    click("mnuSavePane");
    const std::string csv = test::slurp(dir / "standings.csv");
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF" "リーグ,順位,チーム,試合,", 0), 0u);
    EXPECT_NE(csv.find("\r\nセ・リーグ,1,巨人,1,1,0,0,1.0000,3,2,1,3.00,2.00,"), std::string::npos) << csv;
    const std::string text = test::slurp(dir / "standings.txt");
    EXPECT_EQ(text.rfind("            　　         両リーグ成績一覧\n      ﾁｰﾑ　   試合", 0), 0u) << text;
    EXPECT_NE(text.find("\n 1] 巨　人　　   1   1   0 0  1.0000    3    2    1  3.00  2.00        0\n"), std::string::npos)
        << text;
    EXPECT_TRUE(services.transcript.size() >= 2);
    // The status line says where the last one went.
    EXPECT_EQ(window->main().at("Text1").text, U"保存しました：" + from_utf8((dir / "standings.txt").string()));
}

TEST_F(ShareMenusTest, ACancelledDialogWritesNothing) {
    click("Command9");
    click("mnuSavePane");
    click("mnuPdfPane");
    // Each dialog proposes the pane's title and the year as the file name.
    EXPECT_EQ(services.transcript, (std::vector<std::string>{"SAVE AS: 表示中の表を保存 [両リーグ成績一覧_1996.csv] -> Cancel",
                                                             "SAVE AS: PDFに保存 [両リーグ成績一覧_1996.pdf] -> Cancel"}));
    EXPECT_TRUE(services.pdfs.empty());
}

TEST_F(ShareMenusTest, AFileThatCannotBeWrittenIsTold) {
    click("Command9");
    services.save_files = {dir / "no such folder" / "standings.csv"};
    click("mnuSavePane");
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_EQ(services.transcript.back().rfind("MSG: ファイルを保存できませんでした。\\n", 0), 0u) << services.transcript.back();
    EXPECT_FALSE(std::filesystem::exists(dir / "no such folder"));
}

TEST_F(ShareMenusTest, PrintingAndThePdfGetTheCaptionAndTheLinesOfThePane) {
    click("Command8");
    click("mnuPrintPane");
    ASSERT_EQ(services.printed.size(), 1u);
    const ui::PanePage& page = services.printed[0];
    EXPECT_EQ(page.caption, (std::vector<Text>{U"               セントラルリーグ投手成績一覧",
                                              U"         投手名             勝      敗   セーブ  チーム"}));
    EXPECT_EQ(page.lines, window->main().at("List1").lines);
    services.save_files = {dir / "pitchers.pdf"};
    services.pdf_writable = false;
    click("mnuPdfPane");
    EXPECT_EQ(services.transcript.back(), "MSG: PDFを保存できませんでした。\\n" + (dir / "pitchers.pdf").string());
}

TEST_F(ShareMenusTest, APaneRedrawnByOtherMeansIsSavedLineByLine) {
    click("Command9");
    window->main().at("List4").lines.push_back(U"書き足した行");
    services.save_files = {dir / "changed.csv"};
    click("mnuSavePane");
    EXPECT_EQ(test::slurp(dir / "changed.csv").rfind("\xEF\xBB\xBF" "内容\r\n", 0), 0u);
}

}  // namespace
}  // namespace tev
