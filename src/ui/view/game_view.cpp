// The game view: outside entry mode and the reports, the input panel shows one stored game,
// chosen with the league and team buttons and the keypad, or lists a day's match cards.
#include "core/homeruns/game_homerun_list.h"
#include "core/stats/detail_lines.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/calendar.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

const std::vector<std::string> kFirstBoxes = {"Text6", "Text2", "Text7", "Text9", "Text12", "Text14"};
const std::vector<std::string> kSecondBoxes = {"Text15", "Text3", "Text8", "Text10", "Text13", "Text17"};

}  // namespace

void MainWindow::select_option(const std::string& name, int index) {
    for (Control* c : main_.array(name)) c->value = c->index == index;
}

void MainWindow::set_team_buttons(int league) {
    for (const char* name : {"Option1", "Option2"})
        for (Control* c : main_.array(name)) c->enabled = league == 1;
    for (const char* name : {"Option4", "Option5"})
        for (Control* c : main_.array(name)) c->enabled = league == 2;
}

void MainWindow::Disp_Data(int team, int opp, int meet) {
    const Text& game = season_->game_at(team, opp, meet);
    shown_slot_ = Slot{team, opp, meet};
    const int first = team;
    const int second = team_of(league_of(team), opp);
    const GameFields f = parse_game(game);
    const auto set = [this](const std::string& name, const Text& text, int index = -1) {
        main_.at(name, index).text = text;
    };
    set("Text9", season_->clubs.team_short(first));
    set("Text12", season_->clubs.team_short(first));
    set("Text10", season_->clubs.team_short(second));
    set("Text13", season_->clubs.team_short(second));
    set("Text7", plain_num(f.first_runs));
    set("Text8", plain_num(f.second_runs));
    set("Text14", plain_num(f.first_runs));
    set("Text17", plain_num(f.second_runs));
    for (int i = 0; i < 15; ++i) {
        set("Text6", inning_cell(game, true, i + 1), i);
        set("Text15", inning_cell(game, false, i + 1), i);
    }
    set("Text2", f.first_pitcher);
    set("Text3", f.second_pitcher);
    set("Text16", f.save_pitcher);
    set("Text5", f.attendance);
    set("Text18", mid(game, 105, 2));
    set("Text19", mid(game, 108, 2));
    set("Text20", weekday_name_of(season_->disp_year, f.month, f.day));
    main_.at("List6").lines = game_homerun_lines(first, second, f.hr_records, std::nullopt, season_->clubs);

    const Text r1 = mid(game, 1, 2), r2 = mid(game, 3, 2);
    const Color first_color = r1 > r2 ? kRed : (r1 < r2 ? kBlue : kBlack);
    const Color second_color = r2 > r1 ? kRed : (r2 < r1 ? kBlue : kBlack);
    for (const std::string& name : kFirstBoxes)
        for (Control* c : main_.array(name)) c->fore_color = first_color;
    for (const std::string& name : kSecondBoxes)
        for (Control* c : main_.array(name)) c->fore_color = second_color;
}

void MainWindow::show_league(int league) {
    view_.view_league = league;
    show_meeting(league == 1 ? view_.view_c_meet : view_.view_p_meet);
    set_team_buttons(league);
    select_option("Option3", league - 1);
}

void MainWindow::Option3_Click(int index) {
    if (report_on_ || view_.date_mode == 1) return;
    hide_year_list();
    if (entry_mode_ == 1) return entry_league_click(index);
    if (index == 0 && view_.view_c_has == 1) show_league(1);
    if (index == 1 && view_.view_p_has == 1) show_league(2);
}

