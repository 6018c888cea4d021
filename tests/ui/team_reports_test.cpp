#include <gtest/gtest.h>

#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

class TeamReportsTest : public WindowTest {
protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 3,
                                 .day = 31, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
        test::add_game(*season, {.first = 4, .second = 1, .meet = 2, .first_runs = 2, .second_runs = 2, .month = 4, .day = 2});
        test::add_game(*season, {.first = 7, .second = 9, .meet = 1, .first_runs = 6, .second_runs = 2, .month = 8,
                                 .day = 1, .first_pitcher = U"星野", .second_pitcher = U"野茂"});
        ASSERT_TRUE(start());
        click("Command11");
    }

    bool shown(const char* name) { return at(name).visible; }
};

TEST_F(TeamReportsTest, EachButtonFillsItsPaneAndSaysWhatItHolds) {
    struct Case {
        const char* button;
        const char* pane;
        const char* caption;
        ui::PaneReport view;
    };
    for (const Case c : {Case{"Command10", "List4", "Label7", ui::PaneReport::none},
                         Case{"Command13", "List4", "Label7", ui::PaneReport::none},
                         Case{"Command15", "List4", "Label7", ui::PaneReport::meeting_status},
                         Case{"Command5", "List4", "Label7", ui::PaneReport::none},
                         Case{"Command14", "List4", "Label7", ui::PaneReport::none},
                         Case{"Command17", "List1", "Label6", ui::PaneReport::streaks},
                         Case{"Command6", "List1", "Label6", ui::PaneReport::scoring},
                         Case{"Command16", "List4", "Label7", ui::PaneReport::standings_as_of},
                         Case{"Command9", "List4", "Label7", ui::PaneReport::standings}}) {
        click(c.button);
        EXPECT_TRUE(shown(c.pane)) << c.button;
        EXPECT_TRUE(shown(c.caption)) << c.button;
        EXPECT_FALSE(at(c.pane).lines.empty()) << c.button;
        EXPECT_EQ(window->modes().pane, c.view) << c.button;
        const char* other = std::string(c.pane) == "List4" ? "List1" : "List4";
        EXPECT_FALSE(shown(other)) << c.button;
        EXPECT_FALSE(shown("List2")) << c.button;
        EXPECT_FALSE(at("Frame5").enabled) << c.button;
    }
    EXPECT_EQ(at("Label6").fore_color, 0xFF8000u);  // the score list's caption is orange
}

TEST_F(TeamReportsTest, TheAsOfCalendarStepsTheDayAndRedraws) {
    click("Command16");
    EXPECT_EQ(at("Command4", 0).caption, U"－");
    EXPECT_EQ(at("Command4", 32).caption, U"＋");
    EXPECT_EQ(at("Command4", 0).fore_color, ui::kRed);
    EXPECT_EQ(at("Command2", 5).back_color, ui::kHighlight);
    EXPECT_EQ(window->modes().as_of.month, 4);
    EXPECT_EQ(window->modes().as_of.day, 1);
    click("Command4", 0);  // back to 31 March: the March game counts
    EXPECT_EQ(window->modes().as_of.month, 3);
    EXPECT_EQ(window->modes().as_of.day, 31);
    EXPECT_NE(at("List4").lines[0].find(U"3月31日"), Text::npos);
    click("Command2", 6);
    click("Command4", 30);
    click("Command4", 31);  // June has no 31st: the day stays
    EXPECT_EQ(window->modes().as_of.month, 6);
    EXPECT_EQ(window->modes().as_of.day, 30);
    click("Command4", 32);  // ＋ after 30 June is 1 July
    EXPECT_EQ(window->modes().as_of.month, 7);
    EXPECT_EQ(window->modes().as_of.day, 1);
    click("Command7");
    EXPECT_EQ(at("Command4", 0).caption, U"0");
    EXPECT_EQ(at("Command4", 32).caption, U"X");
    EXPECT_EQ(window->modes().pane, ui::PaneReport::none);
}

TEST_F(TeamReportsTest, LineClicksOpenTheirDetails) {
    click("Command15");
    click_line("List4", 4);  // 巨人's line for 阪神
    ASSERT_TRUE(shown("List2"));
    EXPECT_NE(at("List2").lines[0].find(U"対戦詳細一覧"), Text::npos);
    click_line("List2", 1);
    EXPECT_FALSE(shown("List2"));

    click("Command6");
    click_line("List1", 1);
    EXPECT_TRUE(shown("List2"));

    click("Command17");
    click_line("List1", 1);  // a streak line opens nothing
    EXPECT_FALSE(shown("List2"));
}

TEST_F(TeamReportsTest, InningTotalsTakeThePanelUntilClosed) {
    click("Command7");
    click("mnukaiten");
    EXPECT_TRUE(window->modes().inning_totals);
    EXPECT_EQ(text("Text4"), U"巨人各回得点");
    EXPECT_EQ(text("Text6", 0), U"3");
    EXPECT_EQ(text("Text15", 0), U"2");
    EXPECT_FALSE(at("Option3", 0).visible);
    EXPECT_TRUE(at("Command7").enabled);
    click("Command4", 2);  // the keypad shows no game meanwhile
    EXPECT_EQ(text("Text4"), U"巨人各回得点");
    click("mnudat_in");    // nor does entry start
    EXPECT_FALSE(window->modes().entering);
    click("Option4", 0);
    EXPECT_EQ(text("Text4"), U"ｵﾘｯｸｽ各回得点");
    EXPECT_EQ(text("Text6", 0), U"6");
    click("Command7");
    EXPECT_FALSE(window->modes().inning_totals);
    EXPECT_TRUE(at("Option3", 0).visible);
    EXPECT_EQ(text("Text9"), U"巨人");
}

TEST_F(TeamReportsTest, TheCommitRebuildsTheTeamTables) {
    click("Command7");
    click("mnudat_in");
    click("Option3", 0);
    click("Option1", 1);
    click("Option2", 2);
    click("Command4", 1);
    click("Text7");
    click("Command4", 0);
    click("Text8");
    click("Command4", 0);
    click("Text6", 0);
    click("Command4", 0);
    click("Text15", 0);
    click("Command4", 0);
    click("Text5");
    click("Command4", 9);
    click("Text18");
    click("Command2", 5);
    click("Text19");
    click("Command4", 5);
    click("Command1");
    click("Command12");
    click("Command11");
    click("Command10");
    // ヤクルト and 横浜 drew: the grid shows it at once.
    EXPECT_NE(at("List4").lines[2].find(U" 0- 0-1"), Text::npos);
    click("Command6");
    EXPECT_NE(at("List1").lines[0].find(U" 0 - 0"), Text::npos);
}

}  // namespace
}  // namespace tev
