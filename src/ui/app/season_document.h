// The season document: the one owner of the season shown (games, score list, pitcher, home-run
// and history tables, club names), the settings, the year's file names and every table derived
// from the season (standings, tallies, streaks, inning totals, the cumulative records). It
// replaces the season as a whole on a year switch, runs the rebuild chains after the games change
// and keeps the window's save session, speaking only through its listener. The presenters read it; only it writes the year's files.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/homeruns/homerun_cum.h"
#include "core/pitchers/pitcher_cum.h"
#include "core/settings/settings.h"
#include "core/stats/interleague_ranking.h"
#include "core/stats/inning_totals.h"
#include "core/stats/standings.h"
#include "core/stats/streaks.h"
#include "core/stats/tallies.h"
#include "core/store/entry_journal.h"
#include "core/store/save_journal.h"
#include "core/store/season.h"
#include "core/text/data_file.h"
#include "ui/app/document_listener.h"
#include "ui/app/modes.h"
#include "ui/app/pending_games.h"
#include "ui/app/undo_history.h"
#include "ui/app/save_session.h"

namespace tev::ui {

class SeasonDocument {
public:
    SeasonDocument(std::filesystem::path dir, Modes& modes, DocumentListener& listener);
    ~SeasonDocument();

    const std::filesystem::path& dir() const { return dir_; }
    Season& season() { return *season_; }
    const Season& season() const { return *season_; }
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    // The file names of the year whose files are read and written now.
    const FileNames& files() const { return files_; }
    void use_files_of(const std::string& year);

    // Puts `next` in place of the season shown; returns the season it replaced.
    std::unique_ptr<Season> replace(std::unique_ptr<Season> next);

    // Derived tables of the season shown.
    const LeagueTable& standings(int league) const { return league == 1 ? central_ : pacific_; }
    const TeamTallies& tallies() const { return tallies_; }
    const Streaks& streaks() const { return *streaks_; }
    const InningTotals& inning_totals() const { return *innings_; }
    const PitcherCum& pitcher_cum() const { return pitcher_cum_.table; }
    const HomerunCumBuild& homerun_cum() const { return homerun_cum_.table; }

    // Games filed or deleted in memory and not yet saved.
    bool games_unsaved() const { return games_unsaved_; }
    void set_games_unsaved(bool unsaved) { games_unsaved_ = unsaved; }
    // Games filed with Return since the season was last saved (what quitting now would drop),
    // each kept in the year's entry journal until they are saved or let go.
    PendingGames& pending() { return pending_; }
    const PendingGames& pending() const { return pending_; }
    // `replaced`: the entry filed over a stored game (a re-filing).
    void note_game_filed(const JournalEntry& entry, bool replaced);
    // The next save of the games can be taken back with 元に戻す, named `what`.
    void name_next_change(const Text& what) { next_change_ = what; }
    const UndoHistory& undo_history() const { return undo_; }
    // The games of the last saved change put back and saved, every table rebuilt; false when the
    // save fails (the change then stays in the history).
    bool undo_last_change();
    // The games of a journal filed again into the season, pending as if typed again.
    Status restore_journal(const std::vector<JournalEntry>& entries);

    // The rebuild chains. `commit_games` (入力終了) and `rebuild_and_save` (データ削除, 元に戻す,
    // the import of a results table)
    // rebuild every table, save the year's files and the history, each step in the status line.
    void commit_games();
    void rebuild_and_save();

    // Reads the year's game, score-list and pitcher files (files()) into `into`, saying each step
    // in the status line; `into` is unchanged unless all three are sound.
    Status read_year_files(Season& into);

    // Single steps, for start-up and the year switch.
    void rebuild_league_tables();         // both standings tables
    void rebuild_standings_of(int league);
    void rebuild_team_tables();           // tallies, inning totals, streaks
    void clear_tallies() { tallies_ = TeamTallies{}; }
    void rebuild_tallies();
    void rebuild_streaks();
    void rebuild_inning_totals();
    void rebuild_homeruns();              // the home-run tables from the games, and their file
    bool save_season(bool let_events_run);  // false when the save failed (the user has been told)

