#include <gtest/gtest.h>

#include "core/homeruns/homerun_file.h"
#include "core/settings/settings.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

Text hr_entry(int team, const char32_t* name, int count) {
    return right_num(team, 2) + pad_wide(name, 10) + right_num(count, 2);
}

class RecordViewsTest : public WindowTest {
protected:
    void SetUp() override {
        using test::add_game;
        add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 5,
                           .first_pitcher = U"斎藤雅", .second_pitcher = U"藪", .save = U"石毛"});
        add_game(*season, {.first = 4, .second = 1, .meet = 2, .first_runs = 1, .second_runs = 6, .month = 4, .day = 6,
                           .first_pitcher = U"川尻", .second_pitcher = U"斎藤雅"});
        add_game(*season, {.first = 7, .second = 9, .meet = 1, .first_runs = 6, .second_runs = 2, .month = 4, .day = 7,
                           .first_pitcher = U"星野", .second_pitcher = U"野茂"});
        Text game = season->game_at(1, 4, 1);
        game += format_hr({1, U"松井秀", 4, U"藪"});
        season->game_at(1, 4, 1) = game;
        season->homeruns.bat_c[0] = hr_entry(1, U"松井秀", 1);
        season->homeruns.bat_all[0] = hr_entry(1, U"松井秀", 1);
        season->homeruns.pit_c[0] = hr_entry(4, U"藪", 1);
        season->homeruns.pit_all[0] = hr_entry(4, U"藪", 1);
    }

    Text caption_title() { return text("Label6").substr(0, text("Label6").find(U"\r\n")); }
    Text caption_second_line() { return text("Label6").substr(text("Label6").find(U"\r\n") + 2); }
    bool shown(const char* name) { return at(name).visible; }
};

TEST_F(RecordViewsTest, PitcherListsFollowTheLeagueSwitchAndOpenAPitchersGames) {
    ASSERT_TRUE(start());
    click("Command11");
    click("Command8");
    EXPECT_TRUE(shown("List1"));
    EXPECT_FALSE(shown("Command19"));
    EXPECT_EQ(window->modes().pane, ui::PaneReport::pitchers);
    EXPECT_EQ(caption_title(), U"               セントラルリーグ投手成績一覧");
    EXPECT_EQ(at("Label6").fore_color, ui::kRed);
    EXPECT_TRUE(at("Frame5").enabled);
    EXPECT_TRUE(at("Option6", 0).value);
    EXPECT_EQ(text("Text1"), U"投手名をクリックすると詳細が表示されます。");
    ASSERT_EQ(at("List1").lines.size(), 4u);  // 斎藤雅 2-0, 石毛 (a save), 藪 0-1, 川尻 0-1
    EXPECT_EQ(at("List1").lines[0], U"  1]  斎藤雅　　　　 2勝   0敗   0Ｓ  巨　人　　");
    click("Option6", 1);
    EXPECT_EQ(caption_title(), U"               パシフィックリーグ投手成績一覧");
    EXPECT_EQ(at("Label6").fore_color, 0xFFFF00u);
    EXPECT_EQ(at("List1").lines[0], U"  1]  星野　　　　　 1勝   0敗   0Ｓ オリックス");
    EXPECT_TRUE(at("Option6", 1).value);
    click("Option6", 2);
    EXPECT_EQ(at("Label6").fore_color, 0xFF8000u);
    EXPECT_EQ(at("List1").lines.size(), 6u);
    click_line("List1", 1);
    ASSERT_TRUE(shown("List2"));
    EXPECT_EQ(at("List2").lines.size(), 3u);
    EXPECT_EQ(at("List2").lines[1], U" 4/ 6 対 阪　神　　  2回戦  ○  6- 1 相手投手= 川尻        ");
    click("Command7");
    EXPECT_FALSE(shown("List1"));
    EXPECT_FALSE(at("Frame5").enabled);
    EXPECT_EQ(window->pitcher_view().league, 0);
}

