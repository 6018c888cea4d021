#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "core/history/history_file.h"
#include "core/store/season_files.h"
#include "years_fixture.h"

namespace tev {
namespace {

using test::slurp;
using test::YearsTest;

const char* const kQuestion =
    "ASK: 登録データ削除: 現在表示中のデータを削除します。よろしいですか？";

// 巨人-阪神 meeting 7 (the first Central game, shown after start-up), a ヤクルト-横浜 game and a
// Pacific game.
class GameDeleteTest : public YearsTest {
  protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1,
                                 .second = 4,
                                 .meet = 7,
                                 .first_runs = 3,
                                 .second_runs = 2,
                                 .month = 4,
                                 .day = 5,
                                 .first_pitcher = U"斎藤",
                                 .second_pitcher = U"藪"});
        test::add_game(*season, {.first = 2,
                                 .second = 3,
                                 .meet = 1,
                                 .first_runs = 5,
                                 .second_runs = 1,
                                 .month = 4,
                                 .day = 6,
                                 .first_pitcher = U"石井",
                                 .second_pitcher = U"三浦"});
        test::add_game(*season,
                       {.first = 7, .second = 8, .meet = 1, .first_runs = 4, .second_runs = 0});
        ASSERT_TRUE(start());
    }

    void delete_shown(bool yes) {
        services.answers = {yes};
        click("mnudat_del");
    }

    // The saved season as a new start would read it.
    Season saved() {
        Season s;
        EXPECT_TRUE(read_season_files(dir.path(), year_file_names("1996"), s).ok());
        return s;
    }
};

TEST_F(GameDeleteTest, YesEmptiesExactlyTheShownSlotAndSavesAtOnce) {
    ASSERT_EQ(window->modes().shown_league, 1);
    delete_shown(true);
    // The question names the game beside its own text: date, clubs, meeting and score.
    ASSERT_EQ(services.transcript,
              std::vector<std::string>{std::string(kQuestion) + "\\n\\n4月5日 巨人 対 阪神 7回戦  3 - 2 -> Yes"});
    EXPECT_TRUE(window->season().game_at(1, 4, 7).empty());
    EXPECT_FALSE(window->season().game_at(2, 3, 1).empty());
    EXPECT_FALSE(window->season().game_at(7, 2, 1).empty());
    const Season on_disk = saved();
    EXPECT_TRUE(on_disk.game_at(1, 4, 7).empty());
    EXPECT_FALSE(on_disk.game_at(2, 3, 1).empty());
    EXPECT_FALSE(window->document().games_unsaved());
    EXPECT_EQ(window->modes().history, ui::HistoryState::ready);
    EXPECT_EQ(text("Text1"), U"");
}

TEST_F(GameDeleteTest, TheChainPaintsItsTextsInItsOwnOrderWithTheTitleInRed) {
    delete_shown(true);
    std::vector<Text> painted;
    for (const Text& t : services.statuses)
        if (t != U"只今履歴データ作成中") painted.push_back(t);  // the history builder's own text
    // The cumulative and home-run builders paint one more star at each of their stages.
    const auto stars = [](const Text& text, int from, int to) {
        std::vector<Text> painted;
        for (int n = from; n <= to; ++n) painted.push_back(text + U"→" + Text(static_cast<std::size_t>(n), U'＊'));
        return painted;
    };
    std::vector<Text> expected = {U"只今データー削除中です。", U"得点一覧作成中です。", U"投手成績データ読み込み中です。"};
    std::ranges::copy(stars(U"投手成績データ作成中", 1, 3), std::back_inserter(expected));
    expected.insert(expected.end(), {U"回数別データ作成中です。", U"連勝、連敗データ作成中です。", U"ホームランデータ作成中です。"});
    std::ranges::copy(stars(U"ホームランデータ作成中です。", 1, 7), std::back_inserter(expected));
    expected.push_back(U"ホームランデータ読み込み中です。");
    std::ranges::copy(stars(U"累計ホームランデータ作成中です。", 1, 4), std::back_inserter(expected));
    expected.push_back(U"データ保存中です。");
    EXPECT_EQ(painted, expected);
    for (ui::Color c : services.title_color) EXPECT_EQ(c, ui::kRed);
    EXPECT_EQ(at("Label10").fore_color, ui::kBlue);
}

TEST_F(GameDeleteTest, EveryTableForgetsTheGame) {
    delete_shown(true);
    // History: 阪神 lost on 5 April (day 17); without that game it stands at 1.000 and place 1.
    EXPECT_EQ(window->season().history.pct[17][4], 10000);
    EXPECT_EQ(window->season().history.rank[17][4], 1);
    auto history = read_history_file(dir.path(), "RIRE1996.DAT");
    ASSERT_TRUE(history.ok());
    EXPECT_EQ(history->history.pct[17][4], 10000);
    // Pitchers: 斎藤's win and 藪's loss are gone from the Central table, 石井's stays.
    bool saito = false, ishii = false;
    for (const PitcherRow& row : window->season().pitcher_c) {
        saito = saito || row.key.find(U"斎藤") != Text::npos;
        ishii = ishii || row.key.find(U"石井") != Text::npos;
    }
    EXPECT_FALSE(saito);
    EXPECT_TRUE(ishii);
    // Standings: 巨人 and 阪神 have no game left.
    click("Command11");
    click("Command9");
    const auto& lines = at("List4").lines;
    const auto giants = std::find_if(lines.begin(), lines.end(),
                                     [](const Text& l) { return l.find(U"巨　人") != Text::npos; });
    ASSERT_NE(giants, lines.end());
    EXPECT_NE(giants->find(U"巨　人　　   0   0   0 0"), Text::npos) << to_utf8(*giants);
}

