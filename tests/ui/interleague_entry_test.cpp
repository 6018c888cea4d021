// The input panel's third choice, 交流戦: a year of interleague play offers it, a club of either
// league bats first and the home club comes from the other league, and the keypad takes meetings
// up to the year's number only.
#include <gtest/gtest.h>

#include "support/season_builder.h"
#include "ui/window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

class InterleagueEntryTest : public WindowTest {
protected:
    void start_year(const std::string& year, int interleague_meetings) {
        season->disp_year = year;
        season->interleague_meetings = interleague_meetings;
        ASSERT_TRUE(start());
    }
};

TEST_F(InterleagueEntryTest, AYearWithoutInterleaguePlayDoesNotOfferTheChoice) {
    start_year("1996", 0);
    EXPECT_FALSE(at("Option3", 2).visible);
    click("mnudat_in");
    EXPECT_FALSE(at("Option3", 2).enabled);
}

TEST_F(InterleagueEntryTest, TheVisitorsLeagueDecidesWhereTheHomeClubComesFrom) {
    start_year("2026", 3);
    ASSERT_TRUE(at("Option3", 2).visible);
    click("mnudat_in");
    click("Option3", 2);
    EXPECT_EQ(text("Text4"), U"交流戦");
    for (const char* frame : {"Option1", "Option2", "Option4", "Option5"}) EXPECT_TRUE(at(frame, 0).enabled) << frame;
    click("Option4", 2);  // 楽天's place: a Pacific club bats first
    EXPECT_FALSE(at("Option5", 0).enabled);
    EXPECT_TRUE(at("Option2", 0).enabled);
    click("Option1", 0);  // changed to a Central club: the Pacific choice lets go
    EXPECT_FALSE(at("Option4", 2).value);
    EXPECT_TRUE(at("Option1", 0).value);
    EXPECT_FALSE(at("Option2", 3).enabled);
    EXPECT_TRUE(at("Option5", 5).enabled);
    click("Option5", 5);
    EXPECT_EQ(window->entry().first, 1);
    EXPECT_EQ(window->entry().second, 12);
    EXPECT_EQ(text("Text1"), U"対戦回数を入力して下さい。");
    click("Command4", 4);  // past the year's three meetings
    EXPECT_EQ(text("Text1"), U"交流戦の対戦回数は1から3までです。");
    EXPECT_EQ(window->entry().meeting, 0);
    click("Command4", 3);
    EXPECT_EQ(window->entry().meeting, 3);
    EXPECT_EQ(text("Text11"), U"3");
}

TEST_F(InterleagueEntryTest, TheAlreadyFiledCheckFindsTheMeetingEitherWayRound) {
    season->disp_year = "2026";
    season->interleague_meetings = 3;
    test::add_interleague_game(*season, {.first = 12, .second = 1, .meet = 2, .first_runs = 6, .second_runs = 5});
    ASSERT_TRUE(start());
    services.answers = {false};
    click("mnudat_in");
    click("Option3", 2);
    click("Option1", 0);
    click("Option5", 5);
    click("Command4", 2);
    ASSERT_EQ(services.transcript.size(), 1u);
    EXPECT_NE(services.transcript[0].find("再登録確認"), std::string::npos);
    EXPECT_EQ(window->entry().meeting, 0);  // "no": the meeting is asked again
    EXPECT_EQ(text("Text1"), U"対戦回数を入力して下さい。");
}

}  // namespace
}  // namespace tev