TEST_F(RecordViewsTest, ClubItemsHoldTheWindowUntilCloseAndWaitForOtherViews) {
    ASSERT_TRUE(start());
    click("mnuhanshin");
    EXPECT_EQ(caption_title(), U"             　　  阪神投手成績一覧");
    EXPECT_EQ(at("List1").lines, (std::vector<Text>{U"  1)   3]  藪　　　　　　　 0勝   1敗   0Ｓ   ",
                                                     U"  1)   3]  川尻　　　　　　 0勝   1敗   0Ｓ   "}));
    EXPECT_TRUE(at("Command7").enabled);
    EXPECT_EQ(at("Command7").back_color, ui::kHighlight);
    EXPECT_FALSE(at("Command11").enabled);
    EXPECT_FALSE(at("Frame5").enabled);
    click_line("List1", 2);
    EXPECT_EQ(at("List2").lines[0], U" 4/ 6 対 巨　人　　  2回戦  ●  1- 6 相手投手= 斎藤雅       ");
    click("mnugiant");  // refused: the club view holds the window
    EXPECT_EQ(caption_title(), U"             　　  阪神投手成績一覧");
    click("h_giant");
    EXPECT_EQ(caption_title(), U"             　　  阪神投手成績一覧");
    click("Command7");
    click("h_hanshin");
    EXPECT_EQ(caption_title(), U"              　 　阪神ホームラン成績一覧");
    EXPECT_TRUE(at("List1").lines.empty());  // no home run of 阪神
    click("Command7");
    click("h_giant");
    EXPECT_EQ(at("List1").lines, std::vector<Text>{U"  1)   1]  松井秀　　　　　　　 1本 "});
    click_line("List1", 1);
    EXPECT_EQ(at("List2").lines[0], U" 4/ 5  対　阪　神　　   1回戦　　藪　　　　　　　　　");
    click("Command7");
    click("Command11");  // the report buttons are open: the club items wait
    click("mnuyakuruto");
    EXPECT_FALSE(shown("List1"));
    click("Command7");
    click("mnudat_in");
    click("mnuyakuruto");
    EXPECT_FALSE(shown("List1"));
    click("mnusei_rui");
    click("h_ruikei");
    EXPECT_FALSE(shown("List1"));
}

TEST_F(RecordViewsTest, HomeRunListsSwitchSideAndLeague) {
    ASSERT_TRUE(start());
    click("Command11");
    click("Command18");
    ASSERT_TRUE(shown("Command19"));
    EXPECT_TRUE(at("Command19").enabled);
    EXPECT_EQ(at("Command19").caption, U"HR打者");
    EXPECT_EQ(at("Command19").back_color, ui::kHighlight);
    EXPECT_TRUE(window->homerun_season_list_shown());
    EXPECT_EQ(caption_second_line(), U"　　　　　　　　セントラルリーグホームラン一覧");
    EXPECT_EQ(at("List1").lines, std::vector<Text>{U"  1]  松井秀　　　　　　　 1本    巨　人　　"});
    click("Command19");
    EXPECT_EQ(at("Command19").caption, U"被HR投手");
    EXPECT_EQ(caption_second_line(), U"　　　　　　セントラルリーグ被ホームラン投手一覧");
    click_line("List1", 1);
    EXPECT_EQ(at("List2").lines[0], U" 4/ 5  対　巨　人　　   1回戦　　松井秀　　　　　　　");
    click("Option6", 1);
    EXPECT_EQ(caption_second_line(), U"　　　　　　パシフィックリーグ被ホームラン投手一覧");
    EXPECT_EQ(at("Label6").fore_color, ui::kRed);  // the switches keep the caption's colour
    EXPECT_FALSE(shown("List2"));
    click("Command19");
    EXPECT_EQ(at("Command19").caption, U"HR打者");
    EXPECT_EQ(caption_second_line(), U"　　　　　　　　パシフィックリーグホームラン一覧");
    click("Command8");  // another list kind: the side switch goes
    EXPECT_FALSE(shown("Command19"));
    EXPECT_FALSE(window->homerun_season_list_shown());
    click("Command7");
    EXPECT_EQ(at("Command19").caption, U"ＨＲ登録");
}

