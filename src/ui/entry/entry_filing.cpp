// Filing a composed game into the season (only in memory) and the commit that ends entry mode,
// saves the season and rebuilds every table, showing each step in the status line.
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"
#include "ui/entry/entry_presenter.h"

namespace tev::ui {

void EntryPresenter::already_filed_check() {
    EntryBuffer& e = entry_;
    const int n = e.meeting;
    bool asked = false, swapped = false, yes = false;
    const auto ask = [&] {
        asked = true;
        yes = services_.ask(U"再登録確認", U"この対戦カードは、登録済みです。\r\n再登録しますか？", Icon::question, false);
    };
    if (!season().filed_game(e.first, e.second, n).empty()) ask();
    if (!season().filed_game(e.second, e.first, n).empty()) {
        ask();
        swapped = true;
    }
    if (!asked) return;
    if (!yes) {
        e.meeting = 0;
        main_.at("Text11").text.clear();
        status(U"対戦回数を入力して下さい。");
        e.awaiting_meeting = true;
        return;
    }
    if (swapped) std::swap(e.first, e.second);
    load_stored_game(season().filed_game(e.first, e.second, n));
}

void EntryPresenter::load_stored_game(const Text& game) {
    EntryBuffer& e = entry_;
    const GameFields f = parse_game(game);
    e.first_pitcher = f.first_pitcher;
    e.second_pitcher = f.second_pitcher;
    e.save_pitcher = f.save_pitcher;
    e.attendance = f.attendance;
    e.first_innings = f.first_innings;
    e.second_innings = f.second_innings;
    e.first_runs = e.first_inning_sum = f.first_runs;
    e.second_runs = e.second_inning_sum = f.second_runs;
    e.date = mid(game, 100, 10);
    e.month = f.month;
    e.day = f.day;
    // A game read from a file holds at most 15 records (the reader refuses more); the entry never
    // takes more than it can file again.
    e.homeruns.assign(f.hr_records.begin(), f.hr_records.begin() + std::min<std::size_t>(f.hr_records.size(), kMaxHomeRuns));
    e.homerun_names_given = 0;
    show_buffer();
    draw_homerun_list();
    status(U"各項目の入力ボックスをクリックして下さい｡ ");
}

void EntryPresenter::Command1_Click() {
    Control& ret = main_.at("Command1");
    ret.enabled = false;
    ret.back_color = kDefaultColor;
    EntryBuffer& e = entry_;
    if (e.first_runs != e.first_inning_sum) return services_.message(U"先攻チームの得点合計が違います。");
    if (e.second_runs != e.second_inning_sum) return services_.message(U"後攻チームの得点合計が違います。");
    if (e.first == e.second) return services_.message(U"先攻後攻チームが同じです。");
    e.date = ascii(season().disp_year) + U"/" + right_num(e.month, 2) + U"/" + right_num(e.day, 2);
    GameFields f;
    f.first_runs = e.first_runs;
    f.second_runs = e.second_runs;
    f.first_pitcher = e.first_pitcher;
    f.second_pitcher = e.second_pitcher;
    f.save_pitcher = e.save_pitcher;
    f.attendance = e.attendance;
    f.first_innings = e.first_innings;
    f.second_innings = e.second_innings;
    f.year = ascii(season().disp_year);
    f.month = e.month;
    f.day = e.day;
    if (!e.homeruns.empty() && !e.homeruns.front().empty()) f.hr_records = e.homeruns;
    const Text game = format_game(f);
    Text& slot = season().filed_game(e.first, e.second, e.meeting);
    const bool replaced = !slot.empty();
    slot = game;
    document_.note_game_filed({e.first, e.second, e.meeting, game}, replaced);
    main_.at("List1").visible = false;
    main_.at("List5").visible = false;
    Control& hr = main_.at("Command19");
    hr.back_color = kDefaultColor;
    hr.enabled = false;
    for (Control* key : main_.array("Command4")) {
        key->back_color = kHighlight;
        key->enabled = true;
    }
    offer_entry_buttons();
    start_new_game();
}

void EntryPresenter::save_pending_games() {
    if (modes_.entering) return Command12_Click();
    modes_.rebuilding = true;
    document_.commit_games();
    hooks_.games_changed();
    modes_.rebuilding = false;
}

void EntryPresenter::Command12_MouseDown() {
    if (modes_.entering) status(U"只今データー更新中、しばらくお待ち下さい。");
}

void EntryPresenter::Command12_Click() {
    if (!modes_.entering) return;
    for (const char* name : {"Option1", "Option2", "Option4", "Option5"}) select_option(name, -1);
    modes_.entering = false;
    status(Text());
    for (const char* name : {"Command1", "Command12"}) main_.at(name).enabled = false;
    for (const char* name : {"List1", "List5"}) main_.at(name).visible = false;
    main_.at("Command3").back_color = kHighlight;
    main_.at("Command3").enabled = true;
    main_.at("Command4", 0).back_color = kDefaultColor;
    main_.at("Command4", 32).back_color = kDefaultColor;
    for (const char* name : {"Command12", "Command1", "Command19"}) main_.at(name).back_color = kDefaultColor;
    main_.at("Command19").visible = false;
    panel_.set_colors({"Command2"}, kDefaultColor);
    for (Control* key : main_.array("Command4"))
        if (key->index >= 1 && key->index <= 31) {
            key->back_color = kHighlight;
            key->enabled = true;
        }
    if (document_.games_unsaved() || modes_.shown_league != 0) {
        modes_.rebuilding = true;
        if (document_.games_unsaved()) {
            main_.at("Label10").fore_color = kRed;
            document_.commit_games();
            main_.at("Label10").fore_color = kBlue;
        }
        hooks_.games_changed();
        modes_.rebuilding = false;
    }
    Control& data = main_.at("Command11");
    data.back_color = kHighlight;
    data.enabled = true;
    data.focused = true;
}

}  // namespace tev::ui
