#include <gtest/gtest.h>

#include "core/race/club_records.h"
#include "core/race/game_log.h"
#include "core/race/race_table.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

class RaceViewsTest : public WindowTest {
protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4,
                                 .day = 5, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
        test::add_game(*season, {.first = 4, .second = 1, .meet = 2, .first_runs = 6, .second_runs = 1, .month = 4,
                                 .day = 9, .first_pitcher = U"藪", .second_pitcher = U"桑田"});
        ASSERT_TRUE(start());
    }
};

TEST_F(RaceViewsTest, TheMenuOpensTheRaceTableAndHoldsTheWindowUntilClosed) {
    click("mnurace");
    EXPECT_TRUE(at("List4").visible);
    EXPECT_EQ(at("List4").lines, race_report(window->season(), 26, std::nullopt).lines);
    EXPECT_EQ(window->modes().pane, ui::PaneReport::race);
    EXPECT_TRUE(window->modes().report_open);
    EXPECT_TRUE(at("Command7").enabled);
    EXPECT_FALSE(at("Command11").enabled);
    click("Command7");
    EXPECT_FALSE(at("List4").visible);
    EXPECT_FALSE(window->modes().report_open);
    EXPECT_TRUE(at("Command11").enabled);
}

TEST_F(RaceViewsTest, FromTheAsOfCalendarTheDayButtonsStepTheRaceTable) {
    click("Command11");
    click("Command16");
    click("Command4", 6);
    click("mnurace");
    EXPECT_EQ(window->modes().pane, ui::PaneReport::race_as_of);
    EXPECT_EQ(at("List4").lines, race_report(window->season(), 26, AsOfDate{4, 6}).lines);
    // Only 巨人's win of 5 April counts: it leads alone.
    EXPECT_NE(at("List4").lines[1].find(U"巨　人"), Text::npos);
    click("Command4", 10);
    EXPECT_EQ(at("List4").lines, race_report(window->season(), 26, AsOfDate{4, 10}).lines);
    EXPECT_NE(at("Label7").text.find(U"4月10日現在"), Text::npos);
    // 指定日成績 takes the calendar back for the standings.
    click("Command16");
    EXPECT_EQ(window->modes().pane, ui::PaneReport::standings_as_of);
}

TEST_F(RaceViewsTest, AClubLineOpensItsLogAndTheClosingLineClosesIt) {
    click("mnurace");
    const auto team = race_line_team(at("List4").lines, 2, window->season().clubs);
    ASSERT_TRUE(team.has_value());
    click_line("List4", 2);
    EXPECT_EQ(at("List4").lines, game_log_report(window->season(), *team).lines);
    EXPECT_EQ(window->modes().pane, ui::PaneReport::race_detail);
    // A game line of the log does nothing; its closing line hides the pane.
    click_line("List4", 1);
    EXPECT_TRUE(at("List4").visible);
    click_line("List4", static_cast<int>(at("List4").lines.size()));
    EXPECT_FALSE(at("List4").visible);
}

TEST_F(RaceViewsTest, RecordsAndLogsFromTheMenu) {
    click("mnurace_rec");
    EXPECT_EQ(at("List4").lines, club_records_report(window->season()).lines);
    click("mnulog", 4);
    EXPECT_EQ(at("List4").lines, game_log_report(window->season(), 4).lines);
    EXPECT_EQ(at("List4").lines.size(), 3u);  // two games and the closing line
}

TEST_F(RaceViewsTest, NothingHappensDuringGameEntry) {
    click("mnudat_in");
    click("mnurace");
    click("mnurace_rec");
    click("mnulog", 1);
    EXPECT_FALSE(at("List4").visible);
    EXPECT_EQ(window->modes().pane, ui::PaneReport::none);
}

}  // namespace
}  // namespace tev