TEST_F(RecordViewsTest, CumulativeViewsBuildOnceAndTellOnceWhatIsMissing) {
    write_season();
    ASSERT_TRUE(write_settings(dir.path(), Settings{"1996", "Regi Year= 19961997"}).ok());
    ASSERT_TRUE(start_only());
    click("mnusei_rui");
    EXPECT_EQ(services.transcript, std::vector<std::string>{
                                       "MSG: 投手成績の累計に入れられなかったデータがあります。\\n\\n1997年: "
                                       "Pitcher_1997.DAT が見つかりません"});
    EXPECT_EQ(caption_title(), U"               セントラルリーグ投手成績一覧（累計）");
    EXPECT_EQ(text("Text1"), U"セントラルリーグ投手成績累計表示中");
    EXPECT_EQ(at("List1").lines[0], U"   1] 斎藤雅　　　　  2勝   0敗   0Ｓ 巨　人　　");
    EXPECT_TRUE(at("Frame5").enabled);
    click("Option6", 2);
    EXPECT_EQ(caption_title(), U"               両リーグ投手成績一覧（累計）");
    EXPECT_EQ(text("Text1"), U"両リーグ投手成績累計表示中");
    click_line("List1", 1);
    EXPECT_EQ(at("List2").lines, (std::vector<Text>{U"1996年度   2勝  0敗  0Ｓ",
                                                     U"以上です。このラインをクリックするとこの窓は、消去されます。"}));
    click("Command8");  // the report buttons wait for 窓消去
    EXPECT_EQ(window->modes().pane, ui::PaneReport::pitchers);
    EXPECT_TRUE(window->pitcher_view().cum_view);
    click("Command7");
    services.statuses.clear();
    click("mnusei_rui");  // built for these years already: no second build, no second message
    EXPECT_TRUE(services.statuses.empty());
    EXPECT_EQ(services.transcript.size(), 1u);
    click("Command7");

    click("h_ruikei");
    EXPECT_EQ(services.transcript.size(), 2u);
    EXPECT_EQ(text("Label6"), U"               セントラルリーグホームラン成績一覧（累計）\r\n         バッター名          ホームラン数");
    EXPECT_EQ(at("Label6").fore_color, ui::kRed);
    EXPECT_EQ(at("Command19").caption, U"HR打者");
    EXPECT_TRUE(at("Command19").enabled);
    EXPECT_EQ(at("List1").lines, std::vector<Text>{U"   1] 松井秀　　　　　　　  1本    巨　人　　"});
    click("Command19");
    EXPECT_EQ(at("Command19").caption, U"被HR投手");
    EXPECT_EQ(caption_title(), U"        セントラルリーグ被ホームラン投手一覧");
    click("Option6", 2);
    EXPECT_EQ(caption_title(), U"          両リーグ被ホームラン投手一覧");
    click_line("List1", 1);
    EXPECT_EQ(at("List2").lines[0], U"1996年度   1本 ");
    click("Command19");
    EXPECT_EQ(caption_title(), U"            両リーグホームラン累計一覧");
    click("Command7");
    EXPECT_FALSE(window->homerun_view().cum_view);
    EXPECT_FALSE(shown("Command19"));
}

TEST_F(RecordViewsTest, TheCommitRebuildsTheCumulativeTablesFromTheGamesAsTheyStand) {
    ASSERT_TRUE(start());
    click("mnusei_rui");
    ASSERT_EQ(at("List1").lines.size(), 4u);
    click("Command7");
    // Meeting 3 of 巨人 at 阪神, 3-1, won by 桑田 (typed through the keyboard row).
    click("mnudat_in");
    click("Option3", 0);
    click("Option1", 0);
    click("Option2", 3);
    click("Command4", 3);
    click("Text7");
    click("Command4", 3);
    click("Text8");
    click("Command4", 1);
    click("Text6", 0);
    for (int k : {0, 0, 1, 0, 0, 0, 2, 0, 0}) click("Command4", k);
    click("Text15", 0);
    for (int k : {0, 1, 0, 0, 0, 0, 0, 0, 32}) click("Command4", k);
    click("Text5");
    for (int k : {3, 2, 0, 0, 0}) click("Command4", k);
    click("Text18");
    click("Command2", 4);
    click("Text19");
    click("Command4", 9);
    for (auto [box, name] : {std::pair{"Text2", U"桑田"}, std::pair{"Text3", U"川尻"}}) {
        services.inputs.push_back(name);
        click(box);
        click_line("List1", static_cast<int>(at("List1").lines.size()) - 1);
    }
    click("Command1");
    click("Command12");
    ASSERT_FALSE(window->modes().entering);
    services.statuses.clear();
    click("mnusei_rui");
    EXPECT_TRUE(services.statuses.empty());  // the commit has rebuilt it already
    ASSERT_EQ(at("List1").lines.size(), 5u);
    EXPECT_EQ(at("List1").lines[1], U"   2] 桑田　　　　　  1勝   0敗   0Ｓ 巨　人　　");
    EXPECT_EQ(at("List1").lines[4], U"   5] 川尻　　　　　  0勝   2敗   0Ｓ 阪　神　　");
}

}  // namespace
}  // namespace tev
