#include <gtest/gtest.h>

#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

class GameViewTest : public WindowTest {
protected:
    void SetUp() override {
        // Meeting 7 of 巨人 and 阪神 with 阪神 batting first (3-2), meeting 1 a 2-2 draw.
        test::add_game(*season, {.first = 4, .second = 1, .meet = 7, .first_runs = 3, .second_runs = 2, .month = 5,
                                 .day = 1, .first_pitcher = U"藪", .second_pitcher = U"斎藤"});
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 2, .second_runs = 2, .month = 4, .day = 5});
        ASSERT_TRUE(start());
    }
};

TEST_F(GameViewTest, TheFirstStoredGameIsShownWithItsColours) {
    EXPECT_EQ(window->modes().shown_league, 1);
    EXPECT_EQ(text("Text9"), U"巨人");  // (1, 4, 1) comes first in the store
    EXPECT_EQ(at("Text7").fore_color, ui::kBlack);
    EXPECT_EQ(at("Text8").fore_color, ui::kBlack);
    EXPECT_EQ(at("Text15", 3).fore_color, ui::kBlack);
}

TEST_F(GameViewTest, ATurnedPairFindsTheMeeting) {
    click("Option1", 0);
    click("Option2", 3);
    click("Command4", 7);
    EXPECT_EQ(text("Text9"), U"阪神");
    EXPECT_EQ(text("Text10"), U"巨人");
    EXPECT_EQ(text("Text2"), U"藪");
    EXPECT_EQ(text("Text3"), U"斎藤");
    // The first-batting winner in red, the loser in blue.
    for (const char* box : {"Text7", "Text2", "Text9", "Text12", "Text14"}) EXPECT_EQ(at(box).fore_color, ui::kRed) << box;
    for (const char* box : {"Text8", "Text3", "Text10", "Text13", "Text17"}) EXPECT_EQ(at(box).fore_color, ui::kBlue) << box;
    EXPECT_EQ(at("Text6", 14).fore_color, ui::kRed);
    EXPECT_EQ(at("Text15", 0).fore_color, ui::kBlue);
    EXPECT_EQ(window->game_view().central.team, 4);
    EXPECT_EQ(window->game_view().central.meet, 7);
}

TEST_F(GameViewTest, AMissingMeetingIsReportedAndTheGameStays) {
    click("Option1", 0);
    click("Option2", 3);
    click("Command4", 8);
    ASSERT_EQ(services.transcript.size(), 1u);
    EXPECT_EQ(services.transcript[0], "MSG: 阪　神　　 VS 巨　人　　の  8 回戦のデータはありません ");
    EXPECT_EQ(text("Text9"), U"巨人");  // still the game shown before
    EXPECT_EQ(window->game_view().central.team, 1);
    click("Command4", 0);  // 0, 31 and X choose no meeting
    click("Command4", 31);
    click("Command4", 32);
    EXPECT_EQ(services.transcript.size(), 1u);
}

TEST_F(GameViewTest, DataReferenceOpensTheReportsAndClosingReturns) {
    click("Command11");
    EXPECT_TRUE(window->modes().report_open);
    EXPECT_FALSE(at("Command11").enabled);
    EXPECT_TRUE(at("Command9").enabled);
    EXPECT_EQ(at("Command9").back_color, ui::kHighlight);
    EXPECT_FALSE(at("Option1", 0).enabled);
    click("Command4", 7);  // the keypad no longer changes the game
    EXPECT_EQ(text("Text9"), U"巨人");

    click("Command9");
    EXPECT_EQ(window->modes().pane, ui::PaneReport::standings);
    EXPECT_TRUE(at("List4").visible);
    EXPECT_EQ(at("List4").lines.size(), 14u);
    EXPECT_TRUE(at("Label7").visible);
    EXPECT_EQ(at("Label7").fore_color, ui::kRed);
    EXPECT_EQ(text("Text1"), U"チーム名をクリックすると詳細が表示されます。");
    EXPECT_FALSE(at("Frame5").enabled);

    click_line("List4", 2);  // 阪神 leads: its games, batting first, then batting second
    EXPECT_TRUE(at("List2").visible);
    ASSERT_EQ(at("List2").lines.size(), 3u);
    EXPECT_EQ(at("List2").lines[0], U" 5/ 1 対 巨　人　　  7回戦  ○  3- 2 藪　　　　　斎藤　　　　　　　　　　");
    EXPECT_EQ(at("List2").lines[1], U" 4/ 5 対 巨　人　　  1回戦      2- 2 　　　　　　　　　　　　　　　　　　");

    click("Command7");
    EXPECT_EQ(window->modes().pane, ui::PaneReport::none);
    for (const char* pane : {"List1", "List2", "List4", "Label6", "Label7", "Command19"}) EXPECT_FALSE(at(pane).visible);
    EXPECT_FALSE(at("Command9").enabled);
    EXPECT_FALSE(at("Command7").enabled);
    EXPECT_TRUE(at("Command11").enabled);
    EXPECT_EQ(at("Command11").back_color, ui::kHighlight);
    EXPECT_TRUE(at("Option1", 0).enabled);
    click("Command4", 7);
    EXPECT_EQ(text("Text9"), U"阪神");
}

TEST_F(GameViewTest, DateModeListsTheDaysCards) {
    click("Command3");
    EXPECT_EQ(at("Command3").caption, U"対戦日");
    EXPECT_FALSE(at("Option3", 0).enabled);
    EXPECT_FALSE(at("Command11").enabled);
    EXPECT_EQ(at("Command2", 5).back_color, ui::kHighlight);
    click("Command11");  // ignored in date mode
    EXPECT_FALSE(window->modes().report_open);

    click("Command2", 5);
    click("Command4", 1);
    ASSERT_TRUE(at("List2").visible);
    EXPECT_EQ(at("List2").lines.size(), 3u);
    EXPECT_EQ(at("List2").lines[1], U" 5月1日（水曜日）の対戦カードは以上です。");

    click_line("List2", 1);
    EXPECT_FALSE(at("List2").visible);
    EXPECT_FALSE(window->modes().date_mode);
    EXPECT_EQ(at("Command3").caption, U"対戦回");
    EXPECT_TRUE(at("Command11").enabled);
    EXPECT_TRUE(at("Option1", 0).enabled);
}

TEST_F(GameViewTest, TooltipsShowTheClubsRecordOncePerVisit) {
    window->Form_MouseMove();
    window->main().fire("Text9", -1, ui::Event::mouse_move);
    EXPECT_EQ(at("Text9").tooltip, U"2試合） 0勝） 1敗） 1分） 0.0000");
    at("Text9").tooltip = U"kept";
    window->main().fire("Text9", -1, ui::Event::mouse_move);  // still the same visit
    EXPECT_EQ(at("Text9").tooltip, U"kept");
    window->Form_MouseMove();
    EXPECT_EQ(at("Text9").tooltip, U"");
}

TEST_F(GameViewTest, ClosingTheReportsShowsTheGameShownBefore) {
    click("Option2", 2);  // a new opponent is chosen but nothing shown for it yet
    click("Command11");
    click("Command7");
    EXPECT_TRUE(services.transcript.empty());  // no "no such meeting" message on closing
    EXPECT_EQ(text("Text9"), U"巨人");
    EXPECT_EQ(text("Text10"), U"阪神");
    EXPECT_EQ(text("Text1"), U"");
    EXPECT_TRUE(at("Option1", 0).value);
    EXPECT_TRUE(at("Option1", 0).enabled);
}

}  // namespace
}  // namespace tev
