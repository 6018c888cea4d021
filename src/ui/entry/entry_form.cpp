// The entry form: データ入力 turns the input panel into a form whose values are given by clicking
// a box and pressing the keypad, a month button or a pick-list row.
#include "core/homeruns/game_homerun_list.h"
#include "core/store/teams.h"
#include "core/text/calendar.h"
#include "core/text/fixed_width.h"
#include "ui/entry/entry_presenter.h"

namespace tev::ui {

namespace {

const Text kClickBoxes = U"各項目の入力ボックスをクリックして下さい｡ ";
const Text kAskMeeting = U"対戦回数を入力して下さい。";
const std::vector<std::string> kTeamButtons = {"Option1", "Option2", "Option4", "Option5"};
const std::vector<std::string> kResultBoxes = {"Text6", "Text15", "Text2", "Text3", "Text7", "Text8",
                                               "Text9", "Text10", "Text12", "Text13", "Text14", "Text17"};

bool has_no_31st(int month) { return month == 4 || month == 6 || month == 9; }

// What the league box says of the choice: a league's name, or 交流戦.
Text choice_name(int choice) { return choice == kInterleagueChoice ? Text(U"交流戦") : league_name(choice); }

}  // namespace

void EntryPresenter::bind() {
    // Entry claims the input panel's shared buttons first, while a game is being entered.
    main_.claim("Option3", Event::click, [this](int i) {
        if (!modes_.entering) return false;
        hide_year_list();
        entry_league_click(i);
        return true;
    });
    for (const char* name : {"Option1", "Option2", "Option4", "Option5"})
        main_.claim(name, Event::click, [this, name](int i) {
            if (!modes_.entering) return false;
            hide_year_list();
            entry_team_click(name, i);
            return true;
        });
    main_.claim("Command4", Event::click, [this](int k) {
        if (!modes_.entering || modes_.rebuilding) return false;
        key_pressed(k);
        offer_filing();
        return true;
    });
    main_.claim("Command2", Event::click, [this](int month) {
        if (!modes_.entering) return false;
        hide_year_list();
        entry_month_click(month);
        return true;
    });
    main_.claim("List1", Event::click, [this](int) {
        if (!modes_.entering) return false;
        pitcher_choice_click();
        return true;
    });
    main_.claim("Command19", Event::click, [this](int) {
        if (!modes_.entering) return false;
        file_homerun();
        return true;
    });
    for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11",
                            "Text15", "Text16", "Text18", "Text19", "Label1", "Label3"})
        on_click(box, [this, box](int) { entry_box_click(box); });
    on_click("mnudat_in", [this](int) { mnudat_in_Click(); });
    on_click("Command1", [this](int) { Command1_Click(); });
    main_.on("Command12", Event::mouse_down, [this](int) { Command12_MouseDown(); });
    on_click("Command12", [this](int) { Command12_Click(); });
    on_click("List6", [this](int) { List6_Click(); });
    on_click("List5", [this](int) { List5_Click(); });
}

void EntryPresenter::mnudat_in_Click() {
    if (!modes_.can_change_season()) return;
    hide_year_list();
    main_.at("Command12").enabled = true;
    modes_.entering = true;
    for (const char* name : {"Command3", "Command11"}) {
        main_.at(name).back_color = kDefaultColor;
        main_.at(name).enabled = false;
    }
    main_.at("Command4", 0).back_color = kHighlight;
    main_.at("Command4", 32).back_color = kHighlight;
    main_.at("Command12").back_color = kHighlight;
    Control& hr = main_.at("Command19");
    hr.caption = U"ＨＲ登録";
    hr.back_color = kDefaultColor;
    hr.visible = true;
    hr.enabled = false;
    main_.at("List6").lines.clear();
    panel_.set_colors({"Command2"}, kHighlight);
    entry_.homeruns.clear();
    entry_.homerun_names_given = 0;
    for (const std::string& name : kResultBoxes)
        for (Control* c : main_.array(name)) c->fore_color = kBlack;
    start_new_game();
}

void EntryPresenter::start_new_game() {
    panel_.clear_boxes();
    entry_ = EntryBuffer{};
    main_.at("List6").lines = {U"*ホームラン*"};
    status(U"リーグ名を選択して下さい。");
}

