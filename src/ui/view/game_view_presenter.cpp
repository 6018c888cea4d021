#include "ui/view/game_view_presenter.h"

#include "core/homeruns/game_homerun_list.h"
#include "core/stats/detail_lines.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/calendar.h"
#include "core/text/fixed_width.h"

namespace tev::ui {

namespace {

const std::vector<std::string> kFirstBoxes = {"Text6", "Text2", "Text7", "Text9", "Text12", "Text14"};
const std::vector<std::string> kSecondBoxes = {"Text15", "Text3", "Text8", "Text10", "Text13", "Text17"};
const std::vector<std::string> kTooltipBoxes = {"Text2", "Text3", "Text9", "Text10", "Text16"};

}  // namespace

void GameViewPresenter::bind() {
    // The view answers the input panel's buttons last: entry, the inning totals and the as-of
    // calendar claim them first in their own modes.
    main_.claim("Option3", Event::click, [this](int i) {
        Option3_Click(i);
        return true;
    });
    for (const char* name : {"Option1", "Option2", "Option4", "Option5"})
        main_.claim(name, Event::click, [this, name](int i) {
            team_option_click(name, i);
            return true;
        });
    main_.claim("Command4", Event::click, [this](int i) {
        if (!modes_.rebuilding) show_meeting(i);  // keypad presses wait for the rebuild
        return true;
    });
    main_.claim("Command2", Event::click, [this](int month) {
        Command2_Click(month);
        return true;
    });
    on_click("Command3", [this](int) { Command3_Click(); });
    on_click("Command11", [this](int) { Command11_Click(); });
    on_click("List2", [this](int) { List2_Click(); });
    on_click("mnudat_del", [this](int) { mnudat_del_Click(); });
    for (const char* box : {"Text2", "Text3", "Text16"})
        main_.on(box, Event::mouse_move, [this, box](int) { pitcher_tooltip(box); });
    for (const char* box : {"Text9", "Text10"})
        main_.on(box, Event::mouse_move, [this, box](int) { team_tooltip(box); });
    main_.on(kFormName, Event::mouse_move, [this](int) { Form_MouseMove(); });
}

// ---- the game shown ----

ViewedGame& GameViewPresenter::viewed(int league) {
    if (league == kInterleagueChoice) return view_.interleague;
    return league == 1 ? view_.central : view_.pacific;
}

const Text& GameViewPresenter::stored_game(int league, Slot slot) const {
    return league == kInterleagueChoice ? season().interleague_at(slot) : season().game_at(slot);
}

int GameViewPresenter::home_club(int league, Slot slot) const {
    return league == kInterleagueChoice ? interleague_home(slot) : home_team(slot);
}

void GameViewPresenter::show_first_games() {
    const auto first_game = [this](int first_team, int last_team) -> std::optional<Slot> {
        std::optional<Slot> found;
        for_each_game(season(), first_team, last_team, [&](Slot slot, const Text&) {
            if (!found) found = slot;
        });
        return found;
    };
    std::optional<Slot> interleague;
    for_each_interleague_game(season(), [&](Slot slot, const Text&) {
        if (!interleague) interleague = slot;
    });
    const std::optional<Slot> pacific = first_game(7, 12);
    const std::optional<Slot> central = first_game(1, 6);
    if (!pacific && !central && !interleague) {
        status(U"データーが登録されていません");
        return;
    }
    const Slot c = central.value_or(Slot{1, 2, 1});
    const Slot p = pacific.value_or(Slot{7, 2, 1});
    const Slot i = interleague.value_or(Slot{1, 1, 1});
    view_.central = ViewedGame{central.has_value(), c.team, c.opp, c.meet};
    view_.pacific = ViewedGame{pacific.has_value(), p.team, p.opp, p.meet};
    view_.interleague = ViewedGame{interleague.has_value(), i.team, i.opp, i.meet};
    const int league = central ? 1 : pacific ? 2 : kInterleagueChoice;
    select_viewed_clubs(league);
    modes_.shown_league = league;
    const ViewedGame& shown = viewed(league);
    show_game(league, Slot{shown.team, shown.opp, shown.meet});
    offer_league_buttons();
}

void GameViewPresenter::select_viewed_clubs(int league) {
    if (league != kInterleagueChoice) {
        select_option("Option1", view_.central.team - 1);
        select_option("Option2", view_.central.opp - 1);
        select_option("Option4", view_.pacific.team - 7);
        select_option("Option5", view_.pacific.opp - 1);
        return;
    }
    // One club in each league's frames: the visitors' frame of its league, the home frame of the other.
    const ViewedGame& game = view_.interleague;
    const bool central_first = game.team <= 6;
    select_option("Option1", central_first ? game.team - 1 : -1);
    select_option("Option4", central_first ? -1 : game.team - 7);
    select_option("Option2", central_first ? -1 : game.opp - 1);
    select_option("Option5", central_first ? game.opp - 1 : -1);
}

void GameViewPresenter::show_game(int league, Slot slot) {
    const Text& game = stored_game(league, slot);
    shown_slot_ = slot;
    shown_slot_league_ = league;
    const int first = slot.team;
    const int second = home_club(league, slot);
    const GameFields f = parse_game(game);
    const ClubNames& clubs = season().clubs;
    const auto set = [this](const std::string& name, const Text& text, int index = -1) {
        main_.at(name, index).text = text;
    };
    set("Text9", clubs.team_short(first));
    set("Text12", clubs.team_short(first));
    set("Text10", clubs.team_short(second));
    set("Text13", clubs.team_short(second));
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
    set("Text20", weekday_name_of(season().disp_year, f.month, f.day));
    main_.at("List6").lines = game_homerun_lines(first, second, f.hr_records, std::nullopt, clubs);

    const Text r1 = mid(game, 1, 2), r2 = mid(game, 3, 2);
    const Color first_color = r1 > r2 ? kRed : (r1 < r2 ? kBlue : kBlack);
    const Color second_color = r2 > r1 ? kRed : (r2 < r1 ? kBlue : kBlack);
    for (const std::string& name : kFirstBoxes)
        for (Control* c : main_.array(name)) c->fore_color = first_color;
    for (const std::string& name : kSecondBoxes)
        for (Control* c : main_.array(name)) c->fore_color = second_color;
}

void GameViewPresenter::show_league(int league) {
    modes_.shown_league = league;
    select_viewed_clubs(league);
    show_meeting(viewed(league).meet);
    panel_.set_team_buttons(league);
    select_option("Option3", league - 1);
}

void GameViewPresenter::offer_league_buttons() {
    panel_.set_team_buttons(modes_.shown_league);
    panel_.enable_league_buttons();
    select_option("Option3", modes_.shown_league - 1);
}

void GameViewPresenter::Option3_Click(int index) {
    if (modes_.report_open || modes_.date_mode) return;
    hide_year_list();
    if (index == 0 && view_.central.any) show_league(1);
    if (index == 1 && view_.pacific.any) show_league(2);
    if (index == kInterleagueChoice - 1 && view_.interleague.any) show_league(kInterleagueChoice);
}

void GameViewPresenter::team_option_click(const std::string& name, int index) {
    if (modes_.report_open || modes_.date_mode) return;
    hide_year_list();
    if (modes_.shown_league == kInterleagueChoice) return interleague_option_click(name, index);
    if (name == "Option1" && view_.central.any) {
        select_option(name, index);
        view_.central.team = index + 1;
        show_meeting(view_.central.meet);
    } else if (name == "Option2") {
        select_option(name, index);
        view_.central.opp = index + 1;
    } else if (name == "Option4" && view_.pacific.any) {
        select_option(name, index);
        view_.pacific.team = index + 7;
        show_meeting(view_.pacific.meet);
    } else if (name == "Option5") {
        select_option(name, index);
        view_.pacific.opp = index + 1;
    }
}

void GameViewPresenter::interleague_option_click(const std::string& name, int index) {
    ViewedGame& game = view_.interleague;
    const int team = index + (name == "Option1" || name == "Option2" ? 1 : 7);
    if (name == "Option1" || name == "Option4") {
        // The home club keeps its place in the other league's frame.
        game.team = team;
        select_viewed_clubs(kInterleagueChoice);
        return show_meeting(game.meet);
    }
    // A home club of the visitors' own league makes no interleague pair.
    if (league_of(team) == league_of(game.team)) return;
    game.opp = index + 1;
    select_viewed_clubs(kInterleagueChoice);
}

void GameViewPresenter::show_meeting(int k) {
    hide_year_list();
    const int league = modes_.shown_league;
    if (modes_.report_open || modes_.rebuilding || league == 0) return;
    status(Text());
    if (modes_.date_mode) {
        if (k < 1 || k > 31) return;
        view_.date_day = k;
        if (view_.date_month >= 1) day_cards();
        return;
    }
    const int last = league == kInterleagueChoice ? kMostInterleagueMeetings : kMeetings;
    if (k < 1 || k > last) return;
    ViewedGame& chosen = viewed(league);
    Slot slot{chosen.team, chosen.opp, k};
    if (stored_game(league, slot).empty()) {
        // The meeting may be filed the other way round: the other club batting first.
        const int home = home_club(league, slot);
        slot = Slot{home, league_index(slot.team), k};
    }
    if (stored_game(league, slot).empty()) {
        services_.message(season().clubs.team_name(slot.team) + U" VS " + season().clubs.team_name(home_club(league, slot)) +
                          U"の " + num_text(k) + U" 回戦のデータはありません ");
        return;
    }
    chosen.team = slot.team;
    chosen.opp = slot.opp;
    chosen.meet = k;
    show_game(league, slot);
}

// ---- date mode ----

void GameViewPresenter::Command3_Click() {
    if (modes_.report_open || modes_.entering || modes_.shown_league == 0) return;
    if (modes_.date_mode) return leave_date_mode();
    modes_.date_mode = true;
    main_.at("Command3").caption = U"対戦日";
    panel_.disable_team_choice();
    panel_.set_colors({"Command2"}, kHighlight);
    main_.at("Command11").back_color = kDefaultColor;
    main_.at("Command11").enabled = false;
}

void GameViewPresenter::leave_date_mode() {
    modes_.date_mode = false;
    offer_league_buttons();
    main_.at("Command3").caption = U"対戦回";
    main_.at("List2").visible = false;
    panel_.set_colors({"Command2"}, kDefaultColor);
    main_.at("Command11").back_color = kHighlight;
    main_.at("Command11").enabled = true;
}

void GameViewPresenter::Command2_Click(int month) {
    hide_year_list();
    if (modes_.report_open) return;
    if (modes_.date_mode) {
        view_.date_month = month;
        panel_.set_colors({"Command2"}, kHighlight);
        main_.at("Command2", month).back_color = kRed;
        if (view_.date_day >= 1) day_cards();
    }
}

void GameViewPresenter::day_cards() {
    if (modes_.entering) {
        services_.beep();
        return;
    }
    Control& list2 = main_.at("List2");
    list2.visible = true;
    list2.lines = day_card_lines(season(), view_.date_month, view_.date_day);
}

void GameViewPresenter::List2_Click() {
    main_.at("List2").visible = false;
    if (modes_.date_mode) leave_date_mode();
}

// ---- the reports open and close ----

void GameViewPresenter::Command11_Click() {
    if (modes_.report_open || modes_.entering || modes_.shown_league == 0 || modes_.date_mode) return;
    hide_year_list();
    main_.at("List1").lines.clear();
    status(Text());
    panel_.disable_team_choice();
    panes_.paint_report_buttons(true);
    Control& data = main_.at("Command11");
    data.enabled = false;
    data.back_color = kDefaultColor;
    main_.at("Command3").back_color = kDefaultColor;
    for (Control* key : main_.array("Command4"))
        if (key->index >= 1 && key->index <= 31) key->back_color = kDefaultColor;
    main_.at("Command7").focused = true;
    modes_.report_open = true;
}

void GameViewPresenter::on_views_closed() {
    // The game view comes back with the game last shown and its league's buttons.
    if (modes_.shown_league == 0) return;
    offer_league_buttons();
    select_viewed_clubs(modes_.shown_league);
    if (shown_slot_ && !stored_game(shown_slot_league_, *shown_slot_).empty()) show_game(shown_slot_league_, *shown_slot_);
}

// ---- tool tips ----

void GameViewPresenter::Form_MouseMove() {
    // A tool tip is computed once per visit: at the first movement over a box after the mouse
    // has crossed the window's background.
    for (const std::string& box : kTooltipBoxes) {
        main_.at(box).tooltip.clear();
        tooltips_armed_.insert(box);
    }
}

void GameViewPresenter::pitcher_tooltip(const std::string& box) {
    if (modes_.entering || tooltips_armed_.erase(box) == 0) return;
    Control& control = main_.at(box);
    const Text name = trim_both(control.text);
    if (name.empty() || modes_.shown_league == 0) return;
    const int league = modes_.shown_league;
    const PitcherTable& table = league == 1 ? season().pitcher_c : league == 2 ? season().pitcher_p : season().pitcher_all;
    for (int r = 0; r < kPitcherRows && !table[r].key.empty(); ++r) {
        const PitcherRow& row = table[r];
        if (trim_both(mid(row.key, 3, 10)) != name) continue;
        control.tooltip = num_text(r + 1) + U"）  " + num_text(row.wins) + U"勝  " + num_text(row.losses) + U"敗  " +
                          num_text(row.saves) + U"Ｓ  " +
                          season().clubs.team_name(static_cast<int>(number_or_zero(mid(row.key, 1, 2))));
        return;
    }
}

void GameViewPresenter::team_tooltip(const std::string& box) {
    const int league = modes_.shown_league;
    if (modes_.entering || tooltips_armed_.erase(box) == 0 || league == 0) return;
    const ViewedGame& chosen = viewed(league);
    const Slot slot{chosen.team, chosen.opp, chosen.meet};
    const int team = box == "Text9" ? chosen.team : home_club(league, slot);
    for (const StandingRow& row : document_.standings(league_of(team))) {
        if (row_club(row) != league_index(team)) continue;
        main_.at(box).tooltip = plain_num(row_games(row)) + U"試合） " + plain_num(row_wins(row)) + U"勝） " +
                                plain_num(row_losses(row)) + U"敗） " + plain_num(row_draws(row)) + U"分） " +
                                row_pct(row);
    }
}

}  // namespace tev::ui