void MainWindow::team_option_click(const std::string& name, int index) {
    if (kaiten_mode_) return show_inning_totals(index + (name == "Option4" ? 7 : 1));
    if (report_on_ || view_.date_mode == 1) return;
    hide_year_list();
    if (entry_mode_ == 1) return entry_team_click(name, index);
    if (name == "Option1" && view_.view_c_has == 1) {
        select_option(name, index);
        view_.view_c_team = index + 1;
        show_meeting(view_.view_c_meet);
    } else if (name == "Option2") {
        select_option(name, index);
        view_.view_c_opp = index + 1;
    } else if (name == "Option4" && view_.view_p_has == 1) {
        select_option(name, index);
        view_.view_p_team = index + 7;
        show_meeting(view_.view_p_meet);
    } else if (name == "Option5") {
        select_option(name, index);
        view_.view_p_opp = index + 1;
    }
}

void MainWindow::Command4_Click(int index) {
    if (recalc_busy_ == 1) return;  // keypad presses wait for the rebuild
    if (as_of_calendar_up()) return as_of_calendar(index, 0);
    if (entry_mode_ == 1) {
        command4_sub(index);
        return data_check();
    }
    show_meeting(index);
}

void MainWindow::show_meeting(int k) {
    hide_year_list();
    if (report_on_ || recalc_busy_ == 1 || view_.view_league == 0) return;
    status(Text());
    if (view_.date_mode == 1) {
        if (k < 1 || k > 31) return;
        view_.date_day = k;
        if (view_.date_month >= 1) day_cards();
        return;
    }
    if (k < 1 || k > kMeetings) return;
    const bool central = view_.view_league == 1;
    int t = central ? view_.view_c_team : view_.view_p_team;
    int o = central ? view_.view_c_opp : view_.view_p_opp;
    if (season_->game_at(t, o, k).empty()) {
        const int turned_t = central ? o : o + 6;
        const int turned_o = central ? t : t - 6;
        t = turned_t;
        o = turned_o;
    }
    if (season_->game_at(t, o, k).empty()) {
        services_.message(season_->clubs.team_name(t) + U" VS " + season_->clubs.team_name(team_of(view_.view_league, o)) + U"の " + num_text(k) +
                          U" 回戦のデータはありません ");
        return;
    }
    (central ? view_.view_c_team : view_.view_p_team) = t;
    (central ? view_.view_c_opp : view_.view_p_opp) = o;
    (central ? view_.view_c_meet : view_.view_p_meet) = k;
    Disp_Data(t, o, k);
}

void MainWindow::Command3_Click() {
    if (report_on_ || entry_mode_ == 1 || view_.view_league == 0) return;
    Control& button = main_.at("Command3");
    if (view_.date_mode == 0) {
        view_.date_mode = 1;
        button.caption = U"対戦日";
        optbox_clear();
        set_colors({"Command2"}, kHighlight);
        main_.at("Command11").back_color = kDefaultColor;
        main_.at("Command11").enabled = false;
    } else {
        view_.date_mode = 0;
        optbox_disp();
        button.caption = U"対戦回";
        main_.at("List2").visible = false;
        set_colors({"Command2"}, kDefaultColor);
        main_.at("Command11").back_color = kHighlight;
        main_.at("Command11").enabled = true;
    }
}

void MainWindow::optbox_disp() {
    set_team_buttons(view_.view_league);
    enable_league_buttons();
    select_option("Option3", view_.view_league - 1);
}

void MainWindow::enable_league_buttons() {
    for (Control* c : main_.array("Option3")) c->enabled = true;
}

void MainWindow::disable_league_choice() {
    main_.at("Frame5").enabled = false;
    for (Control* c : main_.array("Option6")) c->enabled = false;
}

void MainWindow::Command2_Click(int month) {
    hide_year_list();
    if (entry_mode_ == 1) return entry_month_click(month);
    if (as_of_calendar_up()) return as_of_calendar(-1, month);
    if (report_on_) return;
    if (view_.date_mode == 1) {
        view_.date_month = month;
        set_colors({"Command2"}, kHighlight);
        main_.at("Command2", month).back_color = kRed;
        if (view_.date_day >= 1) day_cards();
    }
}

