// The controls of the main window and of the small windows it opens, with their captions and
// their state before the load sequence runs.
#include <array>

#include "core/store/teams.h"
#include "core/text/fixed_width.h"
#include "ui/app/club_controls.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

struct MenuItem {
    const char* name;
    const char32_t* caption;
};

}  // namespace

void MainWindow::build_menus() {
    auto menu = [&](const char* name, const char32_t* caption, const char* parent) {
        windows_.main.add(make_control(ControlKind::menu, name, caption, -1, parent));
    };
    // The club items start with the default names; the shell puts the season's in.
    auto club_menu = [&](const char* name, const char* parent) {
        windows_.main.add(make_control(ControlKind::menu, name, Text(), -1, parent));
    };
    int separators = 0;
    auto separator = [&](const char* parent) {
        windows_.main.add(make_control(ControlKind::separator, "menu_separator", Text(), ++separators, parent));
    };
    menu("mnuFile", U"ファイル(&F)", "");
    menu("mnuNewFileItem", U"新規作成(&N)", "mnuFile");
    menu("mnuNewDatReadItem", U"ﾃﾞｰﾀ読込(&R)", "mnuFile");
    separator("mnuFile");
    menu("mnudat_add", U"ﾃﾞｰﾀﾌｧｲﾙ登録(&A)", "mnuFile");
    menu("mnudatfile_del", U"ﾃﾞｰﾀﾌｧｲﾙ削除(&D)", "mnuFile");
    menu("mnuclub_names", U"球団名設定", "mnuFile");
    menu("mnuinterleague_meetings", U"交流戦の対戦数", "mnuFile");
    separator("mnuFile");
    // A season's games in and out as a results table (ExchangePresenter).
    menu("mnuimport_games", U"試合結果の取り込み(&I)…", "mnuFile");
    menu("mnuexport_games", U"試合結果の書き出し(&E)…", "mnuFile");
    separator("mnuFile");
    menu("mnuSavePane", U"表示中の表を保存(&S)…", "mnuFile");
    menu("mnuPrintPane", U"印刷(&P)…", "mnuFile");
    menu("mnuPdfPane", U"PDFに保存…", "mnuFile");
    separator("mnuFile");
    menu("mnuEndPrgItem", U"終　了(&X)", "mnuFile");

    // 編集: the saved changes of the games taken back, newest first (EditPresenter).
    menu("mnuEdit", U"編集(&E)", "");
    menu("mnuundo", U"元に戻す(&U)", "mnuEdit");

    menu("mnudat", U"データ操作(&D)", "");
    menu("mnudat_in", U"データ入力", "mnudat");
    separator("mnudat");
    for (const MenuItem& item : std::array<MenuItem, 6>{{{"mnudat_del", U"データ削除"},
                                                          {"mnuseedat", U"データ閲覧(&K)"},
                                                          {"mnutopic", U"トピックス"},
                                                          {"mnurank_make", U"順位履歴表示"},
                                                          {"mnurire2", U"勝率履歴表示"},
                                                          {"mnukaiten", U"各回得点累計"}}})
        menu(item.name, item.caption, "mnudat");
    // The pennant race: after the other reports of the menu.
    separator("mnudat");
    menu("mnurace", U"ペナントレース", "mnudat");
    menu("mnurace_rec", U"詳細成績", "mnudat");
    menu("mnukouryu", U"交流戦成績", "mnudat");
    menu("mnugamelog", U"試合経過", "mnudat");
    for (int team = 1; team <= kTeamCount; ++team)
        windows_.main.add(make_control(ControlKind::menu, "mnulog", trim_right(default_club_names().team_name(team)), team, "mnugamelog"));

    menu("home_runall", U"ホームラン(&H)", "");
    menu("h_sentraru", U"ｾﾝﾄﾗﾙ　ﾘｰｸﾞ(&S)", "home_runall");
    for (int team = 1; team <= 6; ++team) club_menu(kHomerunClubItems[team - 1], "h_sentraru");
    menu("h_pasific", U"ﾊﾟｼﾌｨｯｸﾘｰｸﾞ(&P)", "home_runall");
    for (int team = 7; team <= 12; ++team) club_menu(kHomerunClubItems[team - 1], "h_pasific");
    separator("home_runall");
    menu("h_ruikei", U"成績累計(&R)", "home_runall");

    menu("mnupicher_rec", U"投手成績(&T)", "");
    menu("mnusentraru", U"ｾﾝﾄﾗﾙ  ﾘｰｸﾞ(&S)", "mnupicher_rec");
    for (int team = 1; team <= 6; ++team) club_menu(kPitcherClubItems[team - 1], "mnusentraru");
    menu("mnupasific", U"ﾊﾟｼﾌｨｯｸﾘｰｸﾞ(&P)", "mnupicher_rec");
    for (int team = 7; team <= 12; ++team) club_menu(kPitcherClubItems[team - 1], "mnupasific");
    separator("mnupicher_rec");
    menu("mnusei_rui", U"成績累計(&R)", "mnupicher_rec");

    menu("mnuTevHelp", U"ヘルプ(&H)", "");
    menu("mnuHowUseItem", U"使い方", "mnuTevHelp");
    // The section of what is on screen (F1 in the window program).
    menu("mnuHelpHereItem", U"この画面の使い方", "mnuTevHelp");
    separator("mnuTevHelp");
    menu("mnuVerItem", U"ﾊﾞｰｼﾞｮﾝ情報(&A)", "mnuTevHelp");
}