TEST_F(GameDeleteTest, NoLeavesEverythingAsItWas) {
    const std::string before = slurp(dir / "Tev_1996.DAT");
    const Text pitcher = text("Text2");
    delete_shown(false);
    EXPECT_FALSE(window->season().game_at(1, 4, 7).empty());
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), before);
    EXPECT_EQ(text("Text2"), pitcher);
    EXPECT_EQ(services.statuses, std::vector<Text>{});
    EXPECT_EQ(at("Label10").fore_color, ui::kDefaultColor);
}

TEST_F(GameDeleteTest, TheViewKeepsTheEmptiedSlotSoASecondDeletionChangesNothing) {
    delete_shown(true);
    const ui::GameViewState view = window->game_view();
    EXPECT_EQ(view.central.team, 1);
    EXPECT_EQ(view.central.opp, 4);
    EXPECT_EQ(view.central.meet, 7);
    EXPECT_EQ(text("Text9"), U"ﾔｸﾙﾄ");  // the first stored game is on display
    const std::string after_first = slurp(dir / "Tev_1996.DAT");
    services.forget();
    delete_shown(true);
    EXPECT_EQ(services.transcript.size(), 1u);
    EXPECT_FALSE(services.statuses.empty());  // everything is rebuilt again
    EXPECT_FALSE(window->season().game_at(2, 3, 1).empty());
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), after_first);
}

TEST_F(GameDeleteTest, ATurnedPairIsDeletedWhereItIsStored) {
    click("Option1", 3);  // 阪神 first: the stored game has 巨人 first
    click("Option2", 0);
    click("Command4", 7);
    delete_shown(true);
    EXPECT_TRUE(window->season().game_at(1, 4, 7).empty());
}

TEST_F(GameDeleteTest, ThePacificLeagueDeletesItsOwnSlot) {
    click("Option3", 1);
    delete_shown(true);
    EXPECT_TRUE(window->season().game_at(7, 2, 1).empty());
    EXPECT_FALSE(window->season().game_at(1, 4, 7).empty());
}

TEST_F(GameDeleteTest, TheMenuIsInertInEntryReportsAndDateMode) {
    services.answers = {true, true, true};
    click("mnudat_in");
    click("mnudat_del");
    click("Command12");
    click("Command11");
    click("mnudat_del");
    click("Command7");
    click("Command3");
    click("mnudat_del");
    EXPECT_TRUE(services.transcript.empty());
    EXPECT_FALSE(window->season().game_at(1, 4, 7).empty());
}

TEST_F(GameDeleteTest, AFailedSaveIsToldAndStaysPendingForTheNextCommit) {
    std::filesystem::create_directory(dir / "Tev_1996.DAT.tmp");
    delete_shown(true);
    ASSERT_EQ(services.transcript.size(), 2u);
    EXPECT_EQ(services.transcript[1].rfind("MSG: データを保存できませんでした。", 0), 0u);
    EXPECT_TRUE(window->document().games_unsaved());
    EXPECT_FALSE(saved().game_at(1, 4, 7).empty());
    std::filesystem::remove(dir / "Tev_1996.DAT.tmp");
    click("mnudat_in");
    click("Command12");
    EXPECT_TRUE(saved().game_at(1, 4, 7).empty());
    EXPECT_FALSE(window->document().games_unsaved());
}

TEST_F(YearsTest, NothingIsDeletedBeforeAGameWasShown) {
    ASSERT_TRUE(start());  // an empty season: the view has shown nothing
    services.answers = {true};
    click("mnudat_del");
    EXPECT_TRUE(services.transcript.empty());
}

// 元に戻す takes back the deletions newest first, each a save of the games the files held before
// it; a save that fails leaves the change to take back, and the files as they were.
TEST_F(GameDeleteTest, UndoTakesBackTheDeletionsNewestFirst) {
    const std::string before = test::slurp(dir / "Tev_1996.DAT");
    EXPECT_FALSE(at("mnuundo").enabled);
    delete_shown(true);  // 巨人-阪神 7
    const std::string after_first = test::slurp(dir / "Tev_1996.DAT");
    click("Option1", 1);  // ヤクルト
    click("Option2", 2);  // 横浜
    click("Command4", 1);
    delete_shown(true);  // then ヤクルト-横浜 1
    EXPECT_TRUE(window->season().game_at(2, 3, 1).empty());
    EXPECT_EQ(at("mnuundo").caption, U"元に戻す(&U)　削除 ﾔｸﾙﾄ 対 横浜 1回戦");

    std::filesystem::create_directory(dir / "Pitcher_1996.DAT.tmp");  // the save cannot complete
    click("mnuundo");
    EXPECT_EQ(text("Text1"), U"元に戻せませんでした：削除 ﾔｸﾙﾄ 対 横浜 1回戦");
    EXPECT_EQ(at("mnuundo").caption, U"元に戻す(&U)　削除 ﾔｸﾙﾄ 対 横浜 1回戦");

    click("mnuundo");
    EXPECT_EQ(test::slurp(dir / "Tev_1996.DAT"), after_first);
    EXPECT_EQ(at("mnuundo").caption, U"元に戻す(&U)　削除 巨人 対 阪神 7回戦");
    click("mnuundo");
    EXPECT_EQ(test::slurp(dir / "Tev_1996.DAT"), before);
    EXPECT_FALSE(at("mnuundo").enabled);
    EXPECT_EQ(at("mnuundo").caption, U"元に戻す(&U)");
}

}  // namespace
}  // namespace tev
