// Game entry: データ入力 turns the input panel into a form whose values are given by clicking a
// box and pressing the keypad, a month button or a pick-list row; "Return" files the game into the
// season in memory, a game already filed is offered for re-filing, the pitchers come from pick
// lists of the season's pitchers (or are typed), the home runs are picked batter and pitcher, and
// 入力終了 ends entry, saves the season and rebuilds every table.
#pragma once

#include <string>

#include "ui/app/presenter.h"
#include "ui/entry/entry_buffer.h"

namespace tev::ui {

class EntryPresenter : public Presenter {
public:
    explicit EntryPresenter(const Context& context) : Presenter(context) {}

    void bind() override;
    // A new year is created: entry opens at once.
    void on_year_created() override { mnudat_in_Click(); }
    // A season opened: games a run cut off before they were saved are offered back.
    void on_season_opened() override { offer_journal(); }
    // The interleague choice is offered for a year of interleague play only.
    void on_club_names_changed() override { panel_.offer_interleague(season().interleague_meetings > 0); }

    const EntryBuffer& buffer() const { return entry_; }
    // Saves the games filed and not yet saved: entry ends as with 入力終了, or, after a save that
    // failed, the commit runs again.
    void save_pending_games();

private:
    // The form (entry_form.cpp).
    void mnudat_in_Click();
    void start_new_game();
    void entry_league_click(int index);
    void entry_team_click(const std::string& name, int index);
    void entry_box_click(const std::string& box);
    void choose_target(KeyTarget target, const Text& prompt);
    void restart_innings(bool first);
    void key_pressed(int k);
    void entry_month_click(int month);
    void offer_filing();
    void draw_homerun_list();
    void show_buffer();
    void offer_entry_buttons();
    void offer_team_buttons();
    int last_meeting() const;
    void show_innings(bool first);
    void show_weekday();

    // The entry journal found at a start or a year read (entry_journal_offer.cpp).
    void offer_journal();
    void tell_damaged_journal(const Error& error);

    // Filing and the commit (entry_filing.cpp).
    void already_filed_check();
    void load_stored_game(const Text& game);
    void Command1_Click();
    void Command12_MouseDown();
    void Command12_Click();

    // The pitchers' pick lists (pitcher_entry.cpp).
    void open_pitcher_list(KeyTarget target);
    void show_pitcher_list();
    void pitcher_choice_click();
    void choose_pitcher(const Text& row);
    bool name_can_be_stored(const Text& name);

    // Home runs (homerun_entry.cpp).
    void List6_Click();
    void List5_Click();
    void start_homerun(int row);
    void delete_homerun_record(const Text& row);
    void end_homerun_input();
    void choose_homerun_pitcher(const Text& row);
    void note_homerun_choice();
    void reset_homerun_choice();
    void show_batter_list();
    int hitting_team() const;
    void file_homerun();

    EntryBuffer entry_;
    std::string journal_told_;  // the year whose damaged journal was already told this run
};

}  // namespace tev::ui
