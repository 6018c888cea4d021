// Saving List4 as a table: only a report with described columns can be saved, and the CSV holds
// the pane as the user sees it.
#include <gtest/gtest.h>

#include "ui/share/pane_export.h"
#include "window_fixture.h"

namespace tev {
namespace {

class PaneExportTest : public test::WindowTest {
protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 5});
        ASSERT_TRUE(start());
        click("Command11");
    }
};

TEST_F(PaneExportTest, NothingToSaveBeforeAReportIsShown) {
    EXPECT_FALSE(ui::list4_csv(*window).has_value());
}

TEST_F(PaneExportTest, TheStandingsSaveWithAHeaderAndTwelveClubRows) {
    click("Command9");
    const auto csv = ui::list4_csv(*window);
    ASSERT_TRUE(csv.has_value());
    EXPECT_EQ(csv->rfind("\xEF\xBB\xBF" "順位,チーム,試合,勝,敗,分,勝率,", 0), 0u);
    EXPECT_NE(csv->find("\r\n1,巨　人,1,1,0,0,1.0000,3,2,1,3.00,2.00,"), std::string::npos) << *csv;
    std::size_t records = 0;
    for (std::size_t at = csv->find("\r\n"); at != std::string::npos; at = csv->find("\r\n", at + 2)) ++records;
    EXPECT_EQ(records, 13u);
}

TEST_F(PaneExportTest, ClosingTheReportLeavesNothingToSave) {
    click("Command9");
    click("Command7");
    EXPECT_FALSE(ui::list4_csv(*window).has_value());
}

}  // namespace
}  // namespace tev
