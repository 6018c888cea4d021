// The entry form: データ入力 turns the input panel into a form whose values are given by clicking
// a box and pressing the keypad, a month button or a pick-list row.
#include "core/homeruns/game_homerun_list.h"
#include "core/store/teams.h"
#include "core/text/calendar.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

const Text kClickBoxes = U"各項目の入力ボックスをクリックして下さい｡ ";
const Text kAskMeeting = U"対戦回数を入力して下さい。";
const std::vector<std::string> kTeamButtons = {"Option1", "Option2", "Option4", "Option5"};
const std::vector<std::string> kResultBoxes = {"Text6", "Text15", "Text2", "Text3", "Text7", "Text8",
                                               "Text9", "Text10", "Text12", "Text13", "Text14", "Text17"};

bool has_no_31st(int month) { return month == 4 || month == 6 || month == 9; }

}  // namespace

void MainWindow::mnudat_in_Click() {
    if (entry_mode_ == 1 || report_on_ || view_.date_mode == 1 || history_state_ == 1) return;
    hide_year_list();
    main_.at("Command12").enabled = true;
    entry_mode_ = 1;
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
    set_colors({"Command2"}, kHighlight);
    entry_.hr_list.clear();
    entry_.hr_state = 0;
    for (const std::string& name : kResultBoxes)
        for (Control* c : main_.array(name)) c->fore_color = kBlack;
    dat_init();
}

void MainWindow::datbox_clear() {
    for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12",
                            "Text13", "Text14", "Text16", "Text17", "Text18", "Text19", "Text20"})
        main_.at(box).text.clear();
    for (const char* array : {"Text6", "Text15"})
        for (Control* c : main_.array(array)) c->text.clear();
    for (const std::string& name : kTeamButtons)
        for (Control* c : main_.array(name)) {
            c->value = false;
            c->enabled = false;
        }
    select_option("Option3", -1);
}

void MainWindow::dat_init() {
    datbox_clear();
    entry_ = EntryBuffer{};
    main_.at("List6").lines = {U"*ホームラン*"};
    status(U"リーグ名を選択して下さい。");
}

void MainWindow::optbox_disp2() {
    set_team_buttons(entry_.ent_league);
    enable_league_buttons();
}

void MainWindow::optbox_clear() {
    for (const char* name : {"Option1", "Option2", "Option4", "Option5", "Option3"})
        for (Control* c : main_.array(name)) c->enabled = false;
}

void MainWindow::entry_league_click(int index) {
    if (index + 1 != entry_.ent_league) dat_init();
    entry_.ent_league = index + 1;
    main_.at("Text4").text = league_name(entry_.ent_league);
    status(U"先攻チーム名を選択して下さい。");
    set_team_buttons(entry_.ent_league);
    select_option("Option3", index);
    data_check();
}

void MainWindow::entry_team_click(const std::string& name, int index) {
    const bool first = name == "Option1" || name == "Option4";
    const int team = index + (name == "Option1" || name == "Option2" ? 1 : 7);
    int& mine = first ? entry_.ent_first : entry_.ent_second;
    const int other = first ? entry_.ent_second : entry_.ent_first;
    const int previous = mine;
    const std::array<std::string, 2> boxes = first ? std::array<std::string, 2>{"Text9", "Text12"}
                                                   : std::array<std::string, 2>{"Text10", "Text13"};
    select_option(name, index);
    mine = team;
    if (team == other) {
        services_.message(U"先攻、後攻が同一チームです。");
        if (previous != 0) {
            mine = previous;
            select_option(name, previous - (previous > 6 ? 7 : 1));
        }
        for (const std::string& box : boxes) main_.at(box).text = season_->clubs.team_short(mine);
        return;
    }
    for (const std::string& box : boxes) main_.at(box).text = season_->clubs.team_short(team);
    if (other != 0) {
        if (entry_.ent_meet != 0) {
            status(kClickBoxes);
        } else {
            status(kAskMeeting);
            entry_.meet_wait = 1;
        }
    } else if (name == "Option2") {
        status(U"先攻チームを入力して下さい。");
    } else if (name == "Option5") {
        status(U"先攻ームを入力して下さい。");
    } else {
        status(U"後攻ームを入力して下さい。");
    }
    entry_.hr_list.clear();
    entry_.hr_state = 0;
    data_check();
    // A new pair with a meeting already given must not file a meeting that is stored the other
    // way round: the same check as when the meeting number is typed.
    if (other != 0 && entry_.ent_meet != 0 && team != previous) already_filed_check();
}

void MainWindow::choose_target(KeyTarget target, const Text& prompt) {
    entry_.key_target = target;
    main_.at("List1").visible = false;
    status(prompt);
}

