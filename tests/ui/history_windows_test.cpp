// The history subsystem played through the window model: the graph window's menus and their
// busy rules, its events in order, the past-years summary, and history files that are rebuilt.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/text/cp932.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

class HistoryWindowsTest : public WindowTest {
protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 1, .month = 3, .day = 25});
        test::add_game(*season, {.first = 6, .second = 1, .meet = 1, .first_runs = 4, .second_runs = 2, .month = 4, .day = 5});
        test::add_game(*season, {.first = 7, .second = 8, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 2});
    }

    ui::Window& graph() { return window->graph(); }
    void graph_click(const std::string& name, int index) { graph().fire(name, index, ui::Event::click); }
    void scroll_to(int value) {
        graph().at("HScroll1").scroll_value = value;
        graph().fire("HScroll1", -1, ui::Event::change);
    }
    int messages() {
        return static_cast<int>(std::count_if(services.transcript.begin(), services.transcript.end(),
                                              [](const std::string& line) { return line.rfind("MSG:", 0) == 0; }));
    }
    std::size_t segments_of_color(ui::Color color) {
        return static_cast<std::size_t>(std::count_if(graph().drawing.begin(), graph().drawing.end(),
                                                       [color](const ui::LineSegment& s) { return s.color == color; }));
    }
};

TEST_F(HistoryWindowsTest, TheRankMenuOpensTheGraphOnTheCentralLeague) {
    ASSERT_TRUE(start());
    click("mnurank_make");
    EXPECT_TRUE(graph().visible);
    EXPECT_EQ(graph().caption, U"順位履歴グラフ");
    EXPECT_EQ(graph().scale_height, 6195);
    EXPECT_EQ(graph().at("Check1", 3).caption, U"阪　神");
    EXPECT_TRUE(graph().at("Check1", 3).value);
    EXPECT_TRUE(graph().at("Option1", 0).value);
    EXPECT_EQ(graph().at("HScroll1").scroll_max, 185);
    EXPECT_EQ(graph().drawing.size(), 6u * 39u);
    EXPECT_TRUE(window->graph_state().ready);
    EXPECT_EQ(graph().at("Text7").text, U"3/20");
}

TEST_F(HistoryWindowsTest, ThePercentageMenuDrawsTailsAndTheReferenceLineSixTimes) {
    ASSERT_TRUE(start());
    click("mnurire2");
    EXPECT_EQ(graph().caption, U"勝率履歴グラフ");
    EXPECT_EQ(graph().scale_height, 15000);
    EXPECT_EQ(graph().drawing.size(), 6u * 41u);
    EXPECT_EQ(segments_of_color(0x00FF00), 6u);
}

TEST_F(HistoryWindowsTest, TheMenusAreRefusedWhileTheMainWindowIsBusy) {
    ASSERT_TRUE(start());
    click("mnudat_in");
    click("mnurank_make");
    click("mnurire2");
    click("mnuseedat");
    EXPECT_FALSE(graph().visible);
    EXPECT_FALSE(window->summary().visible);
    EXPECT_TRUE(services.transcript.empty());
}

TEST_F(HistoryWindowsTest, AnUncheckedClubIsCarriedOverALeagueSwitch) {
    ASSERT_TRUE(start());
    click("mnurank_make");
    graph_click("Check1", 1);
    EXPECT_FALSE(graph().at("Check1", 1).value);
    EXPECT_FALSE(window->graph_state().every_club);
    EXPECT_EQ(graph().drawing.size(), 5u * 39u);
    EXPECT_EQ(segments_of_color(0x008000), 0u);  // ヤクルト's colour is gone
    EXPECT_EQ(graph().at("Text1").text, U"");
    graph_click("Option1", 1);
    EXPECT_EQ(graph().at("Check1", 0).caption, U"ｵﾘｯｸｽ");
    EXPECT_TRUE(graph().at("Check1", 1).value);
    EXPECT_EQ(graph().at("HScroll1").scroll_value, 1);
    EXPECT_EQ(graph().at("Text1").text, U"ﾀﾞｲｴｰ");  // the switch draws in full
    EXPECT_FALSE(window->graph_state().every_club);
    scroll_to(3);
    EXPECT_EQ(graph().drawing.size(), 6u * 39u);
    EXPECT_EQ(graph().at("Text1").text, U"");  // one by one: no names
    EXPECT_EQ(graph().at("Text7").text, U"3/22");
    graph_click("Check1", 4);
    graph_click("Check1", 4);
    EXPECT_TRUE(window->graph_state().every_club);
    scroll_to(4);
    EXPECT_EQ(graph().at("Text1").text, U"ﾀﾞｲｴｰ");
}

