#include <gtest/gtest.h>

#include "core/history/history_file.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;
using test::WindowTest;

TEST_F(WindowTest, StartingOnAnEmptySeasonEndsWithTheLayoutText) {
    ASSERT_TRUE(start());
    EXPECT_EQ(text("Text1"), U"表示サイズ＝ 1024×768で小さいﾌｫﾝﾄです。");
    EXPECT_EQ(text("Label10"), U"Tevardin 1996");
    EXPECT_EQ(window->main().caption, U"Tevardin  1996");
    EXPECT_FALSE(window->modes().rebuilding);
    EXPECT_EQ(window->modes().history, ui::HistoryState::ready);
    EXPECT_EQ(window->modes().shown_league, 0);
    EXPECT_FALSE(at("Command1").enabled);
    EXPECT_FALSE(at("Command12").enabled);
    EXPECT_FALSE(at("List3").visible);
    EXPECT_TRUE(window->main().visible);
    EXPECT_FALSE(window->notice().visible);
    // The progress texts were painted in order while the files were read.
    EXPECT_EQ(services.statuses,
              (std::vector<Text>{U"", U"得点データ読み込み中です。", U"投手成績データ読み込み中です。"}));
    EXPECT_TRUE(services.transcript.empty());
}

TEST_F(WindowTest, AFirstStartInAnEmptyFolderMakesTheSettingsThenStops) {
    EXPECT_FALSE(start_only());
    EXPECT_TRUE(window->ended());
    EXPECT_EQ(slurp(dir / "Tevardin.ini"), "Disp Year= 1996\r\nRegi Year= 1996\r\n");
    ASSERT_EQ(services.transcript.size(), 1u);
    EXPECT_EQ(services.transcript[0],
              "MSG: データファイルが見つかりません\\n   プログラムを終了します！！\\n\\nRIRE1996.DAT: ファイルがありません");
}

TEST_F(WindowTest, ADamagedSettingsFileEndsTheStartUp) {
    spit(dir / "Tevardin.ini", "Disp Year= 1996\r\n");
    EXPECT_FALSE(start_only());
    ASSERT_EQ(services.transcript.size(), 1u);
    EXPECT_EQ(services.transcript[0].rfind("MSG: [Tevardin.ini] が異常のため起動出来ません。\\n\\n           プログラムを終了します。", 0), 0u);
}

TEST_F(WindowTest, ASecondCopyIsRefusedBeforeAnythingIsRead) {
    services.instance_free = false;
    EXPECT_FALSE(start_only());
    EXPECT_EQ(services.transcript, std::vector<std::string>{"MSG: Tevardinは、すでに起動されています。"});
    EXPECT_FALSE(std::filesystem::exists(dir / "Tevardin.ini"));
}

TEST_F(WindowTest, AHistoryThatEndsEarlyIsRebuilt) {
    test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 1});
    write_season();
    spit(dir / "RIRE1996.DAT", " 1\r\n 1\r\n");
    ASSERT_TRUE(start_only());
    EXPECT_EQ(window->modes().history, ui::HistoryState::ready);
    EXPECT_EQ(text("Text1"), U"");  // the rebuild empties the status line at its end
    auto history = read_history_file(dir.path(), "RIRE1996.DAT");
    ASSERT_TRUE(history.ok());
    EXPECT_EQ(history->state, HistoryFileState::complete);
    EXPECT_EQ(history->history.pct[13][4], 0);      // 阪神 lost on 1 April (day 13)
    EXPECT_EQ(history->history.rank[12][4], 1);     // and stood level the day before
    EXPECT_EQ(services.statuses.back(), U"只今履歴データ作成中");
}

TEST_F(WindowTest, APacificOnlySeasonShowsThePacificLeague) {
    test::add_game(*season, {.first = 8, .second = 12, .meet = 2, .first_runs = 1, .second_runs = 4, .month = 6, .day = 3});
    ASSERT_TRUE(start());
    EXPECT_EQ(window->modes().shown_league, 2);
    EXPECT_TRUE(at("Option3", 1).value);
    EXPECT_FALSE(at("Option3", 0).value);
    EXPECT_TRUE(at("Option4", 1).value);   // 西武 batting first
    EXPECT_TRUE(at("Option5", 5).value);   // ダイエー at home
    EXPECT_TRUE(at("Option4", 0).enabled);
    EXPECT_FALSE(at("Option1", 0).enabled);
    EXPECT_EQ(text("Text9"), U"西  武");
    EXPECT_EQ(text("Text10"), U"ﾀﾞｲｴｰ");
    click("Option3", 0);  // the Central League has no game: nothing happens
    EXPECT_EQ(window->modes().shown_league, 2);
}