void EntryPresenter::offer_entry_buttons() {
    offer_team_buttons();
    panel_.enable_league_buttons();
}

void EntryPresenter::offer_team_buttons() {
    if (entry_.league == kInterleagueChoice)
        panel_.set_interleague_team_buttons(entry_.first, entry_.second);
    else
        panel_.set_team_buttons(entry_.league);
}

int EntryPresenter::last_meeting() const {
    return entry_.league == kInterleagueChoice ? season().interleague_meetings : kMeetings;
}

void EntryPresenter::entry_league_click(int index) {
    if (index + 1 != entry_.league) start_new_game();
    entry_.league = index + 1;
    main_.at("Text4").text = choice_name(entry_.league);
    status(U"先攻チーム名を選択して下さい。");
    offer_team_buttons();
    select_option("Option3", index);
    offer_filing();
}

void EntryPresenter::entry_team_click(const std::string& name, int index) {
    const bool first = name == "Option1" || name == "Option4";
    const int team = index + (name == "Option1" || name == "Option2" ? 1 : 7);
    int& mine = first ? entry_.first : entry_.second;
    const int other = first ? entry_.second : entry_.first;
    const int previous = mine;
    const std::array<std::string, 2> boxes = first ? std::array<std::string, 2>{"Text9", "Text12"}
                                                   : std::array<std::string, 2>{"Text10", "Text13"};
    select_option(name, index);
    mine = team;
    if (entry_.league == kInterleagueChoice) {
        // One club bats first and one at home: the same side's buttons of the other league let go.
        select_option(name == "Option1" ? "Option4" : name == "Option4" ? "Option1" : name == "Option2" ? "Option5" : "Option2", -1);
        offer_team_buttons();
    }
    if (team == other) {
        services_.message(U"先攻、後攻が同一チームです。");
        if (previous != 0) {
            mine = previous;
            select_option(name, previous - (previous > 6 ? 7 : 1));
        }
        for (const std::string& box : boxes) main_.at(box).text = season().clubs.team_short(mine);
        return;
    }
    for (const std::string& box : boxes) main_.at(box).text = season().clubs.team_short(team);
    if (other != 0) {
        if (entry_.meeting != 0) {
            status(kClickBoxes);
        } else {
            status(kAskMeeting);
            entry_.awaiting_meeting = true;
        }
    } else if (name == "Option2") {
        status(U"先攻チームを入力して下さい。");
    } else if (name == "Option5") {
        status(U"先攻ームを入力して下さい。");
    } else {
        status(U"後攻ームを入力して下さい。");
    }
    entry_.homeruns.clear();
    entry_.homerun_names_given = 0;
    offer_filing();
    // A new pair with a meeting already given must not file a meeting that is stored the other
    // way round: the same check as when the meeting number is typed.
    if (other != 0 && entry_.meeting != 0 && team != previous) already_filed_check();
}

void EntryPresenter::choose_target(KeyTarget target, const Text& prompt) {
    entry_.key_target = target;
    main_.at("List1").visible = false;
    status(prompt);
}

void EntryPresenter::restart_innings(bool first) {
    (first ? entry_.first_innings : entry_.second_innings).clear();
    (first ? entry_.first_inning_sum : entry_.second_inning_sum) = 0;
    for (Control* c : main_.array(first ? "Text6" : "Text15")) c->text.clear();
    main_.at(first ? "Text14" : "Text17").text = Text(1, U'0');
    main_.at("List5").visible = false;
    draw_homerun_list();
    offer_entry_buttons();
}