void MainWindow::build_input_panel() {
    auto text = [&](const std::string& name, int index = -1) { windows_.main.add(make_control(ControlKind::text, name, Text(), index)); };
    auto label = [&](const std::string& name, const Text& caption, int index = -1) {
        Control& c = windows_.main.add(make_control(ControlKind::label, name, caption, index));
        c.text = caption;
    };
    windows_.main.add(make_control(ControlKind::option, "Option3", U"ｾﾝﾄﾗﾙﾘｰｸﾞ", 0));
    windows_.main.add(make_control(ControlKind::option, "Option3", U"ﾊﾟｼﾌｨｯｸﾘｰｸﾞ", 1));
    // Offered only for a year of interleague play (InputPanel::offer_interleague).
    windows_.main.add(make_control(ControlKind::option, "Option3", U"交流戦", 2)).visible = false;
    text("Text4");
    const std::array<std::pair<const char*, const char*>, 4> frames = {
        {{"Frame1", "Option1"}, {"Frame2", "Option2"}, {"Frame3", "Option4"}, {"Frame4", "Option5"}}};
    for (int f = 0; f < 4; ++f) {
        windows_.main.add(make_control(ControlKind::frame, frames[f].first, f % 2 == 0 ? U"先攻" : U"後攻"));
        for (int i = 0; i < 6; ++i)
            windows_.main.add(make_control(ControlKind::option, frames[f].second, Text(), i, frames[f].first));
    }
    for (const char* name : {"Text9", "Text10", "Text12", "Text13", "Text7", "Text8", "Text14", "Text17"}) text(name);
    for (int i = 0; i < 15; ++i) label("Label12", plain_num(i + 1), i);
    label("Label12", U"計", 15);
    for (int i = 0; i < 15; ++i) text("Text6", i);
    for (int i = 0; i < 15; ++i) text("Text15", i);
    label("Label8", U"先攻チーム責任投手");
    text("Text2");
    label("Label9", U"後攻チーム責任投手");
    text("Text3");
    label("Label11", U"セーブ投手");
    text("Text16");
    label("Label3", U"回戦");
    text("Text11");
    label("Label1", U"観客数");
    text("Text5");
    label("Label13", U"対戦日");
    for (const char* name : {"Text18", "Text19", "Text20"}) text(name);
    label("Label14", U"月");
    label("Label15", U"日");

    const std::array<const char32_t*, 12> months = {U"Jan", U"Feb", U"Mar", U"Apr", U"May", U"Jun",
                                                   U"Jul", U"Aug", U"Sep", U"Oct", U"Nov", U"Dec"};
    for (int m = 1; m <= 12; ++m) windows_.main.add(make_control(ControlKind::button, "Command2", months[m - 1], m));
    // The day and meeting keys and the meeting/day switch start usable, in the highlight colour.
    for (int k = 0; k <= 32; ++k) {
        Control& key = windows_.main.add(make_control(ControlKind::button, "Command4", k == 32 ? Text(U"X") : plain_num(k), k));
        if (k >= 1 && k <= 31) key.back_color = kHighlight;
    }
    windows_.main.add(make_control(ControlKind::button, "Command3", U"対戦回")).back_color = kHighlight;
    windows_.main.add(make_control(ControlKind::button, "Command19", U"ＨＲ登録")).visible = false;
    windows_.main.add(make_control(ControlKind::button, "Command12", U"入力終了"));
    windows_.main.add(make_control(ControlKind::button, "Command1", U"Return"));
    for (const char* name : {"List5", "List6"}) windows_.main.add(make_control(ControlKind::list, name));
    windows_.main.at("List5").visible = false;
}