void MainWindow::day_cards() {
    if (entry_mode_ == 1) {
        services_.beep();
        return;
    }
    Control& list2 = main_.at("List2");
    list2.visible = true;
    list2.lines = day_card_lines(*season_, view_.date_month, view_.date_day);
}

void MainWindow::List2_Click() {
    main_.at("List2").visible = false;
    if (view_.date_mode != 1) return;
    view_.date_mode = 0;
    optbox_disp();
    main_.at("Command3").caption = U"対戦回";
    set_colors({"Command2"}, kDefaultColor);
    main_.at("Command11").back_color = kHighlight;
    main_.at("Command11").enabled = true;
}

void MainWindow::Command11_Click() {
    if (report_on_ || entry_mode_ == 1 || view_.view_league == 0 || view_.date_mode == 1) return;
    hide_year_list();
    main_.at("List1").lines.clear();
    status(Text());
    optbox_clear();
    paint_report_buttons(true);
    Control& data = main_.at("Command11");
    data.enabled = false;
    data.back_color = kDefaultColor;
    main_.at("Command3").back_color = kDefaultColor;
    for (Control* key : main_.array("Command4"))
        if (key->index >= 1 && key->index <= 31) key->back_color = kDefaultColor;
    main_.at("Command7").focused = true;
    report_on_ = true;
}

void MainWindow::paint_report_buttons(bool usable) {
    for (const char* name : {"Command5", "Command6", "Command7", "Command8", "Command9", "Command10", "Command13",
                             "Command14", "Command15", "Command16", "Command17", "Command18"}) {
        Control& button = main_.at(name);
        button.enabled = usable;
        button.back_color = usable ? kHighlight : kDefaultColor;
    }
}

void MainWindow::Form_MouseMove() {
    // A tool tip is computed once per visit: at the first movement over a box after the mouse
    // has crossed the window's background.
    for (const char* box : {"Text2", "Text3", "Text9", "Text10", "Text16"}) {
        main_.at(box).tooltip.clear();
        tooltips_armed_.insert(box);
    }
}

void MainWindow::pitcher_tooltip(const std::string& box) {
    if (entry_mode_ == 1 || tooltips_armed_.erase(box) == 0) return;
    Control& control = main_.at(box);
    const Text name = trim_both(control.text);
    if (name.empty() || view_.view_league == 0) return;
    const PitcherTable& table = view_.view_league == 1 ? season_->pitcher_c : season_->pitcher_p;
    for (int r = 0; r < kPitcherRows && !table[r].key.empty(); ++r) {
        const PitcherRow& row = table[r];
        if (trim_both(mid(row.key, 3, 10)) != name) continue;
        control.tooltip = num_text(r + 1) + U"）  " + num_text(row.wins) + U"勝  " + num_text(row.losses) + U"敗  " +
                          num_text(row.saves) + U"Ｓ  " + season_->clubs.team_name(static_cast<int>(number_or_zero(mid(row.key, 1, 2))));
        return;
    }
}

void MainWindow::team_tooltip(const std::string& box) {
    if (entry_mode_ == 1 || tooltips_armed_.erase(box) == 0 || view_.view_league == 0) return;
    const bool central = view_.view_league == 1;
    const int team = box == "Text9" ? (central ? view_.view_c_team : view_.view_p_team)
                                    : team_of(view_.view_league, central ? view_.view_c_opp : view_.view_p_opp);
    const LeagueTable& table = central ? central_rec_ : pacific_rec_;
    for (const StandingRow& row : table) {
        if (row_club(row) != league_index(team)) continue;
        main_.at(box).tooltip = plain_num(row_games(row)) + U"試合） " + plain_num(row_wins(row)) + U"勝） " +
                                plain_num(row_losses(row)) + U"敗） " + plain_num(row_draws(row)) + U"分） " +
                                row_pct(row);
    }
}

}  // namespace tev::ui
