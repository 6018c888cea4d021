#include <gtest/gtest.h>

#include <algorithm>

#include "core/homeruns/homerun_file.h"
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "window_fixture.h"

namespace tev {
namespace {

using test::WindowTest;

const Text kLimit = U"一度に登録出来るデータ数はここまでです。\r\n保存後再度入力して下さい";

// `name` padded with full-width blanks to the 10 characters of a home-run record's name field.
Text field(const char32_t* name) {
    return pad_wide(name, 10);
}

class HomerunEntryTest : public WindowTest {
  protected:
    void SetUp() override {
        season->disp_year = "2004";
        // Meeting 7 of 巨人 at 阪神, with a home run each: the season tables know 松井 and ﾊﾟｳｴﾙ.
        test::add_game(*season, {.first = 1,
                                 .second = 4,
                                 .meet = 7,
                                 .first_runs = 4,
                                 .second_runs = 2,
                                 .month = 5,
                                 .day = 2,
                                 .first_pitcher = U"斎藤",
                                 .second_pitcher = U"藪"});
        season->game_at(1, 4, 7) +=
            format_hr({1, U"松井", 4, U"藪"}) + format_hr({4, U"ﾊﾟｳｴﾙ", 1, U"斎藤"});
        ASSERT_TRUE(start());
    }

    // Entry mode with 巨人 batting first against 阪神 in meeting 8 (not stored yet).
    void choose_pair() {
        click("mnudat_in");
        click("Option3", 0);
        click("Option1", 0);
        click("Option2", 3);
        click("Command4", 8);
    }

    int line_of(const std::string& list, const Text& text) {
        const auto& lines = at(list).lines;
        const auto it = std::find(lines.begin(), lines.end(), text);
        EXPECT_NE(it, lines.end()) << to_utf8(text);
        return static_cast<int>(it - lines.begin()) + 1;
    }

    int second_header() { return line_of("List6", U"【阪　神　　】"); }

    // One home run of the first-batting club typed at the keyboard, batter first.
    void file_typed(const char32_t* batter, const char32_t* pitcher) {
        services.inputs.push_back(batter);
        click_line("List5", line_of("List5", U"***] キーボード入力より入力"));
        services.inputs.push_back(pitcher);
        click_line("List1", line_of("List1", U"***] キーボード入力より入力"));
        click("Command19");
    }