    // History: checks whether the year's file can be read (ready, else unread), reads it (stale
    // when it ended early or is damaged beyond use), or rebuilds it from the games and writes it.
    void check_history_file();
    Status read_history_file();
    void rebuild_history();
    void rebuild_history_if_stale();

    // The cumulative records over the registered years: rebuilt when the games or the years
    // change, or on demand when they were built for another registration.
    void rebuild_pitcher_cum();
    void rebuild_homerun_cum();
    bool pitcher_cum_current() const { return pitcher_cum_.built_for == cum_registration(); }
    bool homerun_cum_current() const { return homerun_cum_.built_for == cum_registration(); }
    void registered_years_changed();

    // Club names: the year's club file read into the season (told, and the default names used,
    // when it cannot be); the writer of the file when the year has one to write.
    void read_year_clubs();
    std::optional<ItemWriter> club_file_to_write() const;
    // Makes `names` the season's and writes the club file; false (names unchanged) when it failed.
    bool change_club_names(const ClubNames& names);
    // The games of the year before the season's, when that year is registered and its files can
    // be read (nothing otherwise): its places are the last way the race and the interleague table
    // part clubs level on all else.
    std::unique_ptr<Season> previous_season() const;
    // The interleague meetings per pair set to `meetings` and the interleague file written at
    // once; false (the number as it was) when the file cannot be written.
    bool change_interleague_meetings(int meetings);
    bool club_file_refused() const { return club_file_refused_; }
    void set_club_file_refused(bool refused) { club_file_refused_ = refused; }

    // Settings: written and read back; false when they could not be written (told).
    bool remember_settings();

    // Every save of the year's files (the document's own and the year operations').
    SaveSession& saves() { return saves_; }

private:
    template <class Table>
    struct Cumulative {
        Table table;
        std::string built_for;  // the registration at the last build; empty: never built
        Text last_notes;        // what the user was last told was left out
    };

    // The tables a rebuild chain rebuilds, one step each, in the chain's order.
    enum class Rebuild {
        score_list, pitcher_tables, standings, save, tallies, pitcher_cum, history, inning_totals, streaks,
        homeruns, homerun_cum,
    };
    struct ChainStep {
        Rebuild what;
        bool let_events_run;  // window events run before the step builds
    };

    void step(const Text& status, bool let_events_run) { listener_.progress(status, let_events_run); }
    void run_chain(std::initializer_list<ChainStep> chain);
    void run_step(Rebuild what, bool let_events_run);
    std::unique_ptr<StoredGames> games_on_disk() const;

    void rebuild_pitcher_tables(bool let_events_run);
    std::string cum_registration() const;
    void tell_left_out(const Text& what, const std::vector<Text>& notes, Text& last_told);
    void tell_games_left_out_of_history();

    std::filesystem::path dir_;
    Modes& modes_;
    DocumentListener& listener_;
    std::unique_ptr<Season> season_;
    Settings settings_;
    FileNames files_;
    LeagueTable central_{}, pacific_{};
    TeamTallies tallies_{};
    std::unique_ptr<Streaks> streaks_;
    std::unique_ptr<InningTotals> innings_;
    Cumulative<PitcherCum> pitcher_cum_;
    Cumulative<HomerunCumBuild> homerun_cum_;
    bool games_unsaved_ = false;
    UndoHistory undo_;
    Text next_change_;  // what the next save of the games is, for the undo history
    bool club_file_refused_ = false;  // saves leave the year's club file alone until names are set
    SaveSession saves_;
    PendingGames pending_;
    // "year team opp meet month/day" of each game already named in a left-out message.
    std::set<std::string> told_left_out_;
};

}  // namespace tev::ui