TEST_F(WindowTest, TheLayoutCheckFollowsTheScreen) {
    struct Case {
        int w, h, tpp;
        int disp_size;
        bool warned;
        double scale;
    };
    for (const Case c : {Case{800, 600, 15, 1, false, 1.0}, Case{1024, 768, 12, 2, false, 1.0},
                         Case{1280, 1024, 15, 0, false, 1.0}, Case{640, 480, 15, 1, true, 0.75},
                         Case{1024, 768, 15, 0, false, 1.0}}) {
        test::TempDir folder;
        ASSERT_TRUE(gen::write_generated(folder.path(), Season{}).ok());
        ui::ScriptedServices screen;
        screen.screen_metrics = ui::ScreenMetrics{c.w * c.tpp, c.h * c.tpp, c.tpp, c.tpp};
        ui::MainWindow program(folder.path(), screen);
        ASSERT_TRUE(program.start());
        EXPECT_EQ(program.display_size(), c.disp_size) << c.w << "x" << c.h;
        EXPECT_EQ(screen.transcript.size(), c.warned ? 1u : 0u) << c.w << "x" << c.h;
        EXPECT_EQ(program.main().scale, c.scale) << c.w << "x" << c.h;
        if (c.w == 1280) {
            EXPECT_EQ(program.main().width, 15200);
            EXPECT_EQ(program.main().height, 11300);
            EXPECT_EQ(program.main().left, (1280 * 15 - 15200) / 2);
        }
    }
}

TEST_F(WindowTest, TheLayoutShrinksIntoTheRoomTheScreenLeaves) {
    struct Case {
        int w, h, room_w, room_h;
        double scale;
        bool warned;
    };
    // A laptop less its task bar, a large screen with room to spare, and the smallest screen,
    // whose own shrinking is not enough once the task bar is counted.
    for (const Case c : {Case{1366, 768, 1366, 690, 690.0 / 704, false}, Case{1920, 1080, 1920, 1000, 1.0, false},
                         Case{640, 480, 640, 420, 420.0 / 704, true}}) {
        test::TempDir folder;
        ASSERT_TRUE(gen::write_generated(folder.path(), Season{}).ok());
        ui::ScriptedServices screen;
        screen.screen_metrics = ui::ScreenMetrics{c.w * 15, c.h * 15, 15, 15, c.room_w * 15, c.room_h * 15};
        ui::MainWindow program(folder.path(), screen);
        ASSERT_TRUE(program.start());
        EXPECT_DOUBLE_EQ(program.main().scale, c.scale) << c.w << "x" << c.h;
        EXPECT_EQ(screen.transcript.size(), c.warned ? 1u : 0u) << c.w << "x" << c.h;
        EXPECT_EQ(program.display_size(), c.w > 1000 ? 0 : 1) << c.w << "x" << c.h;
        if (c.w > 1000) {
            EXPECT_EQ(program.main().width, static_cast<int>(15200 * c.scale));
            EXPECT_EQ(program.main().left, (c.w * 15 - program.main().width) / 2);
        }
    }
}

TEST_F(WindowTest, TheLayoutFollowsTheRoomWhenItChanges) {
    test::TempDir folder;
    ASSERT_TRUE(gen::write_generated(folder.path(), Season{}).ok());
    ui::ScriptedServices screen;
    screen.screen_metrics = ui::ScreenMetrics{1366 * 15, 768 * 15, 15, 15, 1366 * 15, 720 * 15};
    ui::MainWindow program(folder.path(), screen);
    ASSERT_TRUE(program.start());
    EXPECT_DOUBLE_EQ(program.main().scale, 1.0);
    // The window system framed the window: its title bar takes more than foreseen.
    screen.screen_metrics.room_height_twips = 680 * 15;
    program.screen_room_changed();
    EXPECT_DOUBLE_EQ(program.main().scale, 680.0 / 704);
    EXPECT_EQ(program.main().height, static_cast<int>(11300 * 680.0 / 704));
    // The task bar went away: the designed layout again, never larger.
    screen.screen_metrics.room_height_twips = 768 * 15;
    program.screen_room_changed();
    EXPECT_DOUBLE_EQ(program.main().scale, 1.0);
    EXPECT_EQ(program.main().width, 15200);
}

TEST_F(WindowTest, QuittingAsksFirst) {
    ASSERT_TRUE(start());
    services.answers = {false};
    click("mnuEndPrgItem");
    EXPECT_FALSE(window->ended());
    services.answers = {true};
    window->request_close();
    EXPECT_TRUE(window->ended());
    EXPECT_EQ(services.transcript.back(), "ASK: 終　　了: Tevardinを終了しますか ? -> Yes");
}

TEST_F(WindowTest, TheVersionBoxOpensAndCloses) {
    ASSERT_TRUE(start());
    click("mnuVerItem");
    ASSERT_TRUE(window->dialog().visible);
    EXPECT_EQ(window->dialog().caption, U"ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(window->dialog().at("Label1").text.rfind(U"Tevardin", 0), 0u);
    window->dialog().fire("Command1", -1, ui::Event::click);
    EXPECT_FALSE(window->dialog().visible);
    EXPECT_EQ(text("Text1"), U"");
}

TEST_F(WindowTest, HelpOpensTheHelpFileOfTheDataFolder) {
    ASSERT_TRUE(start());
    click("mnuHowUseItem");
    ASSERT_EQ(services.help_opened.size(), 1u);
    EXPECT_EQ(services.help_opened[0], dir / "TEVARDIN.HLP");
    EXPECT_EQ(text("Text1"), U"");
}

TEST_F(WindowTest, TheClockShowsDateAndTime) {
    services.clock = ui::DateTime{2004, 4, 1, 9, 5, 7};
    ASSERT_TRUE(start());
    EXPECT_EQ(text("Label5", 0), U"2004/04/01");
    EXPECT_EQ(text("Label5", 1), U"09:05:07");
}

}  // namespace
}  // namespace tev