    const std::vector<Text>& hr_list() { return window->entry().homeruns; }
};

TEST_F(HomerunEntryTest, TheListShowsBothClubsOnceBothAreChosen) {
    click("mnudat_in");
    click("Option3", 0);
    click("Option1", 0);
    EXPECT_EQ(at("List6").lines, std::vector<Text>{U"*ホームラン*"});
    click("Option2", 3);
    EXPECT_EQ(at("List6").lines,
              (std::vector<Text>{U"*ホームラン*", U"【巨　人　　】", U"", U"【阪　神　　】"}));
}

TEST_F(HomerunEntryTest, AHomeRunOfTheFirstClubBatterThenPitcher) {
    choose_pair();
    click_line("List6", 2);
    EXPECT_EQ(text("Text1"), U"ホームラン打者と被投手名を選択して下さい。");
    EXPECT_TRUE(at("List5").visible);
    EXPECT_TRUE(at("List1").visible);
    EXPECT_FALSE(at("Option1", 0).enabled);  // the club buttons wait while the lists are open
    EXPECT_EQ(
        at("List5").lines,
        (std::vector<Text>{U"巨　人　　ホームラン打者名", U"", U"  1] " + field(U"松井") + U" 1本",
                           U"***] キーボード入力より入力", U"***] ＨＲ入力終了"}));
    // The pitchers offered are 阪神's, ranked in the whole Central table.
    EXPECT_EQ(at("List1").lines,
              (std::vector<Text>{U"  2] " + field(U"藪") + U" 0勝   1敗   0Ｓ   ",
                                 U"***] キーボード入力より入力"}));
    click_line("List5", 3);
    EXPECT_EQ(window->entry().homerun_batter, U"松井");
    EXPECT_EQ(window->entry().homerun_names_given, 1);
    EXPECT_FALSE(at("Command19").enabled);
    // The batter stands under his club until the home run is filed.
    EXPECT_EQ(at("List6").lines, (std::vector<Text>{U"*ホームラン*", U"【巨　人　　】", U"松井",
                                                    U"", U"【阪　神　　】"}));
    click_line("List1", 1);
    EXPECT_EQ(window->entry().homerun_pitcher, U"藪");
    EXPECT_EQ(window->entry().homerun_names_given, 2);
    EXPECT_TRUE(at("Command19").enabled);
    EXPECT_EQ(at("Command19").back_color, ui::kHighlight);
    EXPECT_TRUE(at("List1").visible);  // the list stays open for the next home run
    click("Command19");
    ASSERT_EQ(hr_list().size(), 1u);
    EXPECT_EQ(hr_list()[0], U" 1" + field(U"松井") + U" 4" + field(U"藪"));
    EXPECT_EQ(window->entry().homerun_names_given, 0);
    EXPECT_FALSE(at("Command19").enabled);
    EXPECT_EQ(at("List6").lines,
              (std::vector<Text>{U"*ホームラン*", U"【巨　人　　】",
                                 field(U"松井") + U" 4" + field(U"藪"), U"", U"【阪　神　　】"}));
    EXPECT_TRUE(at("List5").visible);
    EXPECT_EQ(window->entry().key_target, ui::KeyTarget::hr_pitcher);
}

TEST_F(HomerunEntryTest, AHomeRunOfTheSecondClubPitcherThenBatter) {
    choose_pair();
    click_line("List6", second_header());
    EXPECT_EQ(at("List5").lines[0], U"阪　神　　ホームラン打者名");
    EXPECT_EQ(at("List1").lines[0], U"  1] " + field(U"斎藤") + U" 1勝   0敗   0Ｓ   ");
    click_line("List1", 1);
    EXPECT_EQ(window->entry().homerun_names_given, 1);
    EXPECT_FALSE(at("Command19").enabled);
    click_line("List5", 3);
    EXPECT_EQ(window->entry().homerun_batter, U"ﾊﾟｳｴﾙ");
    EXPECT_TRUE(at("Command19").enabled);
    click("Command19");
    ASSERT_EQ(hr_list().size(), 1u);
    // ﾊﾟｳｴﾙ of 阪神 off 斎藤 of 巨人: batting team 4 first, the pitcher's team 1 after the name.
    EXPECT_EQ(hr_list()[0],
              U" 4ﾊﾟｳｴﾙ\u3000\u3000\u3000\u3000\u3000 "
              U"1斎藤\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000");
    EXPECT_EQ(at("List6").lines.back(), mid(hr_list()[0], 3, 22));
}

TEST_F(HomerunEntryTest, ANewBatterTypedAtTheKeyboardIsAddedToTheList) {
    choose_pair();
    click_line("List6", 2);
    services.inputs = {U"高橋由"};
    click_line("List5", 4);
    EXPECT_EQ(services.transcript.back(),
              "INPUT: 打者名入力: 巨人の打者名を入力して下さい。 -> 高橋由");
    EXPECT_EQ(at("List5").lines.back(), U"  *] 高橋由");
    EXPECT_EQ(window->entry().homerun_batter, U"高橋由");
    // The typed row can be chosen like any batter.
    click_line("List5", 3);
    click_line("List5", static_cast<int>(at("List5").lines.size()));
    EXPECT_EQ(window->entry().homerun_batter, U"高橋由");
}

TEST_F(HomerunEntryTest, ATypedNameThatCannotBeStoredIsRefusedLikeAPitchersName) {
    choose_pair();
    click_line("List6", 2);
    click_line("List5", 3);  // 松井
    services.inputs = {U"say \"hi\"", U"김"};
    click_line("List5", 4);
    EXPECT_EQ(services.transcript.back(),
              "MSG: この名前には保存できない文字が含まれています。\\n別の名前を入力して下さい。");
    click_line("List5", 4);
    EXPECT_EQ(services.transcript.back(),
              "MSG: この名前には保存できない文字が含まれています。\\n別の名前を入力して下さい。");
    EXPECT_EQ(window->entry().homerun_batter, U"松井");
    EXPECT_EQ(at("List5").lines.size(), 5u);
    services.inputs = {U"김"};
    click_line("List1", 2);
    EXPECT_EQ(window->entry().homerun_pitcher, U"");
    EXPECT_FALSE(at("Command19").enabled);
}

TEST_F(HomerunEntryTest, ACancelledNameTakesTheOfferBack) {
    choose_pair();
    click_line("List6", 2);
    click_line("List5", 3);
    click_line("List1", 1);
    EXPECT_TRUE(at("Command19").enabled);
    click_line("List1", 2);  // the keyboard row, cancelled: no pitcher any more
    EXPECT_EQ(window->entry().homerun_pitcher, U"");
    EXPECT_FALSE(at("Command19").enabled);
    click("Command19");
    EXPECT_TRUE(hr_list().empty());
}

TEST_F(HomerunEntryTest, DeletingARecordAsksFirst) {
    choose_pair();
    click_line("List6", 2);
    file_typed(U"清水", U"藪");
    file_typed(U"松井", U"川尻");
    file_typed(U"元木", U"藪");
    ASSERT_EQ(hr_list().size(), 3u);
    const int second = line_of("List6", field(U"松井") + U" 4" + field(U"川尻"));
    services.answers = {false};
    click_line("List6", second);
    EXPECT_EQ(services.transcript.back(),
              "ASK: ホームランデータ削除: このデータを削除しますか？\\n\\n打者＝松井　　投手＝川尻 "
              "-> No");
    EXPECT_EQ(hr_list().size(), 3u);
    services.answers = {true};
    click_line("List6", second);
    ASSERT_EQ(hr_list().size(), 2u);
    EXPECT_EQ(mid(hr_list()[0], 3, 2), U"清水");
    EXPECT_EQ(mid(hr_list()[1], 3, 2), U"元木");
    EXPECT_EQ(at("List6").lines.size(), 6u);
}

TEST_F(HomerunEntryTest, ThePendingBatterRowAsksLikeARecordAndRemovesNothing) {
    choose_pair();
    click_line("List6", 2);
    click_line("List5", 3);  // 松井 chosen, not yet filed: he stands under his club
    ASSERT_EQ(at("List6").lines[2], U"松井");
    services.answers = {true};
    click_line("List6", 3);
    EXPECT_EQ(services.transcript.back().rfind("ASK: ホームランデータ削除: このデータを削除しますか？", 0), 0u);
    EXPECT_TRUE(hr_list().empty());
}

TEST_F(HomerunEntryTest, TheFifteenthIsTheLastAndASixteenthIsRefused) {
    choose_pair();
    click_line("List6", 2);
    for (int i = 1; i <= 14; ++i) file_typed((U"打者" + plain_num(i)).c_str(), U"藪");
    EXPECT_EQ(services.transcript.back().rfind("INPUT:", 0), 0u);
    file_typed(U"打者15", U"藪");
    EXPECT_EQ(services.transcript.back(),
              "MSG: 一度に登録出来るデータ数はここまでです。\\n保存後再度入力して下さい");
    EXPECT_EQ(hr_list().size(), 15u);
    services.transcript.clear();
    file_typed(U"打者16", U"藪");
    EXPECT_EQ(services.transcript.back(),
              "MSG: 一度に登録出来るデータ数はここまでです。\\n保存後再度入力して下さい");
    EXPECT_EQ(hr_list().size(), 15u);
    EXPECT_FALSE(at("Command19").enabled);
    EXPECT_EQ(window->entry().homerun_batter, U"");
    EXPECT_EQ(std::count(at("List6").lines.begin(), at("List6").lines.end(),
                         field(U"打者16") + U" 4" + field(U"藪")),
              0);
}

TEST_F(HomerunEntryTest, EndingTheInputClosesTheListsAndKeepsTheRecords) {
    choose_pair();
    click_line("List6", 2);
    file_typed(U"清水", U"藪");
    click_line("List5", line_of("List5", U"***] ＨＲ入力終了"));
    EXPECT_FALSE(at("List5").visible);
    EXPECT_FALSE(at("List1").visible);
    EXPECT_EQ(window->entry().key_target, ui::KeyTarget::none);
    EXPECT_EQ(text("Text1"), U"入力する項目を選択して下さい。");
    EXPECT_TRUE(at("Option1", 0).enabled);
    EXPECT_EQ(hr_list().size(), 1u);
    // The title and empty rows of the batter list cannot be chosen.
    click_line("List6", 2);
    click_line("List5", 1);
    click_line("List5", 2);
    EXPECT_EQ(window->entry().homerun_names_given, 0);
}

TEST_F(HomerunEntryTest, ChangingAClubEmptiesTheList) {
    choose_pair();
    click_line("List6", 2);
    file_typed(U"清水", U"藪");
    click_line("List5", line_of("List5", U"***] ＨＲ入力終了"));
    click("Option1", 2);  // 横浜 bats first now
    EXPECT_TRUE(hr_list().empty());
    EXPECT_EQ(at("List6").lines,
              (std::vector<Text>{U"*ホームラン*", U"【横　浜　　】", U"", U"【阪　神　　】"}));
}

TEST_F(HomerunEntryTest, FilingTheGameStoresItsRecordsInEntryOrder) {
    choose_pair();
    click_line("List6", 2);
    file_typed(U"清水", U"藪");
    click_line("List6", second_header());
    click_line("List5", 3);  // ﾊﾟｳｴﾙ
    click_line("List1", 1);  // 斎藤
    click("Command19");
    click_line("List5", line_of("List5", U"***] ＨＲ入力終了"));
    click("Text7");
    click("Command4", 1);
    click("Text8");
    click("Command4", 1);
    click("Text6", 0);
    click("Command4", 1);
    click("Text15", 0);
    click("Command4", 1);
    click("Text5");
    click("Command4", 9);
    click("Text18");
    click("Command2", 6);
    click("Text19");
    click("Command4", 3);
    click("Command1");
    const Text game = window->season().game_at(1, 4, 8);
    ASSERT_EQ(game.size(), 109u + 48u);
    EXPECT_EQ(
        game.substr(109),
        U" 1清水\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 4藪\u3000\u3000\u3000\u3000\u3000"
        U"\u3000\u3000\u3000\u3000 4ﾊﾟｳｴﾙ\u3000\u3000\u3000\u3000\u3000 "
        U"1斎藤\u3000\u3000\u3000\u3000"
        U"\u3000\u3000\u3000\u3000");
    EXPECT_TRUE(window->entry().homeruns.empty());  // the form is empty again
}

TEST_F(HomerunEntryTest, AStoredGameLoadedForRefilingBringsItsRecordsBack) {
    services.answers = {true};
    click("mnudat_in");
    click("Option3", 0);
    click("Option1", 3);  // 阪神 first: the stored game has 巨人 batting first
    click("Option2", 0);
    click("Command4", 7);
    ASSERT_EQ(hr_list().size(), 2u);
    EXPECT_EQ(at("List6").lines,
              (std::vector<Text>{U"*ホームラン*", U"【巨　人　　】",
                                 field(U"松井") + U" 4" + field(U"藪"), U"", U"【阪　神　　】",
                                 field(U"ﾊﾟｳｴﾙ") + U" 1" + field(U"斎藤")}));
    // Filed again unchanged, the game string is the stored one.
    const Text before = window->season().game_at(1, 4, 7);
    click("Command1");
    EXPECT_EQ(window->season().game_at(1, 4, 7), before);
}

TEST_F(HomerunEntryTest, TheCommitRebuildsTheTalliesAndWritesTheirFile) {
    choose_pair();
    click_line("List6", 2);
    file_typed(U"松井", U"藪");
    click_line("List5", line_of("List5", U"***] ＨＲ入力終了"));
    click("Text7");
    click("Command4", 1);
    click("Text8");
    click("Command4", 0);
    click("Text6", 0);
    click("Command4", 1);
    click("Text15", 0);
    click("Command4", 0);
    click("Text5");
    click("Command4", 9);
    click("Text18");
    click("Command2", 6);
    click("Text19");
    click("Command4", 3);
    services.inputs = {U"桑田", U"川尻"};
    click("Text2");
    click_line("List1", line_of("List1", U"**1] キーボード入力より入力"));
    click("Text3");
    click_line("List1", line_of("List1", U"**1] キーボード入力より入力"));
    click("Command1");
    click("Command12");
    EXPECT_EQ(window->season().homeruns.bat_c[0], U" 1" + field(U"松井") + U" 2");
    EXPECT_EQ(window->season().homeruns.pit_c[0], U" 4" + field(U"藪") + U" 2");
    auto on_disk = read_homerun_file(dir.path(), "homerun_2004.DAT");
    ASSERT_TRUE(on_disk.ok());
    EXPECT_EQ(*on_disk, window->season().homeruns);
    // A fresh start offers the new count in the batter list.
    services = ui::ScriptedServices{};
    window.reset();
    ASSERT_TRUE(start_only());
    choose_pair();
    click("Command4", 9);
    click_line("List6", 2);
    EXPECT_EQ(at("List5").lines[2], U"  1] " + field(U"松井") + U" 2本");
}

TEST_F(HomerunEntryTest, AFailedWriteOfTheHomeRunFileIsReported) {
    std::filesystem::create_directory(dir / "homerun_2004.DAT.tmp");  // the file cannot be replaced
    services.answers = {true};
    click("mnudat_in");
    click("Option3", 0);
    click("Option1", 0);
    click("Option2", 3);
    click("Command4", 7);  // the stored meeting, filed again as it was
    click("Command1");
    click("Command12");
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_EQ(services.transcript.back().rfind("MSG: ホームランデータを保存できませんでした。", 0),
              0u);
}

class HomerunCapacityTest : public WindowTest {};

TEST_F(HomerunCapacityTest, PlayersPastTheTablesAreReportedOnceAtTheCommit) {
    season->disp_year = "2004";
    for (int meet = 1, p = 1; meet <= 11; ++meet) {  // 165 Central batters off one pitcher
        test::add_game(*season, {.first = 1,
                                 .second = 2,
                                 .meet = meet,
                                 .first_runs = 1,
                                 .first_pitcher = U"斎藤",
                                 .second_pitcher = U"高津"});
        for (int j = 0; j < kMaxHomeRuns; ++j, ++p)
            season->game_at(1, 2, meet) += format_hr({1, U"打者" + plain_num(p), 2, U"高津"});
    }
    ASSERT_TRUE(start());
    services.answers = {true};
    click("mnudat_in");
    click("Option3", 0);
    click("Option1", 0);
    click("Option2", 1);
    click("Command4", 1);  // meeting 1, filed again as it was
    click("Command1");
    services.transcript.clear();
    click("Command12");
    EXPECT_EQ(
        services.transcript,
        (std::vector<std::string>{
            "MSG: ホームランの集計表に入りきらないデータがありました。"
            "\\nセントラルリーグのホームラン打者が151人を超えたため、14人は集計されていません。"
            "\\n1人のホームラン数は99本を超えたため、99本として集計されています。"}));
    const HomerunTables& t = window->season().homeruns;
    EXPECT_EQ(t.bat_c[150], U" 1" + field(U"打者151") + U" 1");
    EXPECT_EQ(t.pit_c[0], U" 2" + field(U"高津") + U"99");
}

}  // namespace
}  // namespace tev
