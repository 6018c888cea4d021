// The manual covers what a user can reach: every menu item and button of the main window, each
// window over it and each place the help opens at has its section in the shipped TEVARDIN.HLP,
// and every link of the manual leads to one of its sections. この画面の使い方 (F1) opens the
// section of what is on screen, 使い方 the contents.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "core/store/club_names.h"
#include "core/text/fixed_width.h"
#include "support/season_builder.h"
#include "ui/shell/help_topics.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

std::string shipped_manual() {
    std::ifstream in(std::filesystem::path(TEVARDIN_SHIPPED_DATA) / std::string(ui::kHelpFile), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// How often each first group of `pattern` occurs in `text`.
std::map<std::string, int> count_matches(const std::string& text, const std::regex& pattern) {
    std::map<std::string, int> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
        ++found[(*it)[1].str()];
    return found;
}

std::map<std::string, int> manual_sections() {
    return count_matches(shipped_manual(), std::regex(R"re(<a name="([^"]+)">)re"));
}

bool is_section(const std::map<std::string, int>& sections, std::string_view anchor) {
    return sections.count(std::string(anchor)) != 0;
}

TEST(HelpManualTest, EveryTopicNamesASectionOfTheManual) {
    const auto sections = manual_sections();
    ASSERT_FALSE(sections.empty()) << "no sections in " << TEVARDIN_SHIPPED_DATA;
    for (const ui::HelpTopic& topic : ui::help_topics())
        EXPECT_TRUE(is_section(sections, topic.anchor)) << topic.key << ": no section " << topic.anchor;
}

TEST(HelpManualTest, EverySectionIsNamedOnceAndEveryLinkLeadsToOne) {
    const auto sections = manual_sections();
    for (const auto& [name, count] : sections) EXPECT_EQ(count, 1) << "section " << name;
    for (const auto& [target, count] : count_matches(shipped_manual(), std::regex(R"re(href="#([^"]+)")re")))
        EXPECT_TRUE(is_section(sections, target)) << "a link to #" << target;
}

TEST(HelpManualTest, TheManualNamesTodaysTwelveClubs) {
    const std::string manual = shipped_manual();
    const ClubNames today = todays_club_names();
    for (int team = 1; team <= 12; ++team) {
        Text name;
        for (char32_t c : trim_right(today.team_name(team)))
            if (c != U'　') name += c;
        EXPECT_NE(manual.find(to_utf8(name)), std::string::npos) << to_utf8(name);
    }
}

class HelpTopicsTest : public WindowTest {
protected:
    // The section この画面の使い方 opens now.
    std::string help_here() {
        click("mnuHelpHereItem");
        return services.help_sections.empty() ? "(not opened)" : services.help_sections.back();
    }
};

TEST_F(HelpTopicsTest, EveryMenuItemAndButtonOfTheMainWindowHasASection) {
    ASSERT_TRUE(start());
    const auto sections = manual_sections();
    int checked = 0;
    for (const auto& control : window->main().controls()) {
        if (control->kind != ui::ControlKind::menu && control->kind != ui::ControlKind::button) continue;
        const std::string_view anchor = ui::help_anchor(control->name);
        EXPECT_FALSE(anchor.empty()) << control->key() << " has no help topic";
        EXPECT_TRUE(anchor.empty() || is_section(sections, anchor)) << control->key() << ": no section " << anchor;
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST_F(HelpTopicsTest, EveryTopicIsOfAControlAWindowOrAPlace) {
    ASSERT_TRUE(start());
    for (const ui::HelpTopic& topic : ui::help_topics()) {
        const std::string key(topic.key);
        if (key.rfind(ui::kPlaceKey, 0) == 0) continue;
        if (key.rfind(ui::kWindowKey, 0) == 0) {
            EXPECT_NE(window->window(key.substr(ui::kWindowKey.size())), nullptr) << key;
        } else {
            EXPECT_FALSE(window->main().array(key).empty()) << key << " is no control of the main window";
        }
    }
}

TEST_F(HelpTopicsTest, HowToUseOpensTheContents) {
    ASSERT_TRUE(start());
    click("Command11");
    click("Command9");
    click("mnuHowUseItem");
    ASSERT_EQ(services.help_sections.size(), 1u);
    EXPECT_EQ(services.help_sections[0], "");
    EXPECT_EQ(services.help_opened[0], dir / "TEVARDIN.HLP");
    EXPECT_EQ(services.transcript.back(), "HELP: TEVARDIN.HLP");
}

TEST_F(HelpTopicsTest, TheSectionOfTheGameViewTheEntryAndItsPromptsLeftAsTheyAre) {
    ASSERT_TRUE(start());
    EXPECT_EQ(help_here(), "view");
    EXPECT_EQ(services.transcript.back(), "HELP: TEVARDIN.HLP#view");
    click("mnudat_in");
    EXPECT_EQ(help_here(), "entry");
    EXPECT_EQ(text("Text1"), U"リーグ名を選択して下さい。");  // the prompt stays for the user to follow
    EXPECT_TRUE(window->modes().entering);
}

TEST_F(HelpTopicsTest, TheSectionOfTheReportThatDrewThePane) {
    test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4,
                             .day = 5, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
    ASSERT_TRUE(start());
    click("Command11");
    EXPECT_EQ(help_here(), "reports");
    click("Command9");
    EXPECT_EQ(help_here(), "r_seiseki");
    click("mnutopic");  // refused while the reports hold the window: the standings stay
    EXPECT_EQ(help_here(), "r_seiseki");
    click("Command10");
    EXPECT_EQ(help_here(), "r_taisen");
    click("Command16");
    click("Command4", 32);  // the as-of day steps: still the standings as of a day
    EXPECT_EQ(help_here(), "r_shitei");
    click("mnurace");
    EXPECT_EQ(help_here(), "r_race");
    click("Command7");
    EXPECT_EQ(help_here(), "view");
    click("mnugiant");
    EXPECT_EQ(help_here(), "r_toushu_club");
}

TEST_F(HelpTopicsTest, TheSectionOfTheWindowOnTop) {
    ASSERT_TRUE(start());
    click("mnuclub_names");
    ASSERT_TRUE(window->clubs().visible);
    EXPECT_EQ(help_here(), "y_clubs");
    window->clubs().fire("Command4", -1, ui::Event::click);
    click("mnurank_make");
    ASSERT_TRUE(window->graph().visible);
    EXPECT_EQ(help_here(), "o_graph");
    window->graph().fire(ui::kFormName, -1, ui::Event::close);
    click("mnuVerItem");
    EXPECT_EQ(help_here(), "help");
    window->dialog().fire("Command1", -1, ui::Event::click);
    click("mnudat_add");
    ASSERT_TRUE(window->dialog().visible);
    EXPECT_EQ(help_here(), "y_add");
}

TEST_F(HelpTopicsTest, TheSectionOfTheYearListsTheInningTotalsAndTheDays) {
    test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4,
                             .day = 5, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
    ASSERT_TRUE(start());
    click("mnuNewFileItem");
    ASSERT_TRUE(at("List3").visible);
    EXPECT_EQ(help_here(), "y_new");
    EXPECT_TRUE(at("List3").visible);  // the list stays to be chosen from
    click("mnudatfile_del");
    EXPECT_EQ(help_here(), "y_delete");
    click("mnuHowUseItem");  // 使い方 hides the list, as ever
    EXPECT_FALSE(at("List3").visible);
    click("mnukaiten");
    EXPECT_EQ(help_here(), "o_kaiten");
    click("Command7");
    click("Command3");
    ASSERT_TRUE(window->modes().date_mode);
    EXPECT_EQ(help_here(), "v_date");
}

TEST_F(HelpTopicsTest, TheSectionOfInterleagueEntry) {
    season->disp_year = "2026";
    season->interleague_meetings = 3;
    ASSERT_TRUE(start());
    click("mnudat_in");
    click("Option3", 2);
    EXPECT_EQ(help_here(), "k_entry");
}

}  // namespace
}  // namespace tev