void MainWindow::restart_innings(bool first) {
    (first ? entry_.ent_first_inn : entry_.ent_second_inn).clear();
    (first ? entry_.ent_first_sum : entry_.ent_second_sum) = 0;
    for (Control* c : main_.array(first ? "Text6" : "Text15")) c->text.clear();
    main_.at(first ? "Text14" : "Text17").text = Text(1, U'0');
    main_.at("List5").visible = false;
    draw_homerun_list();
    optbox_disp2();
}

void MainWindow::entry_box_click(const std::string& box, int) {
    if (entry_mode_ != 1) return;
    if (box == "Text7") return choose_target(KeyTarget::first_runs, U"先攻チームの得点を入力して下さい。");
    if (box == "Text8") return choose_target(KeyTarget::second_runs, U"後攻チームの得点を入力して下さい。");
    if (box == "Text6" || box == "Text15") {
        const bool first = box == "Text6";
        choose_target(first ? KeyTarget::first_innings : KeyTarget::second_innings,
                      first ? U"先攻チームの各回の得点を入力して下さい。" : U"後攻チームの各回の得点を入力して下さい。");
        return restart_innings(first);
    }
    if (box == "Text5" || box == "Label1") {
        entry_.ent_attend.clear();
        main_.at("Text5").text.clear();
        return choose_target(KeyTarget::attendance, U"このカードの観客数を入力して下さい。");
    }
    if (box == "Text18") return choose_target(KeyTarget::month, U"対戦月を入力して下さい。");
    if (box == "Text19") return choose_target(KeyTarget::day, U"対戦日を入力して下さい。");
    if (box == "Text2") return open_pitcher_list(KeyTarget::first_pitcher);
    if (box == "Text3") return open_pitcher_list(KeyTarget::second_pitcher);
    if (box == "Text16") return open_pitcher_list(KeyTarget::save_pitcher);
    if (box == "Text9" || box == "Text10") {
        const Text prompt = entry_.ent_league == 0 ? U"リーグを先に選択して下さい。"
                            : box == "Text9"      ? U"先攻チーム名を選択して下さい。"
                                                  : U"後攻チーム名を選択して下さい。";
        return choose_target(KeyTarget::none, prompt);
    }
    if (box == "Text4") {
        choose_target(KeyTarget::none, U"リーグ名を選択して下さい。");
        const int league = view_.view_league == 1 ? 1 : 2;
        set_team_buttons(league);
        select_option("Option3", league - 1);
        enable_league_buttons();
        return;
    }
    if (box == "Text11" || box == "Label3") {
        entry_.meet_wait = 1;
        choose_target(KeyTarget::none, U"このカードの対戦回数を入力して下さい。");
    }
}

void MainWindow::show_innings(bool first) {
    const Text& cells = first ? entry_.ent_first_inn : entry_.ent_second_inn;
    const auto boxes = main_.array(first ? "Text6" : "Text15");
    for (int i = 0; i < 15; ++i) boxes[i]->text = mid(cells, 2 * i + 1, 2);
    main_.at(first ? "Text14" : "Text17").text = plain_num(first ? entry_.ent_first_sum : entry_.ent_second_sum);
}

void MainWindow::show_weekday() {
    main_.at("Text20").text = weekday_name_of(season_->disp_year, entry_.ent_month, entry_.ent_day);
}

void MainWindow::command4_sub(int k) {
    EntryBuffer& e = entry_;
    if (e.key_target == KeyTarget::first_runs || e.key_target == KeyTarget::second_runs) {
        const bool first = e.key_target == KeyTarget::first_runs;
        (first ? e.ent_first_runs : e.ent_second_runs) = k;
        main_.at(first ? "Text7" : "Text8").text = plain_num(k);
        e.key_target = KeyTarget::none;
        status(kClickBoxes);
    }
    if (e.meet_wait == 1 && k >= 1 && k <= kMeetings) {
        e.ent_meet = k;
        e.meet_wait = 0;
        main_.at("Text11").text = plain_num(k);
        if (e.ent_first != 0 && e.ent_second != 0) already_filed_check();
    }
    if (e.key_target == KeyTarget::attendance) {
        e.ent_attend += plain_num(k);
        main_.at("Text5").text = e.ent_attend;
        if (e.ent_attend.size() == 5) e.key_target = KeyTarget::none;
        status(kClickBoxes);
    }
    if (e.key_target == KeyTarget::first_innings || e.key_target == KeyTarget::second_innings) {
        const bool first = e.key_target == KeyTarget::first_innings;
        Text& cells = first ? e.ent_first_inn : e.ent_second_inn;
        if (k == 32) {
            cells += U" X";
        } else {
            cells += right_num(k, 2);
            (first ? e.ent_first_sum : e.ent_second_sum) += k;
        }
        if (cells.size() >= 30) e.key_target = KeyTarget::none;
        show_innings(first);
        status(kClickBoxes);
    }
    if (e.key_target == KeyTarget::day) {
        e.key_target = KeyTarget::none;
        if (k == 0 || k == 32) return status(kClickBoxes);
        if (k == 31 && has_no_31st(e.ent_month)) {
            services_.message(num_text(e.ent_month) + U"月には３１日は有りません。");
            e.ent_day = 0;
            main_.at("Text19").text.clear();
            main_.at("Text20").text.clear();
            return status(kClickBoxes);
        }
        main_.at("Text19").text = right_num(k, 2);
        e.ent_day = k;
        if (e.ent_month >= 1) show_weekday();
        status(kClickBoxes);
    }
}

