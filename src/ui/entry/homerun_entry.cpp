// Home-run entry: a click on a club's header in the game's home-run list opens the batter list
// of that club and the pitcher list of the other; ＨＲ登録 files the home run into the game being
// composed; a click on a record deletes it after a question. A game holds at most 15 records.
#include <algorithm>

#include "core/homeruns/batter_pick_list.h"
#include "core/pitchers/pick_list.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"
#include "ui/entry/entry_presenter.h"

namespace tev::ui {

namespace {

const Text kLimitReached = U"一度に登録出来るデータ数はここまでです。\r\n保存後再度入力して下さい";

bool starts_with(const Text& text, const Text& prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

int EntryPresenter::hitting_team() const {
    return entry_.homerun_side == 1 ? entry_.second : entry_.first;
}

void EntryPresenter::List6_Click() {
    if (!modes_.entering) return;
    const Control& list = main_.at("List6");
    const int row = list.list_index;
    if (row <= 0 || row >= static_cast<int>(list.lines.size()) || list.lines[row].empty()) return;
    if (entry_.first == 0 || entry_.second == 0)
        return services_.message(U"対戦チーム名を入力して下さい！！");
    const Text& line = list.lines[row];
    if (starts_with(line, U"【")) return start_homerun(row);
    delete_homerun_record(line);
}

void EntryPresenter::start_homerun(int row) {
    EntryBuffer& e = entry_;
    e.homerun_side = row == 1 ? 0 : 1;
    reset_homerun_choice();
    e.key_target = KeyTarget::hr_pitcher;
    main_.at("List1").lines.clear();
    Control& batters = main_.at("List5");
    batters.lines.clear();
    batters.visible = true;
    show_pitcher_list();
    show_batter_list();
    status(U"ホームラン打者と被投手名を選択して下さい。");
}

void EntryPresenter::show_batter_list() {
    panel_.disable_team_choice();
    Control& list = main_.at("List5");
    list.visible = true;
    list.list_index = -1;
    const int team = hitting_team();
    list.lines =
        homerun_batter_rows(team > 6 ? season().homeruns.bat_p : season().homeruns.bat_c, team, season().clubs);
}

void EntryPresenter::reset_homerun_choice() {
    EntryBuffer& e = entry_;
    e.homerun_batter.clear();
    e.homerun_pitcher.clear();
    e.homerun_names_given = 0;
    Control& file = main_.at("Command19");
    file.back_color = kDefaultColor;
    file.enabled = false;
    draw_homerun_list();
}

void EntryPresenter::note_homerun_choice() {
    // ＨＲ登録 is offered exactly when both names are given, whatever order they came in; a name
    // cleared by a cancelled input box takes the offer back.
    EntryBuffer& e = entry_;
    const bool both = !e.homerun_batter.empty() && !e.homerun_pitcher.empty();
    e.homerun_names_given = both ? 2 : 1;
    Control& file = main_.at("Command19");
    file.back_color = both ? kHighlight : kDefaultColor;
    file.enabled = both;
}

void EntryPresenter::List5_Click() {
    if (!modes_.entering) return;
    Control& list = main_.at("List5");
    if (list.list_index < 0 || list.list_index >= static_cast<int>(list.lines.size())) return;
    const Text row = list.lines[list.list_index];
    switch (batter_pick_kind(row)) {
        case BatterPick::none:
            return;
        case BatterPick::end:
            return end_homerun_input();
        case BatterPick::keyboard: {
            const ScreenMetrics screen = services_.screen();
            const Text name = services_.input(
                season().clubs.team_short(hitting_team()) + U"の打者名を入力して下さい。", U"打者名入力", U"  ",
                screen.width_twips / 4, screen.height_twips / 3);
            if (!name_can_be_stored(name)) return;
            entry_.homerun_batter = name;
            if (!name.empty()) list.lines.push_back(typed_batter_row(name));
            break;
        }
        case BatterPick::batter:
            entry_.homerun_batter = picked_name(row);
            break;
    }
    note_homerun_choice();
    draw_homerun_list();
}

void EntryPresenter::choose_homerun_pitcher(const Text& row) {
    Text name = picked_name(row);
    if (pick_kind(row) == PickKind::keyboard) {
        const ScreenMetrics screen = services_.screen();
        name = services_.input(U"被ホームラン投手名を入力して下さい。", U"投手名入力", U"  ",
                               screen.width_twips / 4, screen.height_twips / 3);
        if (!name_can_be_stored(name)) return;
    }
    entry_.homerun_pitcher = name;
    note_homerun_choice();
}

void EntryPresenter::end_homerun_input() {
    for (Control* key : main_.array("Command4")) {
        key->back_color = kHighlight;
        key->enabled = true;
    }
    main_.at("List1").visible = false;
    main_.at("List5").visible = false;
    entry_.key_target = KeyTarget::none;
    entry_.homerun_names_given = 0;
    offer_filing();
    Control& file = main_.at("Command19");
    file.back_color = kDefaultColor;
    file.enabled = false;
    status(U"入力する項目を選択して下さい。");
    offer_entry_buttons();
}

void EntryPresenter::file_homerun() {
    EntryBuffer& e = entry_;
    if (!modes_.entering || e.homerun_batter.empty() || e.homerun_pitcher.empty() || e.homerun_names_given != 2) return;
    if (static_cast<int>(e.homeruns.size()) >= kMaxHomeRuns) {
        // The game string holds 15 records: a further one is refused, never stored.
        services_.message(kLimitReached);
        return reset_homerun_choice();
    }
    const int batting = hitting_team();
    const int pitching = batting == e.first ? e.second : e.first;
    e.homeruns.push_back(format_hr(HrEntry{batting, e.homerun_batter, pitching, e.homerun_pitcher}));
    if (static_cast<int>(e.homeruns.size()) == kMaxHomeRuns) services_.message(kLimitReached);
    reset_homerun_choice();
}

void EntryPresenter::delete_homerun_record(const Text& row) {
    std::vector<Text>& records = entry_.homeruns;
    const auto record = std::find_if(records.begin(), records.end(),
                                     [&](const Text& r) { return mid(r, 3, 22) == row; });
    const Text question = U"このデータを削除しますか？\r\n\r\n打者＝" +
                          trim_right(mid(row, 1, 10)) + U"　　投手＝" +
                          trim_right(mid(row, 13, 10));
    if (!services_.ask(U"ホームランデータ削除", question, Icon::question, false)) return;
    if (record == records.end()) return;  // the batter of a home run not yet filed: nothing to remove
    records.erase(record);
    draw_homerun_list();
}

}  // namespace tev::ui