TEST_F(HistoryWindowsTest, ClosingTheGraphLetsTheMenusOpenItAfresh) {
    ASSERT_TRUE(start());
    click("mnurank_make");
    scroll_to(40);
    graph_click("Check1", 0);
    graph().fire(ui::kFormName, -1, ui::Event::close);
    EXPECT_FALSE(graph().visible);
    click("mnurire2");
    EXPECT_TRUE(graph().visible);
    EXPECT_EQ(graph().at("HScroll1").scroll_value, 1);
    EXPECT_TRUE(graph().at("Check1", 0).value);
    EXPECT_TRUE(window->graph_state().every_club);
}

TEST_F(HistoryWindowsTest, TheSummaryShowsTheRecordsAndSaysTheyAreSampleData) {
    ASSERT_TRUE(start());
    std::string record = "各種成績一覧　※収録の記録はサンプル用の架空データです\r\n";
    for (int i = 2; i <= 17; ++i) record += "line " + std::to_string(i) + "\r\n";
    const auto bytes = encode_cp932(from_utf8(record));
    ASSERT_TRUE(bytes.has_value());
    test::spit(dir / "record.dat", *bytes);
    click("mnuseedat");
    ASSERT_TRUE(window->summary().visible);
    EXPECT_EQ(window->summary().caption, U"各種成績一覧");
    EXPECT_EQ(window->summary().at("Text1").text, U"line 2\r\nline 3\r\nline 4\r\nline 5\r\nline 6\r\nline 7\r\n");
    EXPECT_EQ(window->summary().at("Text2").text.substr(0, 8), U"line 8\r\n");
    EXPECT_NE(window->summary().at("Text3").text.find(U"架空"), Text::npos);
    at("Text1").text = U"something";
    window->summary().fire("Command1", -1, ui::Event::click);
    EXPECT_FALSE(window->summary().visible);
    EXPECT_EQ(text("Text1"), U"");
}

TEST_F(HistoryWindowsTest, ADamagedHistoryFileIsRebuiltAtStartUp) {
    write_season();
    std::string bytes = test::slurp(dir / "RIRE1996.DAT");
    bytes.replace(0, 2, " 8");  // club 1, day 1: no place 8 exists
    test::spit(dir / "RIRE1996.DAT", bytes);
    ASSERT_TRUE(start_only());
    EXPECT_EQ(window->modes().history, ui::HistoryState::ready);
    const auto back = read_history_file(dir.path(), "RIRE1996.DAT");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->state, HistoryFileState::complete);
    EXPECT_EQ(back->history, history_make(window->season()));
    EXPECT_EQ(window->season().history, back->history);
    EXPECT_TRUE(services.transcript.empty());
}

TEST_F(HistoryWindowsTest, AGameOutsideTheSeasonDaysIsNamedOnceARun) {
    test::add_game(*season, {.first = 2, .second = 3, .meet = 1, .first_runs = 1, .second_runs = 0, .month = 11, .day = 2});
    write_season();
    test::spit(dir / "RIRE1996.DAT", " 1\r\n");  // ended early: rebuilt at start-up
    ASSERT_TRUE(start_only());
    ASSERT_EQ(messages(), 1);
    EXPECT_EQ(window->season().history.pct[17][1], 5000);
    EXPECT_NE(services.transcript[0].find("ﾔｸﾙﾄ 対 横浜 1回戦 (11/ 2)"), std::string::npos);
    EXPECT_EQ(window->season().history.pct[226][2], 10000);
    // The commit of another game rebuilds the history again: the game is not named again.
    file_three_one();
    click("Command12");
    EXPECT_FALSE(window->document().games_unsaved());
    EXPECT_EQ(messages(), 1);
    EXPECT_EQ(window->season().history.pct[17][1], 6666);  // 2-1 on 5 April with the game filed
}

TEST_F(HistoryWindowsTest, TheGraphPictureIsSavedUnderTheGraphsNameAndTheStatusLineSaysWhere) {
    ASSERT_TRUE(start());
    click("mnurire2");
    graph_click("Option1", 1);
    services.save_files = {dir / "pct.png", dir / "rank.png"};
    window->save_graph_picture();
    EXPECT_EQ(text("Text1"), U"保存しました：" + from_utf8((dir / "pct.png").string()));
    services.pdf_writable = false;  // the disk is full
    window->save_graph_picture();
    EXPECT_EQ(services.transcript,
              (std::vector<std::string>{"SAVE AS: 画像を保存 [勝率履歴_パ_1996.png] -> pct.png", "PICTURE: pct.png",
                                        "SAVE AS: 画像を保存 [勝率履歴_パ_1996.png] -> rank.png",
                                        "PICTURE: rank.png -> failed",
                                        "MSG: 画像を保存できませんでした。\\n" + (dir / "rank.png").string()}));
}

}  // namespace
}  // namespace tev
