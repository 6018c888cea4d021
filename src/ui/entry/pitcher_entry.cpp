// Choosing the pitchers of a game from the season's pitcher table, or typing a new name.
#include "core/pitchers/pick_list.h"
#include "core/text/cp932.h"
#include "ui/entry/entry_presenter.h"

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

void EntryPresenter::open_pitcher_list(KeyTarget target) {
    EntryBuffer& e = entry_;
    if (e.first_runs == e.second_runs) return;  // a tie has no pitchers of record
    e.key_target = target;
    main_.at("List5").visible = false;
    main_.at("List1").lines.clear();
    if (target == KeyTarget::first_pitcher) e.pick_list_club = e.first;
    if (target == KeyTarget::second_pitcher) e.pick_list_club = e.second;
    if (target == KeyTarget::save_pitcher) {
        e.pick_list_club = e.first_runs > e.second_runs ? e.first : e.second;
        draw_homerun_list();
    }
    offer_entry_buttons();
    show_pitcher_list();
    status(box_of(target).prompt);
}

void EntryPresenter::show_pitcher_list() {
    panel_.disable_team_choice();
    Control& list = main_.at("List1");
    list.visible = true;
    list.list_index = -1;
    // The pitcher who gave up a home run belongs to the club that did not hit it.
    if (entry_.key_target == KeyTarget::hr_pitcher) entry_.pick_list_club = entry_.homerun_side == 1 ? entry_.first : entry_.second;
    const PitcherTable& table = entry_.pick_list_club > 6 ? season().pitcher_p : season().pitcher_c;
    list.lines = pitcher_pick_rows(table, entry_.pick_list_club, entry_.key_target == KeyTarget::hr_pitcher);
}

void EntryPresenter::pitcher_choice_click() {
    if (!is_pitcher_target(entry_.key_target) && entry_.key_target != KeyTarget::hr_pitcher) return;
    const Control& list = main_.at("List1");
    if (list.list_index < 0 || list.list_index >= static_cast<int>(list.lines.size())) return;
    choose_pitcher(list.lines[list.list_index]);
}

bool EntryPresenter::name_can_be_stored(const Text& name) {
    // A double quote would end the name's item in the game file, and a character outside code
    // page 932 cannot be written to it: refuse such a name before it reaches the season.
    if (name.find(U'"') == Text::npos && fits_cp932(name)) return true;
    services_.message(U"この名前には保存できない文字が含まれています。\r\n別の名前を入力して下さい。");
    return false;
}

void EntryPresenter::choose_pitcher(const Text& row) {
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
            Text& slot = entry_.key_target == KeyTarget::first_pitcher    ? entry_.first_pitcher
                         : entry_.key_target == KeyTarget::second_pitcher ? entry_.second_pitcher
                                                                           : entry_.save_pitcher;
            slot = name;
            main_.at(box.box).text = name;
        }
    }
    main_.at("List1").visible = false;
    main_.at("List5").visible = false;
    entry_.key_target = KeyTarget::none;
    offer_filing();
    status(U"入力する項目を選択して下さい。");
    offer_entry_buttons();
}

}  // namespace tev::ui