void EntryPresenter::entry_box_click(const std::string& box) {
    if (!modes_.entering) return;
    if (box == "Text7") return choose_target(KeyTarget::first_runs, U"先攻チームの得点を入力して下さい。");
    if (box == "Text8") return choose_target(KeyTarget::second_runs, U"後攻チームの得点を入力して下さい。");
    if (box == "Text6" || box == "Text15") {
        const bool first = box == "Text6";
        choose_target(first ? KeyTarget::first_innings : KeyTarget::second_innings,
                      first ? U"先攻チームの各回の得点を入力して下さい。" : U"後攻チームの各回の得点を入力して下さい。");
        return restart_innings(first);
    }
    if (box == "Text5" || box == "Label1") {
        entry_.attendance.clear();
        main_.at("Text5").text.clear();
        return choose_target(KeyTarget::attendance, U"このカードの観客数を入力して下さい。");
    }
    if (box == "Text18") return choose_target(KeyTarget::month, U"対戦月を入力して下さい。");
    if (box == "Text19") return choose_target(KeyTarget::day, U"対戦日を入力して下さい。");
    if (box == "Text2") return open_pitcher_list(KeyTarget::first_pitcher);
    if (box == "Text3") return open_pitcher_list(KeyTarget::second_pitcher);
    if (box == "Text16") return open_pitcher_list(KeyTarget::save_pitcher);
    if (box == "Text9" || box == "Text10") {
        const Text prompt = entry_.league == 0 ? U"リーグを先に選択して下さい。"
                            : box == "Text9"      ? U"先攻チーム名を選択して下さい。"
                                                  : U"後攻チーム名を選択して下さい。";
        return choose_target(KeyTarget::none, prompt);
    }
    if (box == "Text4") {
        choose_target(KeyTarget::none, U"リーグ名を選択して下さい。");
        const int league = modes_.shown_league == 1 ? 1 : 2;
        panel_.set_team_buttons(league);
        select_option("Option3", league - 1);
        panel_.enable_league_buttons();
        return;
    }
    if (box == "Text11" || box == "Label3") {
        entry_.awaiting_meeting = true;
        choose_target(KeyTarget::none, U"このカードの対戦回数を入力して下さい。");
    }
}

void EntryPresenter::show_innings(bool first) {
    const Text& cells = first ? entry_.first_innings : entry_.second_innings;
    const auto boxes = main_.array(first ? "Text6" : "Text15");
    for (int i = 0; i < 15; ++i) boxes[i]->text = mid(cells, 2 * i + 1, 2);
    main_.at(first ? "Text14" : "Text17").text = plain_num(first ? entry_.first_inning_sum : entry_.second_inning_sum);
}

void EntryPresenter::show_weekday() {
    main_.at("Text20").text = weekday_name_of(season().disp_year, entry_.month, entry_.day);
}

void EntryPresenter::key_pressed(int k) {
    EntryBuffer& e = entry_;
    if (e.key_target == KeyTarget::first_runs || e.key_target == KeyTarget::second_runs) {
        const bool first = e.key_target == KeyTarget::first_runs;
        (first ? e.first_runs : e.second_runs) = k;
        main_.at(first ? "Text7" : "Text8").text = plain_num(k);
        e.key_target = KeyTarget::none;
        status(kClickBoxes);
    }
    if (e.awaiting_meeting && e.league == kInterleagueChoice && k > last_meeting() && k <= kMeetings)
        status(U"交流戦の対戦回数は1から" + plain_num(last_meeting()) + U"までです。");
    if (e.awaiting_meeting && k >= 1 && k <= last_meeting()) {
        e.meeting = k;
        e.awaiting_meeting = false;
        main_.at("Text11").text = plain_num(k);
        if (e.first != 0 && e.second != 0) already_filed_check();
    }
    if (e.key_target == KeyTarget::attendance) {
        e.attendance += plain_num(k);
        main_.at("Text5").text = e.attendance;
        if (e.attendance.size() == 5) e.key_target = KeyTarget::none;
        status(kClickBoxes);
    }
    if (e.key_target == KeyTarget::first_innings || e.key_target == KeyTarget::second_innings) {
        const bool first = e.key_target == KeyTarget::first_innings;
        Text& cells = first ? e.first_innings : e.second_innings;
        if (k == 32) {
            cells += U" X";
        } else {
            cells += right_num(k, 2);
            (first ? e.first_inning_sum : e.second_inning_sum) += k;
        }
        if (cells.size() >= 30) e.key_target = KeyTarget::none;
        show_innings(first);
        status(kClickBoxes);
    }
    if (e.key_target == KeyTarget::day) {
        e.key_target = KeyTarget::none;
        if (k == 0 || k == 32) return status(kClickBoxes);
        if (k == 31 && has_no_31st(e.month)) {
            services_.message(num_text(e.month) + U"月には３１日は有りません。");
            e.day = 0;
            main_.at("Text19").text.clear();
            main_.at("Text20").text.clear();
            return status(kClickBoxes);
        }
        main_.at("Text19").text = right_num(k, 2);
        e.day = k;
        if (e.month >= 1) show_weekday();
        status(kClickBoxes);
    }
}