void MainWindow::entry_month_click(int month) {
    if (entry_.key_target == KeyTarget::month) {
        entry_.key_target = KeyTarget::none;
        if (has_no_31st(month) && entry_.ent_day == 31) {
            services_.message(plain_num(month) + U"月には３１日は有りません。");
            entry_.ent_month = 0;
            main_.at("Text18").text.clear();
            main_.at("Text20").text.clear();
            status(kClickBoxes);
        } else if (month >= 3 && month <= 10) {
            main_.at("Text18").text = right_num(month, 2);
            entry_.ent_month = month;
            if (entry_.ent_day >= 1) show_weekday();
            status(kClickBoxes);
        }
    }
    data_check();
}

void MainWindow::draw_homerun_list() {
    Control& list = main_.at("List6");
    // While the batter list is open, the batter just chosen stands under his club until filed.
    std::optional<PendingBatter> pending;
    if (main_.at("List5").visible && !entry_.hr_batter.empty()) pending = PendingBatter{entry_.hr_batter, entry_.hr_side == 1};
    if (entry_.ent_first != 0 && entry_.ent_second != 0)
        list.lines = game_homerun_lines(entry_.ent_first, entry_.ent_second, entry_.hr_list, pending, season_->clubs);
    else
        list.lines = {U"*ホームラン*"};
}

void MainWindow::data_check() {
    if (entry_mode_ != 1) return;
    const EntryBuffer& e = entry_;
    const bool tie = e.ent_first_runs == e.ent_second_runs;
    const bool complete = e.ent_league != 0 && e.ent_first != 0 && e.ent_second != 0 &&
                          e.ent_first_runs != kRunsNotEntered && e.ent_second_runs != kRunsNotEntered &&
                          (!e.ent_first_picher.empty() || tie) && (!e.ent_second_picher.empty() || tie) &&
                          e.ent_meet != 0 && !e.ent_attend.empty() && !e.ent_first_inn.empty() &&
                          !e.ent_second_inn.empty() && e.ent_month != 0 && e.ent_day != 0;
    Control& ret = main_.at("Command1");
    ret.enabled = complete;
    ret.back_color = complete ? kHighlight : kDefaultColor;
    draw_homerun_list();
}

void MainWindow::dat_renew() {
    const EntryBuffer& e = entry_;
    main_.at("Text2").text = e.ent_first_picher;
    main_.at("Text3").text = e.ent_second_picher;
    main_.at("Text16").text = e.ent_save_picher;
    main_.at("Text5").text = e.ent_attend;
    for (const char* box : {"Text7", "Text14"}) main_.at(box).text = plain_num(e.ent_first_runs);
    for (const char* box : {"Text8", "Text17"}) main_.at(box).text = plain_num(e.ent_second_runs);
    main_.at("Text4").text = league_name(e.ent_league);
    for (const char* box : {"Text9", "Text12"}) main_.at(box).text = season_->clubs.team_short(e.ent_first);
    for (const char* box : {"Text10", "Text13"}) main_.at(box).text = season_->clubs.team_short(e.ent_second);
    main_.at("Text11").text = plain_num(e.ent_meet);
    main_.at("Text18").text = right_num(e.ent_month, 2);
    main_.at("Text19").text = right_num(e.ent_day, 2);
    for (bool first : {true, false}) {
        const Text& cells = first ? e.ent_first_inn : e.ent_second_inn;
        const auto boxes = main_.array(first ? "Text6" : "Text15");
        for (int i = 0; i < 15; ++i) boxes[i]->text = mid(cells, 2 * i + 1, 2);
    }
    for (const std::string& name : kTeamButtons) select_option(name, -1);
    const bool central = e.ent_first <= 6;
    select_option(central ? "Option1" : "Option4", e.ent_first - (central ? 1 : 7));
    select_option(central ? "Option2" : "Option5", e.ent_second - (central ? 1 : 7));
}

}  // namespace tev::ui
