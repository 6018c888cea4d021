#include <gtest/gtest.h>

#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

class EntryTest : public WindowTest {
protected:
    void SetUp() override {
        season->disp_year = "2004";
        // Meeting 7 of 巨人 at 阪神 is stored with 巨人 batting first.
        test::add_game(*season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2, .month = 5,
                                 .day = 2, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
        ASSERT_TRUE(start());
    }

    // League, clubs and meeting of a Central game: 巨人 (first) against 阪神.
    void choose_pair(int first_index = 0, int second_index = 3) {
        click("mnudat_in");
        click("Option3", 0);
        click("Option1", first_index);
        click("Option2", second_index);
    }
};

TEST_F(EntryTest, StartingEntryResetsTheForm) {
    click("mnudat_in");
    EXPECT_TRUE(window->modes().entering);
    EXPECT_FALSE(at("Command1").enabled);
    EXPECT_TRUE(at("Command12").enabled);
    EXPECT_EQ(text("Text1"), U"リーグ名を選択して下さい。");
    EXPECT_EQ(at("List6").lines, std::vector<Text>{U"*ホームラン*"});
    EXPECT_TRUE(at("Command19").visible);
    EXPECT_FALSE(at("Command19").enabled);
    EXPECT_FALSE(at("Command11").enabled);
    EXPECT_EQ(at("Command2", 4).back_color, ui::kHighlight);
    EXPECT_EQ(text("Text9"), U"");
    EXPECT_EQ(at("Text7").fore_color, ui::kBlack);
}

TEST_F(EntryTest, TheMeetingIsAskedForOnceBothClubsAreChosen) {
    click("mnudat_in");
    click("Option3", 0);
    EXPECT_EQ(text("Text4"), U"セントラルリーグ");
    EXPECT_EQ(text("Text1"), U"先攻チーム名を選択して下さい。");
    click("Option1", 0);
    EXPECT_EQ(text("Text1"), U"後攻ームを入力して下さい。");  // shown exactly as written
    click("Option2", 3);
    EXPECT_EQ(text("Text1"), U"対戦回数を入力して下さい。");
    click("Text7");  // another box in between: the meeting number is still awaited
    keys({5});
    EXPECT_EQ(window->entry().meeting, 5);
    EXPECT_EQ(window->entry().first_runs, 5);
    EXPECT_EQ(text("Text11"), U"5");
}

TEST_F(EntryTest, EqualClubsAreRefusedAndThePreviousChoiceRestored) {
    choose_pair();
    click("Option1", 2);  // 横浜 first
    click("Option1", 3);  // 阪神 is already batting second
    EXPECT_EQ(services.transcript.back(), "MSG: 先攻、後攻が同一チームです。");
    EXPECT_EQ(window->entry().first, 3);
    EXPECT_TRUE(at("Option1", 2).value);
    EXPECT_FALSE(at("Option1", 3).value);
    EXPECT_EQ(text("Text9"), U"横浜");
}

TEST_F(EntryTest, KeypadRulesForRunsInningsAttendanceAndDates) {
    choose_pair();
    keys({8});
    click("Text7");
    keys({32});  // "X" gives 32 runs
    EXPECT_EQ(window->entry().first_runs, 32);
    click("Text6", 4);
    keys({0, 0, 1, 0, 0, 0, 2, 0, 0, 32});
    EXPECT_EQ(window->entry().first_innings, U" 0 0 1 0 0 0 2 0 0 X");
    EXPECT_EQ(text("Text14"), U"3");
    EXPECT_EQ(text("Text6", 9), U" X");
    EXPECT_EQ(window->entry().key_target, ui::KeyTarget::first_innings);  // until 15 cells
    click("Text6", 0);  // starts again from the first inning
    EXPECT_EQ(window->entry().first_innings, U"");
    EXPECT_EQ(text("Text14"), U"0");

    click("Text5");
    keys({12, 3, 4, 5});
    EXPECT_EQ(window->entry().attendance, U"12345");
    EXPECT_EQ(window->entry().key_target, ui::KeyTarget::none);
    click("Text5");
    keys({3, 2, 0, 0, 0});
    EXPECT_EQ(text("Text5"), U"32000");

    click("Text18");
    click("Command2", 9);
    click("Text19");
    keys({31});
    EXPECT_EQ(services.transcript.back(), "MSG:  9月には３１日は有りません。");
    EXPECT_EQ(window->entry().day, 0);
    EXPECT_EQ(text("Text19"), U"");
    click("Text18");
    click("Command2", 5);
    click("Text19");
    keys({31});  // 31 May, then a month without a 31st
    click("Text18");
    click("Command2", 6);
    EXPECT_EQ(services.transcript.back(), "MSG: 6月には３１日は有りません。");
    EXPECT_EQ(window->entry().month, 0);
    click("Text19");
    keys({30});
    click("Text18");
    click("Command2", 9);
    click("Text18");
    click("Command2", 12);  // not a season month
    EXPECT_EQ(window->entry().month, 9);
    click("Text18");
    click("Command2", 4);
    click("Text19");
    keys({1});
    EXPECT_EQ(text("Text20"), U"木");  // 1 April 2004
}

TEST_F(EntryTest, ReturnNeedsEveryValueButPitchersInATie) {
    choose_pair();
    keys({8});
    compose_three_one();
    EXPECT_FALSE(at("Command1").enabled);  // a decided game needs both pitchers of record
    pick_pitcher("Text2", U"桑田");
    EXPECT_FALSE(at("Command1").enabled);
    pick_pitcher("Text3", U"川尻");
    EXPECT_TRUE(at("Command1").enabled);
    EXPECT_EQ(at("Command1").back_color, ui::kHighlight);

    click("Text8");
    keys({3});  // now 3-3: no pitchers needed, the pitcher boxes do nothing
    EXPECT_TRUE(at("Command1").enabled);
    const auto before = services.transcript.size();
    click("Text2");
    EXPECT_FALSE(at("List1").visible);
    EXPECT_EQ(services.transcript.size(), before);
}

TEST_F(EntryTest, FilingStoresTheGameStringAndResetsTheForm) {
    file_three_one();
    const Text& game = window->season().game_at(1, 4, 8);
    ASSERT_EQ(game.size(), 109u);
    EXPECT_EQ(mid(game, 1, 4), U" 3 1");
    EXPECT_EQ(mid(game, 40, 30), U" 0 0 1 0 0 0 2 0 0            ");
    EXPECT_EQ(mid(game, 70, 30), U" 0 1 0 0 0 0 0 0 X            ");
    EXPECT_EQ(mid(game, 5, 10), U"桑田        ");
    EXPECT_EQ(mid(game, 35, 5), U"32000");
    EXPECT_EQ(mid(game, 100, 10), U"2004/ 4/ 1");
    EXPECT_TRUE(window->document().games_unsaved());
    EXPECT_EQ(text("Text1"), U"リーグ名を選択して下さい。");
    EXPECT_FALSE(at("Command1").enabled);
    // Nothing reaches the disk before 入力終了.
    EXPECT_EQ(test::slurp(dir / "Tev_2004.DAT").find("\x8c\x4b\x93\x63"), std::string::npos);
}

TEST_F(EntryTest, WrongRunTotalsAreRefused) {
    choose_pair();
    keys({8});
    compose_three_one();
    click("Text7");
    keys({4});
    pick_pitcher("Text2", U"桑田");
    pick_pitcher("Text3", U"川尻");
    click("Command1");
    EXPECT_EQ(services.transcript.back(), "MSG: 先攻チームの得点合計が違います。");
    EXPECT_TRUE(window->season().game_at(1, 4, 8).empty());
    EXPECT_EQ(window->entry().first_runs, 4);  // the buffer is kept for mending
}

TEST_F(EntryTest, AStoredMeetingIsOfferedForCorrectionTheRightWayRound) {
    choose_pair(3, 0);  // 阪神 first, 巨人 second: the stored game has 巨人 first
    services.answers = {true};
    keys({7});
    EXPECT_EQ(services.transcript.back(), "ASK: 再登録確認: この対戦カードは、登録済みです。\\n再登録しますか？ -> Yes");
    EXPECT_EQ(window->entry().first, 1);
    EXPECT_EQ(window->entry().second, 4);
    EXPECT_EQ(text("Text2"), U"斎藤");
    EXPECT_EQ(text("Text7"), U"4");
    EXPECT_TRUE(at("Option1", 0).value);
    EXPECT_TRUE(at("Option2", 3).value);
    EXPECT_TRUE(at("Command1").enabled);
    click("Text7");
    keys({5});
    click("Text6", 0);
    keys({5});
    click("Command1");
    EXPECT_EQ(first_runs(window->season().game_at(1, 4, 7)), 5);  // the same slot, overwritten
    EXPECT_TRUE(window->season().game_at(4, 1, 7).empty());
}

TEST_F(EntryTest, NoToTheQuestionKeepsTheBufferAndAsksForAnotherMeeting) {
    click("mnudat_in");
    click("Option3", 0);
    click("Option1", 0);
    click("Text7");
    keys({2});  // the runs before the second club, so no meeting is awaited yet
    click("Option2", 3);
    services.answers = {false};
    keys({7});
    EXPECT_EQ(window->entry().meeting, 0);
    EXPECT_EQ(window->entry().awaiting_meeting, true);
    EXPECT_EQ(window->entry().first_runs, 2);
    EXPECT_EQ(text("Text1"), U"対戦回数を入力して下さい。");
    keys({8});
    EXPECT_EQ(window->entry().meeting, 8);
}

TEST_F(EntryTest, ChangingThePairAfterTheMeetingChecksItToo) {
    click("mnudat_in");
    click("Option3", 0);
    click("Text11");
    keys({7});  // the meeting first, before the clubs
    click("Option1", 3);
    services.answers = {false};
    click("Option2", 0);  // 阪神 v 巨人 meeting 7 is stored the other way round
    EXPECT_EQ(services.transcript.back(), "ASK: 再登録確認: この対戦カードは、登録済みです。\\n再登録しますか？ -> No");
    EXPECT_EQ(window->entry().meeting, 0);
}

TEST_F(EntryTest, ChangingTheLeagueDiscardsTheBuffer) {
    choose_pair();
    keys({8});
    click("Option3", 1);
    EXPECT_EQ(window->entry().meeting, 0);
    EXPECT_EQ(window->entry().first, 0);
    EXPECT_EQ(window->entry().league, 2);
    EXPECT_TRUE(at("Option4", 0).enabled);
    EXPECT_FALSE(at("Option1", 0).enabled);
}

TEST_F(EntryTest, ACommitWithoutFilingWritesNothing) {
    const auto before = test::slurp(dir / "Tev_2004.DAT");
    std::filesystem::remove(dir / "Best100_2004.DAT");
    click("mnudat_in");
    window->main().fire("Command12", -1, ui::Event::mouse_down);
    EXPECT_EQ(text("Text1"), U"只今データー更新中、しばらくお待ち下さい。");
    click("Command12");
    EXPECT_FALSE(window->modes().entering);
    EXPECT_FALSE(std::filesystem::exists(dir / "Best100_2004.DAT"));
    EXPECT_EQ(test::slurp(dir / "Tev_2004.DAT"), before);
    EXPECT_TRUE(at("Command11").enabled);
    EXPECT_TRUE(at("Command11").focused);
}

TEST_F(EntryTest, TheCommitSavesRebuildsAndReportsEachStep) {
    file_three_one();
    services.statuses.clear();
    click("Command12");
    EXPECT_FALSE(window->document().games_unsaved());
    EXPECT_FALSE(window->modes().rebuilding);
    EXPECT_EQ(window->modes().history, ui::HistoryState::ready);
    EXPECT_EQ(at("Label10").fore_color, ui::kBlue);
    const std::vector<Text> painted(services.statuses.begin(), services.statuses.end());
    const std::vector<Text> expected = {U"得点一覧作成中です。", U"セントラルリーグ投手成績作成中です。",
                                        U"パシフィックリーグ投手成績作成中です。", U"両リーグ投手成績作成中です。",
                                        U"セントラルリーグ成績一覧作成中です。", U"パシフィックリーグ成績一覧作成中です。",
                                        U"データ保存中です。", U"累計データ作成中です。",
                                        U"投手成績データ読み込み中です。", U"投手成績データ作成中→＊",
                                        U"投手成績データ作成中→＊＊", U"投手成績データ作成中→＊＊＊", U"只今履歴データ作成中",
                                        U"回数別データ作成中です。", U"連勝、連敗データ作成中です。",
                                        U"ホームランデータ作成中です。", U"ホームランデータ作成中です。→＊",
                                        U"ホームランデータ作成中です。→＊＊", U"ホームランデータ作成中です。→＊＊＊",
                                        U"ホームランデータ作成中です。→＊＊＊＊",
                                        U"ホームランデータ作成中です。→＊＊＊＊＊",
                                        U"ホームランデータ作成中です。→＊＊＊＊＊＊",
                                        U"ホームランデータ作成中です。→＊＊＊＊＊＊＊",
                                        U"ホームラン累計データ作成中です。",
                                        U"ホームランデータ読み込み中です。", U"累計ホームランデータ作成中です。→＊",
                                        U"累計ホームランデータ作成中です。→＊＊", U"累計ホームランデータ作成中です。→＊＊＊",
                                        U"累計ホームランデータ作成中です。→＊＊＊＊"};
    EXPECT_EQ(painted, expected);
    // A fresh start reads the game back and counts it.
    services = ui::ScriptedServices{};
    window.reset();
    ASSERT_TRUE(start_only());
    EXPECT_EQ(window->season().game_at(1, 4, 8).substr(0, 4), U" 3 1");
    EXPECT_EQ(window->season().pitcher_c[0].key, U" 1斎藤        ");
    click("Command11");
    click("Command9");
    EXPECT_EQ(mid(at("List4").lines[1], 1, 21), U" 1] 巨　人　　   2   2   0");
}

TEST_F(EntryTest, AFailedSaveIsReportedAndStaysPending) {
    file_three_one();
    std::filesystem::create_directory(dir / "Pitcher_2004.DAT.tmp");  // the save cannot complete
    click("Command12");
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_NE(services.transcript.back().find("データを保存できませんでした。"), std::string::npos);
    EXPECT_TRUE(window->document().games_unsaved());
    EXPECT_EQ(test::slurp(dir / "Tev_2004.DAT").find("\x8c\x4b\x93\x63"), std::string::npos);  // 桑田 not on disk
}

// Quitting with a filed game whose save fails: the failure is told and the program stays open, the
// game still filed, so that nothing typed is dropped behind the user's back.
TEST_F(EntryTest, QuittingWithAGameWhoseSaveFailsKeepsTheProgramOpen) {
    file_three_one();
    EXPECT_EQ(window->document().pending().count(), 1);
    std::filesystem::create_directory(dir / "Pitcher_2004.DAT.tmp");  // the save cannot complete
    services.answers = {true};
    click("mnuEndPrgItem");
    ASSERT_GE(services.transcript.size(), 2u);
    EXPECT_EQ(services.transcript[services.transcript.size() - 2],
              "ASK: 終　　了: 保存していない試合が 1 試合あります。保存してから終了しますか？ -> Yes");
    EXPECT_NE(services.transcript.back().find("データを保存できませんでした。"), std::string::npos);
    EXPECT_FALSE(window->ended());
    EXPECT_EQ(window->document().pending().count(), 1);

    // Once the folder can be written again (the failed save took its temporary away), the same
    // answer saves the game and ends the program.
    EXPECT_FALSE(std::filesystem::exists(dir / "Pitcher_2004.DAT.tmp"));
    services.answers = {true};
    click("mnuEndPrgItem");
    EXPECT_TRUE(window->ended());
    EXPECT_EQ(window->document().pending().count(), 0);
    EXPECT_NE(test::slurp(dir / "Tev_2004.DAT").find("\x8c\x4b\x93\x63"), std::string::npos);  // 桑田 on disk
}

// A game whose save failed is still in memory: reading another year asks first, as quitting does.
TEST_F(EntryTest, AYearSwitchWithAGameWhoseSaveFailedAsksFirst) {
    file_three_one();
    std::filesystem::create_directory(dir / "Pitcher_2004.DAT.tmp");
    click("Command12");  // the save fails; the game stays filed
    ASSERT_EQ(window->document().pending().count(), 1);
    const std::string question = "ASK: データ切替: 保存していない試合が 1 試合あります。保存してから切り替えますか？";

    services.answers = {ui::Answer::cancel};
    click("mnuNewDatReadItem");
    EXPECT_EQ(services.transcript.back(), question + " -> Cancel");
    EXPECT_FALSE(at("List3").visible);

    std::filesystem::create_directory(dir / "Pitcher_2004.DAT.tmp");
    services.answers = {true};  // the save fails again: the year list does not open
    click("mnuNewDatReadItem");
    EXPECT_FALSE(at("List3").visible);
    EXPECT_EQ(window->document().pending().count(), 1);

    services.answers = {false};  // いいえ: the switch goes on, the game and its journal let go
    click("mnuNewDatReadItem");
    EXPECT_EQ(services.transcript.back(), question + " -> No");
    EXPECT_TRUE(at("List3").visible);
    EXPECT_EQ(window->document().pending().count(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "Entry_2004.DAT"));
}

TEST_F(EntryTest, AYearSwitchSavesTheGameWhenAskedTo) {
    file_three_one();
    std::filesystem::create_directory(dir / "Pitcher_2004.DAT.tmp");
    click("Command12");  // the save fails; the game stays filed
    services.answers = {true};
    click("mnuNewDatReadItem");
    EXPECT_EQ(window->document().pending().count(), 0);
    EXPECT_TRUE(at("List3").visible);
    EXPECT_NE(test::slurp(dir / "Tev_2004.DAT").find("\x8c\x4b\x93\x63"), std::string::npos);  // 桑田 saved
    EXPECT_FALSE(std::filesystem::exists(dir / "Entry_2004.DAT"));
}

TEST_F(EntryTest, PickListsCancelAndRefuseUnstorableNames) {
    choose_pair();
    keys({8});
    compose_three_one();
    click("Text2");
    EXPECT_TRUE(at("List1").visible);
    EXPECT_EQ(at("List1").lines,
              (std::vector<Text>{U"  1] 斎藤\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 1勝   0敗   0Ｓ   ",
                                 U"**1] キーボード入力より入力", U"**2] キャンセル"}));
    EXPECT_FALSE(at("Option3", 0).enabled);  // the team buttons wait while the list is open
    click_line("List1", 1);
    EXPECT_EQ(window->entry().first_pitcher, U"斎藤");
    EXPECT_FALSE(at("List1").visible);
    EXPECT_EQ(text("Text1"), U"入力する項目を選択して下さい。");

    click("Text2");
    click_line("List1", 3);  // キャンセル keeps the name
    EXPECT_EQ(window->entry().first_pitcher, U"斎藤");

    services.inputs = {U"say \"hi\"", U"김"};
    click("Text2");
    click_line("List1", 2);
    EXPECT_NE(services.transcript.back().find("保存できない文字"), std::string::npos);
    EXPECT_EQ(window->entry().first_pitcher, U"斎藤");
    click("Text2");
    click_line("List1", 2);
    EXPECT_EQ(window->entry().first_pitcher, U"斎藤");

    // The save pitcher list is the winning club's: 巨人 for 3-1.
    click("Text16");
    EXPECT_EQ(window->entry().pick_list_club, 1);
    EXPECT_EQ(text("Text1"), U"セーブ投手名を選択して下さい｡ ");
}

}  // namespace
}  // namespace tev