void EntryPresenter::entry_month_click(int month) {
    if (entry_.key_target == KeyTarget::month) {
        entry_.key_target = KeyTarget::none;
        if (has_no_31st(month) && entry_.day == 31) {
            services_.message(plain_num(month) + U"月には３１日は有りません。");
            entry_.month = 0;
            main_.at("Text18").text.clear();
            main_.at("Text20").text.clear();
            status(kClickBoxes);
        } else if (month >= 3 && month <= 10) {
            main_.at("Text18").text = right_num(month, 2);
            entry_.month = month;
            if (entry_.day >= 1) show_weekday();
            status(kClickBoxes);
        }
    }
    offer_filing();
}

void EntryPresenter::draw_homerun_list() {
    Control& list = main_.at("List6");
    // While the batter list is open, the batter just chosen stands under his club until filed.
    std::optional<PendingBatter> pending;
    if (main_.at("List5").visible && !entry_.homerun_batter.empty()) pending = PendingBatter{entry_.homerun_batter, entry_.homerun_side == 1};
    if (entry_.first != 0 && entry_.second != 0)
        list.lines = game_homerun_lines(entry_.first, entry_.second, entry_.homeruns, pending, season().clubs);
    else
        list.lines = {U"*ホームラン*"};
}

void EntryPresenter::offer_filing() {
    if (!modes_.entering) return;
    const EntryBuffer& e = entry_;
    const bool tie = e.first_runs == e.second_runs;
    const bool complete = e.league != 0 && e.first != 0 && e.second != 0 &&
                          e.first_runs != kRunsNotEntered && e.second_runs != kRunsNotEntered &&
                          (!e.first_pitcher.empty() || tie) && (!e.second_pitcher.empty() || tie) &&
                          e.meeting != 0 && !e.attendance.empty() && !e.first_innings.empty() &&
                          !e.second_innings.empty() && e.month != 0 && e.day != 0;
    Control& ret = main_.at("Command1");
    ret.enabled = complete;
    ret.back_color = complete ? kHighlight : kDefaultColor;
    draw_homerun_list();
}

void EntryPresenter::show_buffer() {
    const EntryBuffer& e = entry_;
    main_.at("Text2").text = e.first_pitcher;
    main_.at("Text3").text = e.second_pitcher;
    main_.at("Text16").text = e.save_pitcher;
    main_.at("Text5").text = e.attendance;
    for (const char* box : {"Text7", "Text14"}) main_.at(box).text = plain_num(e.first_runs);
    for (const char* box : {"Text8", "Text17"}) main_.at(box).text = plain_num(e.second_runs);
    main_.at("Text4").text = choice_name(e.league);
    for (const char* box : {"Text9", "Text12"}) main_.at(box).text = season().clubs.team_short(e.first);
    for (const char* box : {"Text10", "Text13"}) main_.at(box).text = season().clubs.team_short(e.second);
    main_.at("Text11").text = plain_num(e.meeting);
    main_.at("Text18").text = right_num(e.month, 2);
    main_.at("Text19").text = right_num(e.day, 2);
    for (bool first : {true, false}) {
        const Text& cells = first ? e.first_innings : e.second_innings;
        const auto boxes = main_.array(first ? "Text6" : "Text15");
        for (int i = 0; i < 15; ++i) boxes[i]->text = mid(cells, 2 * i + 1, 2);
    }
    for (const std::string& name : kTeamButtons) select_option(name, -1);
    // Each club in its own league's frame: for an interleague game, one above and one below.
    select_option(e.first <= 6 ? "Option1" : "Option4", league_index(e.first) - 1);
    select_option(e.second <= 6 ? "Option2" : "Option5", league_index(e.second) - 1);
}

}  // namespace tev::ui
