#include <gtest/gtest.h>

#include "core/topics/topics_page.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

class TopicsTest : public WindowTest {
protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4,
                                 .day = 5, .attendance = 41000, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
        test::add_game(*season, {.first = 8, .second = 7, .meet = 1, .first_runs = 1, .second_runs = 4, .month = 4,
                                 .day = 6, .attendance = 22000, .first_pitcher = U"郭", .second_pitcher = U"野田"});
    }

    // Starts the program on a screen of `width` x `height` pixels, small fonts unless `large`.
    void start_on(int width, int height, bool large = false) {
        const int tpp = large ? 12 : 15;
        services.screen_metrics = {width * tpp, height * tpp, tpp, tpp};
        ASSERT_TRUE(start());
    }

    bool shown(const char* name) { return at(name).visible; }
};

TEST_F(TopicsTest, ThePageFillsTheLengthenedReportPane) {
    start_on(1280, 1024);
    click("mnutopic");
    EXPECT_TRUE(shown("List1"));
    EXPECT_EQ(at("List1").lines,
              topics_page(window->season(), build_inning_totals(window->season())));
    EXPECT_EQ(at("List1").lines[1], U"       ========= トピックス ========= ");
    EXPECT_EQ(at("List1").extra_height, 2700);
    EXPECT_TRUE(window->modes().report_open);
    EXPECT_EQ(window->modes().pane, ui::PaneReport::none);
    EXPECT_TRUE(at("Command7").enabled);
    EXPECT_FALSE(at("Command11").enabled);
    for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option5"})
        for (int i = 0; i < (std::string(option) == "Option3" ? 2 : 6); ++i) EXPECT_FALSE(at(option, i).enabled) << option;
    for (int key = 1; key <= 31; ++key) EXPECT_EQ(at("Command4", key).back_color, ui::kDefaultColor) << key;
    EXPECT_EQ(at("Command3").back_color, ui::kDefaultColor);
    for (const char* button : {"Command5", "Command6", "Command8", "Command9", "Command10", "Command13", "Command14",
                               "Command15", "Command16", "Command17", "Command18"})
        EXPECT_EQ(at(button).back_color, ui::kDefaultColor) << button;
    // The search text shows while the page is built, and is gone when it stands.
    ASSERT_FALSE(services.statuses.empty());
    EXPECT_EQ(services.statuses.back(), kTopicsSearching);
    EXPECT_EQ(text("Text1"), Text());
}

TEST_F(TopicsTest, ThePaneGrowsByTheDisplaySizesLength) {
    start_on(800, 600);
    ASSERT_EQ(window->display_size(), 1);
    click("mnutopic");
    EXPECT_EQ(at("List1").extra_height, 1700);
}

TEST_F(TopicsTest, ALargeFontScreenOf1024GrowsItBy2000) {
    start_on(1024, 768, true);
    ASSERT_EQ(window->display_size(), 2);
    click("mnutopic");
    EXPECT_EQ(at("List1").extra_height, 2000);
}

TEST_F(TopicsTest, CloseRestoresThePaneAndTheGameView) {
    start_on(1280, 1024);
    click("mnutopic");
    click("Command7");
    EXPECT_FALSE(shown("List1"));
    EXPECT_EQ(at("List1").extra_height, 0);
    EXPECT_FALSE(window->modes().report_open);
    EXPECT_TRUE(at("Command11").enabled);
    EXPECT_TRUE(at("Option1", 0).enabled);
    EXPECT_EQ(at("Command3").back_color, ui::kHighlight);
    EXPECT_EQ(at("Command4", 12).back_color, ui::kHighlight);
    // Opened again, the pane is lengthened once, not twice.
    click("mnutopic");
    EXPECT_EQ(at("List1").extra_height, 2700);
    // A report in List1 after the topics has the pane at its own height.
    click("Command7");
    click("Command11");
    click("Command6");
    EXPECT_TRUE(shown("List1"));
    EXPECT_EQ(at("List1").extra_height, 0);
}

TEST_F(TopicsTest, WhileTheTopicsShowOtherCommandsWait) {
    start_on(1280, 1024);
    click("mnutopic");
    const auto page = at("List1").lines;
    click("mnudat_in");
    EXPECT_FALSE(window->modes().entering);
    click("mnukaiten");
    EXPECT_FALSE(window->modes().inning_totals);
    // A second click leaves the page and its pane as they are.
    click("mnutopic");
    EXPECT_EQ(at("List1").lines, page);
    EXPECT_EQ(at("List1").extra_height, 2700);
}

TEST_F(TopicsTest, TheTopicsWaitWhileAGameIsTypedInOrAReportIsOpen) {
    start_on(1280, 1024);
    click("mnudat_in");
    ASSERT_TRUE(window->modes().entering);
    click("mnutopic");
    EXPECT_FALSE(shown("List1"));
    EXPECT_EQ(at("List1").extra_height, 0);
    click("Command12");  // 入力終了 with nothing filed
    ASSERT_FALSE(window->modes().entering);
    click("Command11");
    click("Command9");
    click("mnutopic");
    EXPECT_TRUE(shown("List4"));
    EXPECT_FALSE(shown("List1"));
    click("Command7");
    click("mnukaiten");
    click("mnutopic");
    EXPECT_FALSE(shown("List1"));
    click("Command7");
    click("Command3");  // the game view's date mode
    ASSERT_TRUE(window->modes().date_mode);
    click("mnutopic");
    EXPECT_FALSE(shown("List1"));
}

TEST_F(TopicsTest, AnEmptySeasonHasItsPageToo) {
    season = std::make_unique<Season>();
    start_on(1280, 1024);
    click("mnutopic");
    EXPECT_TRUE(shown("List1"));
    EXPECT_EQ(at("List1").lines, topics_page(Season{}, InningTotals{}));
}

}  // namespace
}  // namespace tev
