// Filing a composed game into the season (only in memory) and the commit that ends entry mode,
// saves the season and rebuilds every table, showing each step in the status line.
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::already_filed_check() {
    EntryBuffer& e = entry_;
    const int a = league_index(e.ent_first), b = league_index(e.ent_second), n = e.ent_meet;
    bool asked = false, swapped = false, yes = false;
    const auto ask = [&] {
        asked = true;
        yes = services_.ask(U"再登録確認", U"この対戦カードは、登録済みです。\r\n再登録しますか？", Icon::question, false);
    };
    if (!season_->game_at(e.ent_first, b, n).empty()) ask();
    if (!season_->game_at(e.ent_second, a, n).empty()) {
        ask();
        swapped = true;
    }
    if (!asked) return;
    if (!yes) {
        e.ent_meet = 0;
        main_.at("Text11").text.clear();
        status(U"対戦回数を入力して下さい。");
        e.meet_wait = 1;
        return;
    }
    if (swapped) std::swap(e.ent_first, e.ent_second);
    load_stored_game(season_->game_at(e.ent_first, league_index(e.ent_second), n));
}

void MainWindow::load_stored_game(const Text& game) {
    EntryBuffer& e = entry_;
    const GameFields f = parse_game(game);
    e.ent_first_picher = f.first_pitcher;
    e.ent_second_picher = f.second_pitcher;
    e.ent_save_picher = f.save_pitcher;
    e.ent_attend = f.attendance;
    e.ent_first_inn = f.first_innings;
    e.ent_second_inn = f.second_innings;
    e.ent_first_runs = e.ent_first_sum = f.first_runs;
    e.ent_second_runs = e.ent_second_sum = f.second_runs;
    e.ent_date = mid(game, 100, 10);
    e.ent_month = f.month;
    e.ent_day = f.day;
    // A game read from a file holds at most 15 records (the reader refuses more); the entry never
    // takes more than it can file again.
    e.hr_list.assign(f.hr_records.begin(), f.hr_records.begin() + std::min<std::size_t>(f.hr_records.size(), kMaxHomeRuns));
    e.hr_state = 0;
    dat_renew();
    draw_homerun_list();
    status(U"各項目の入力ボックスをクリックして下さい｡ ");
}

void MainWindow::Command1_Click() {
    Control& ret = main_.at("Command1");
    ret.enabled = false;
    ret.back_color = kDefaultColor;
    EntryBuffer& e = entry_;
    if (e.ent_first_runs != e.ent_first_sum) return services_.message(U"先攻チームの得点合計が違います。");
    if (e.ent_second_runs != e.ent_second_sum) return services_.message(U"後攻チームの得点合計が違います。");
    if (e.ent_first == e.ent_second) return services_.message(U"先攻後攻チームが同じです。");
    e.ent_date = ascii(season_->disp_year) + U"/" + right_num(e.ent_month, 2) + U"/" + right_num(e.ent_day, 2);
    GameFields f;
    f.first_runs = e.ent_first_runs;
    f.second_runs = e.ent_second_runs;
    f.first_pitcher = e.ent_first_picher;
    f.second_pitcher = e.ent_second_picher;
    f.save_pitcher = e.ent_save_picher;
    f.attendance = e.ent_attend;
    f.first_innings = e.ent_first_inn;
    f.second_innings = e.ent_second_inn;
    f.year = ascii(season_->disp_year);
    f.month = e.ent_month;
    f.day = e.ent_day;
    if (!e.hr_list.empty() && !e.hr_list.front().empty()) f.hr_records = e.hr_list;
    season_->game_at(e.ent_first, league_index(e.ent_second), e.ent_meet) = format_game(f);
    dat_changed_ = 1;
    main_.at("List1").visible = false;
    main_.at("List5").visible = false;
    Control& hr = main_.at("Command19");
    hr.back_color = kDefaultColor;
    hr.enabled = false;
    for (Control* key : main_.array("Command4")) {
        key->back_color = kHighlight;
        key->enabled = true;
    }
    optbox_disp2();
    dat_init();
}

void MainWindow::Command12_MouseDown() {
    if (entry_mode_ == 1) status(U"只今データー更新中、しばらくお待ち下さい。");
}

void MainWindow::Command12_Click() {
    if (entry_mode_ != 1) return;
    for (const char* name : {"Option1", "Option2", "Option4", "Option5"}) select_option(name, -1);
    entry_mode_ = 0;
    status(Text());
    for (const char* name : {"Command1", "Command12"}) main_.at(name).enabled = false;
    for (const char* name : {"List1", "List5"}) main_.at(name).visible = false;
    main_.at("Command3").back_color = kHighlight;
    main_.at("Command3").enabled = true;
    main_.at("Command4", 0).back_color = kDefaultColor;
    main_.at("Command4", 32).back_color = kDefaultColor;
    for (const char* name : {"Command12", "Command1", "Command19"}) main_.at(name).back_color = kDefaultColor;
    main_.at("Command19").visible = false;
    set_colors({"Command2"}, kDefaultColor);
    for (Control* key : main_.array("Command4"))
        if (key->index >= 1 && key->index <= 31) {
            key->back_color = kHighlight;
            key->enabled = true;
        }
    if (dat_changed_ == 1 || view_.view_league != 0) {
        recalc_busy_ = 1;
        if (dat_changed_ == 1) commit_chain();
        newdat_disp();
        recalc_busy_ = 0;
    }
    Control& data = main_.at("Command11");
    data.back_color = kHighlight;
    data.enabled = true;
    data.focused = true;
}

void MainWindow::step(const Text& text, bool process_events) {
    status(text);
    if (process_events) pump();
}

void MainWindow::commit_chain() {
    names_ = year_file_names(season_->disp_year);
    main_.at("Label10").fore_color = kRed;
    open_save(SaveKind::rebuild, season_->disp_year);
    rebuild_score_list(true);
    rebuild_pitcher_tables(true);
    rebuild_standings(true);
    const bool saved = save_season(true);
    tallies_ = build_team_tallies(*season_);
    rebuild_cumulative_pitchers(true);
    if (saved) dat_changed_ = 0;  // a failed save stays pending: the next 入力終了 saves again
    rebuild_history();
    rebuild_innings(true);
    rebuild_streaks(true);
    rebuild_homeruns(true);
    rebuild_cumulative_homeruns(true);
    close_save();
    status(Text());
    main_.at("Label10").fore_color = kBlue;
}

}  // namespace tev::ui
