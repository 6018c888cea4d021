// Choosing the pitchers of a game from the season's pitcher table, or typing a new name.
#include "core/pitchers/pick_list.h"
#include "core/text/cp932.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

struct PitcherBox {
    const char* box;
    const char32_t* prompt;
    const char32_t* input_prompt;
    const char32_t* input_title;
};

PitcherBox box_of(KeyTarget target) {
    switch (target) {
        case KeyTarget::first_pitcher:
            return {"Text2", U"先攻チーム責任投手名を選択して下さい。", U"先攻チームの投手名を入力して下さい。", U"先攻チーム投手名"};
        case KeyTarget::second_pitcher:
            return {"Text3", U"後攻チーム責任投手名を選択して下さい｡ ", U"後攻チームの投手名を入力して下さい。", U"後攻チーム投手名"};
        default:
            return {"Text16", U"セーブ投手名を選択して下さい｡ ", U"セーブ投手名を入力して下さい。", U"セーブ投手名"};
    }
}

bool is_pitcher_target(KeyTarget t) {
    return t == KeyTarget::first_pitcher || t == KeyTarget::second_pitcher || t == KeyTarget::save_pitcher;
}

}  // namespace

void MainWindow::open_pitcher_list(KeyTarget target) {
    EntryBuffer& e = entry_;
    if (e.ent_first_runs == e.ent_second_runs) return;  // a tie has no pitchers of record
    e.key_target = target;
    main_.at("List5").visible = false;
    main_.at("List1").lines.clear();
    if (target == KeyTarget::first_pitcher) e.pick_team = e.ent_first;
    if (target == KeyTarget::second_pitcher) e.pick_team = e.ent_second;
    if (target == KeyTarget::save_pitcher) {
        e.pick_team = e.ent_first_runs > e.ent_second_runs ? e.ent_first : e.ent_second;
        draw_homerun_list();
    }
    optbox_disp2();
    disp_picher();
    status(box_of(target).prompt);
}

void MainWindow::disp_picher() {
    optbox_clear();
    Control& list = main_.at("List1");
    list.visible = true;
    list.list_index = -1;
    // The pitcher who gave up a home run belongs to the club that did not hit it.
    if (entry_.key_target == KeyTarget::hr_pitcher) entry_.pick_team = entry_.hr_side == 1 ? entry_.ent_first : entry_.ent_second;
    const PitcherTable& table = entry_.pick_team > 6 ? season_->pitcher_p : season_->pitcher_c;
    list.lines = pitcher_pick_rows(table, entry_.pick_team, entry_.key_target == KeyTarget::hr_pitcher);
}

void MainWindow::pitcher_choice_click() {
    if (!is_pitcher_target(entry_.key_target) && entry_.key_target != KeyTarget::hr_pitcher) return;
    const Control& list = main_.at("List1");
    if (list.list_index < 0 || list.list_index >= static_cast<int>(list.lines.size())) return;
    choice_picher(list.lines[list.list_index]);
}

bool MainWindow::name_can_be_stored(const Text& name) {
    // A double quote would end the name's item in the game file, and a character outside code
    // page 932 cannot be written to it: refuse such a name before it reaches the season.
    if (name.find(U'"') == Text::npos && fits_cp932(name)) return true;
    services_.message(U"この名前には保存できない文字が含まれています。\r\n別の名前を入力して下さい。");
    return false;
}

void MainWindow::choice_picher(const Text& row) {
    if (entry_.key_target == KeyTarget::hr_pitcher) return choose_homerun_pitcher(row);  // the list stays open
    const PickKind kind = pick_kind(row);
    if (kind != PickKind::cancel) {
        const PitcherBox box = box_of(entry_.key_target);
        Text name = picked_name(row);
        bool accepted = true;
        if (kind == PickKind::keyboard) {
            const ScreenMetrics screen = services_.screen();
            name = services_.input(box.input_prompt, box.input_title, U"  ", screen.width_twips / 4,
                                   screen.height_twips / 3);
            accepted = name_can_be_stored(name);
        }
        if (accepted) {
            Text& slot = entry_.key_target == KeyTarget::first_pitcher    ? entry_.ent_first_picher
                         : entry_.key_target == KeyTarget::second_pitcher ? entry_.ent_second_picher
                                                                           : entry_.ent_save_picher;
            slot = name;
            main_.at(box.box).text = name;
        }
    }
    main_.at("List1").visible = false;
    main_.at("List5").visible = false;
    entry_.key_target = KeyTarget::none;
    data_check();
    status(U"入力する項目を選択して下さい。");
    optbox_disp2();
}

}  // namespace tev::ui