void MainWindow::build_report_controls() {
    const std::array<std::pair<const char*, const char32_t*>, 13> buttons = {{{"Command9", U"成績一覧"},
                                                                              {"Command10", U"対戦別勝敗"},
                                                                              {"Command13", U"対戦別勝率"},
                                                                              {"Command5", U"月別勝敗"},
                                                                              {"Command14", U"月別勝率"},
                                                                              {"Command15", U"対戦状況"},
                                                                              {"Command16", U"指定日成績"},
                                                                              {"Command17", U"連勝.連敗"},
                                                                              {"Command6", U"得点一覧"},
                                                                              {"Command8", U"投手成績"},
                                                                              {"Command18", U"ホームラン"},
                                                                              {"Command7", U"窓消去"},
                                                                              {"Command11", U"ﾃﾞｰﾀ参照"}}};
    for (auto [name, caption] : buttons) {
        Control& b = windows_.main.add(make_control(ControlKind::button, name, caption));
        b.enabled = std::string(name) == "Command11";  // the reports open through ﾃﾞｰﾀ参照
    }
    windows_.main.at("Command11").back_color = kHighlight;
    windows_.main.add(make_control(ControlKind::frame, "Frame5", U"リーグ選択")).enabled = false;
    const std::array<const char32_t*, 3> leagues = {U"ｾﾝﾄﾗﾙ", U"ﾊﾟｼﾌｨｯｸ", U"両ﾘｰｸﾞ"};
    for (int i = 0; i < 3; ++i) windows_.main.add(make_control(ControlKind::option, "Option6", leagues[i], i, "Frame5")).enabled = false;
    for (const char* name : {"Label7", "Label6"}) windows_.main.add(make_control(ControlKind::label, name)).visible = false;
    for (const char* name : {"List4", "List1", "List2", "List3"}) windows_.main.add(make_control(ControlKind::list, name)).visible = false;
}

void MainWindow::build_main_window() {
    windows_.main.caption = U"Tevardin";
    build_menus();
    build_input_panel();
    build_report_controls();
    windows_.main.add(make_control(ControlKind::text, "Text1"));
    windows_.main.add(make_control(ControlKind::label, "Label5", Text(), 0));
    windows_.main.add(make_control(ControlKind::label, "Label5", Text(), 1));
    windows_.main.add(make_control(ControlKind::label, "Label10", U"Tevardin"));
    windows_.main.at("Label10").text = U"Tevardin";
}

void MainWindow::build_other_windows() {
    windows_.notice.caption = U"お知らせ！";
    windows_.notice.width = 5670;
    windows_.notice.height = 3810;
    Control& title = windows_.notice.add(make_control(ControlKind::label, "Label1"));
    title.text = U"Tevardin\r\nプロ野球ペナントレース記録\r\n\r\nデータを読み込んでいます。しばらくお待ち下さい。";

    windows_.dialog.add(make_control(ControlKind::label, "Label1"));
    windows_.dialog.add(make_control(ControlKind::button, "Command1", U"ＯＫ"));
}

}  // namespace tev::ui
