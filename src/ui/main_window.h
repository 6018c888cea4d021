// The main window model: the one owner of the season for the whole run, the state of every
// control, the mode flags, and every handler of the main window and its dialogs. It reaches the
// outside only through Services. The Qt view and the headless driver build it, call `start`,
// then forward user actions with `fire` and mirror the controls.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/settings/settings.h"
#include "core/stats/inning_totals.h"
#include "core/stats/report_pane.h"
#include "core/stats/standings.h"
#include "core/stats/standings_as_of.h"
#include "core/stats/streaks.h"
#include "core/stats/tallies.h"
#include "core/store/save_journal.h"
#include "core/store/season.h"
#include "core/text/data_file.h"
#include "ui/entry/entry_buffer.h"
#include "ui/history/history_ui_state.h"
#include "ui/homeruns/homerun_view_state.h"
#include "ui/pitchers/pitcher_view_state.h"
#include "ui/share/share_state.h"
#include "ui/view/game_view_state.h"
#include "ui/years/year_state.h"
#include "ui/shell/save_state.h"
#include "ui/shell/services.h"
#include "ui/window.h"

namespace tev::ui {

// Which report the pane List4 holds, so that a click on one of its lines can be read.
enum class ListView {
    none, standings, meeting_status, streaks, scoring, standings_as_of, pitchers, home_runs,
    race,        // the pennant race table
    race_as_of,  // the race table as of the day the as-of calendar shows
    race_detail, // the expanded records or a club's game log: only the closing line answers
};

class MainWindow {
public:
    MainWindow(std::filesystem::path dir, Services& services);
    ~MainWindow();

    // Program entry: the single-instance guard, the notice window and the load sequence. False
    // when the program ended itself (a second copy, or a fatal start-up failure) after its message.
    bool start();

    // True once the program has ended (fatal failure, refused instance, or quit confirmed).
    bool ended() const { return ended_; }

    Window& main() { return main_; }
    const Window& main() const { return main_; }
    Window& notice() { return notice_; }
    Window& dialog() { return dialog_; }
    Window& graph() { return graph_; }
    Window& summary() { return summary_; }
    Window& clubs() { return clubs_; }
    // The windows a user can act on, by name: "main", "notice", "dialog", "graph", "summary",
    // "clubs".
    Window* window(const std::string& name);
    std::vector<Window*> windows() { return {&main_, &notice_, &dialog_, &graph_, &summary_, &clubs_}; }

    // A request to close the main window from its frame or the system (Form_QueryUnload).
    void request_close();

    // The clock (Timer1): every 200 ms.
    void Timer1_Timer();

    // The mouse moved over the window's background: the input boxes' tool tips are cleared and
    // computed afresh at the next movement over each box.
    void Form_MouseMove();

    // State the tests and the driver read.
    const Season& season() const { return *season_; }
    const Settings& settings() const { return settings_; }
    const std::filesystem::path& dir() const { return dir_; }
    int disp_size() const { return disp_size_; }
    int history_state() const { return history_state_; }
    int recalc_busy() const { return recalc_busy_; }
    ListView list4_view() const { return list4_view_; }
    const GameViewState& game_view() const { return view_; }
    bool report_on_display() const { return report_on_; }
    bool inning_totals_shown() const { return kaiten_mode_; }
    AsOfDate as_of() const { return asof_; }
    int entry_mode() const { return entry_mode_; }
    const EntryBuffer& entry() const { return entry_; }
    int dat_changed() const { return dat_changed_; }
    const GraphState& graph_state() const { return hist_.graph; }
    const PitcherViewState& pitcher_view() const { return pitchers_; }
    const HomerunViewState& homerun_view() const { return homeruns_; }
    int home_ichi() const { return home_ichi_; }
    const ShareState& share() const { return share_; }

private:
    // Building the controls of each window.
    void build_main_window();
    void build_menus();
    void build_input_panel();
    void build_report_controls();
    void build_other_windows();
    void bind_handlers();

    // Start-up and shutdown.
    void Form_Load();
    void fatal(const Text& message, const Error* error = nullptr);
    void newdat_disp();
    void check_disp();
    void Form_QueryUnload();
    void mnuEndPrgItem_Click();
    void hide_year_list();

    // Help and version box.
    void mnuHowUseItem_Click();
    void mnuVerItem_Click();
    void dialog_Form_Load();
    void dialog_Command1_Click();

    // Viewing stored games.
    void Disp_Data(int team, int opp, int meet);
    void Option3_Click(int index);
    void team_option_click(const std::string& name, int index);
    void Command4_Click(int index);
    void show_meeting(int k);
    void Command3_Click();
    void Command2_Click(int month);
    void List2_Click();
    void Command11_Click();
    void optbox_disp();
    void enable_league_buttons();
    void disable_league_choice();
    void set_team_buttons(int league);
    void select_option(const std::string& name, int index);
    void show_league(int league);
    void day_cards();
    void pitcher_tooltip(const std::string& box);
    void team_tooltip(const std::string& box);

    // Game entry: the entry form.
    void mnudat_in_Click();
    void dat_init();
    void datbox_clear();
    void entry_league_click(int index);
    void entry_team_click(const std::string& name, int index);
    void entry_box_click(const std::string& box, int index);
    void choose_target(KeyTarget target, const Text& prompt);
    void restart_innings(bool first);
    void command4_sub(int k);
    void entry_month_click(int month);
    void data_check();
    void draw_homerun_list();
    void dat_renew();
    void optbox_disp2();
    void optbox_clear();
    void show_innings(bool first);
    void show_weekday();

    // Game entry: filing and committing.
    void already_filed_check();
    void load_stored_game(const Text& game);
    void Command1_Click();
    void Command12_MouseDown();
    void Command12_Click();
    void commit_chain();
    void step(const Text& text, bool process_events);

    // Game entry: the rebuild steps that the commit and the deletion share (ui/entry/
    // rebuild_steps.cpp). Each puts its text in the status line first and, when `events`, lets
    // pending window events run before it builds.
    void rebuild_score_list(bool events);
    void rebuild_pitcher_tables(bool events);
    void rebuild_standings(bool events);
    bool save_season(bool events);  // false when the save failed (the user has been told)
    void rebuild_cumulative_pitchers(bool events);
    void rebuild_history();
    void rebuild_innings(bool events);
    void rebuild_streaks(bool events);
    void rebuild_homeruns(bool events);
    void rebuild_cumulative_homeruns(bool events);

    // Game entry: deleting the game on display (ui/entry/game_delete.cpp).
    void mnudat_del_Click();
    bool deletion_blocked() const;
    void delete_chain();

    // Game entry: home runs.
    void bind_homerun_entry();
    void homerun_entry_file();  // Command19 in entry mode: files the home run in the buffer
    void run_homerun_make();    // rebuilds the season's home-run tables and writes their file
    void List6_Click();
    void List5_Click();
    void start_homerun(int row);
    void delete_homerun_record(const Text& row);
    void end_homerun_input();
    void choose_homerun_pitcher(const Text& row);
    void note_homerun_choice();
    void reset_homerun_choice();
    void disp_homebat();
    int hitting_team() const;

    // Game entry: pitchers.
    void open_pitcher_list(KeyTarget target);
    void disp_picher();
    void pitcher_choice_click();
    void choice_picher(const Text& row);
    bool name_can_be_stored(const Text& name);

    // Standings report and closing reports.
    void Command9_Click();
    void Command7_Click();
    void List4_Click(int line);
    void List1_Click();
    void show_detail(const std::vector<Text>& lines);

    // Team reports.
    void fill_report(const std::string& list, const std::string& label, const ReportPane& pane, Color caption_color);
    void show_list4_report(const ReportPane& pane, ListView view);
    void show_list1_report(const ReportPane& pane, Color caption_color, ListView view);
    void restore_keypad();
    void Command10_Click();
    void Command13_Click();
    void Command15_Click();
    void Command5_Click();
    void Command14_Click();
    void Command17_Click();
    void Command6_Click();
    void Command16_Click();
    void refresh_standings_as_of();
    void as_of_calendar(int command4_index, int month);
    bool as_of_calendar_up() const;  // the calendar steps the day of an as-of report
    void mnukaiten_Click();
    void show_inning_totals(int team);
    bool close_line_clicked(const std::string& list);
    void rebuild_team_tables();

    // Pitcher reports and cumulative pitcher records: ui/pitchers/.
    void bind_pitchers();
    void rebuild_pitcher_cum();  // rebuilds the cumulative pitcher tables over the registered years
    void Command8_Click();
    void Option6_Click(int index);
    void enable_league_choice(int index);
    void draw_pitcher_list(int league);
    void picher_team_item(int team, const Text& title);
    void picher_team();
    bool record_view_refused() const;
    void open_record_view();
    void mnusei_rui_Click();
    void draw_pitcher_cum(int league);
    void pitcher_list_click(int line);
    void close_pitcher_views();
    std::string cum_registration() const;
    void tell_left_out(const Text& what, const std::vector<Text>& notes, Text& last_told);

    // Home-run reports and cumulative home runs: ui/homeruns/ (home-run entry is in ui/entry/).
    void bind_homeruns();
    void Command19_Click();  // the side switch of a home-run report, else files a home run
    void rebuild_homerun_cum();  // rebuilds the cumulative home-run tables over the registered years
    void Command18_Click();
    void draw_homerun_league(int league);
    void show_side_switch();
    void homerun_team_item(int team, const Text& title);
    void homerun_team();
    void h_ruikei_Click();
    void draw_homerun_cum(int league, HrCumCaption how);
    void homerun_list_click(int line);
    void close_homerun_views();

    // Season history, the graph window and the past-years summary: ui/history/.
    void bind_history();
    void rireki_make();
    // The history file of the year on screen (names_): history_file_readable sets history_state_ 2 when it
    // can be read, else 0. read_history_file loads it (history_state_ 2, or 5 when it ended early or is
    // damaged); false when it could not: a missing file during a year switch (after its message,
    // history_state_ 0), else a fatal end. rebuild_history_if_needed runs rireki_make for 5.
    void history_file_readable();
    bool read_history_file(bool year_switch);
    void rebuild_history_if_needed();
    void tell_left_out_games();
    bool history_window_refused() const;
    void build_graph_window();
    void open_graph(int mode);
    void graph_Form_Load();
    void graph_Option1_Click(int index);
    void graph_Check1_Click(int index);
    void graph_HScroll1_Change();
    void graph_Form_Unload();
    void draw_league_graph(int first);
    void draw_club_line(int team);
    void graph_clear();
    void graph_dates();
    void build_summary_window();
    void mnuseedat_Click();
    bool summary_read_dat();
    void summary_Command1_Click();

    // Year files and the shared dialog's search mode: ui/years/.
    void bind_years();
    void mnuNewFileItem_Click();
    void mnuNewDatReadItem_Click();
    void mnudat_add_Click();
    void mnudatfile_del_Click();
    void List3_Click();
    bool year_menus_blocked() const;
    void show_year_list(std::vector<Text> items, const Text& prompt, YearOperation pending);
    void set_list3();
    void close_year_list();
    void new_year(const std::string& year);
    bool overwrite_confirmed(const std::string& year);
    bool old_year_files_removed(const std::string& year);
    bool new_year_undone(const std::string& year, std::unique_ptr<Season> previous);
    void read_year(const std::string& year);
    bool read_year_season(const std::string& year, const std::string& leaving);
    void read_year_homeruns();
    void delete_year(const std::string& year);
    void datfile_del(const std::string& year);
    void file_reference();
    bool remember_settings();  // false when the settings file could not be written (told)
    void registered_years_changed();
    void bind_club_dialog();
    void mnuclub_names_Click();
    void clubs_List1_Click();
    void clubs_Command1_Click();  // 今の12球団
    void clubs_Command2_Click();  // 元の12球団
    void clubs_Command3_Click();  // ＯＫ: the names apply at once and are saved with the year
    void clubs_Command4_Click();  // ｷｬﾝｾﾙ
    void show_club_draft();
    void type_club_name(int team);
    void type_meetings();

    // The season's club names: ui/shell/club_captions.cpp and ui/shell/club_file_io.cpp.
    void show_club_names();  // the season's names into every caption that shows a club
    // The year's club file into the season and the captions (told, and the defaults, when unusable).
    void read_year_clubs();
    // The club file's writer when the year has one to write (names not the defaults, or a file
    // there already), else nothing.
    std::optional<ItemWriter> club_file_to_write() const;

    // Saving: ui/shell/saving.cpp. Every save runs between open_save and close_save (false when
    // the save did not complete; the user has been told). write_save_files writes one group of
    // files of the save, telling `failure` when it cannot, and nothing after a failure.
    bool open_save(SaveKind kind, const std::string& year);
    bool close_save();
    bool write_save_files(const std::vector<const ItemWriter*>& writers, const Text& failure);
    // Mends what an interrupted save left, for every year or only `year`; tells what it did.
    void mend_interrupted_saves(const std::string& year = {});

    // Topics: ui/topics/.
    void bind_topics();
    void mnutopic_Click();

    // Saving, printing and PDF of the pane on display: ui/share/.
    void bind_share();
    void refresh_share_menus();
    void mnuSavePane_Click();
    void mnuPrintPane_Click();
    void mnuPdfPane_Click();
    void tell_not_saved(const Text& what, const std::filesystem::path& file, const std::string& why);

    // The pennant race reports: ui/race/.
    void bind_race();
    void mnurace_Click();
    void mnurace_rec_Click();
    void mnulog_Click(int team);
    bool race_view_refused() const;
    void open_race_view(const ReportPane& pane, ListView view);
    void race_as_of_refresh();
    void race_line_click(int line);

    // Helpers.
    void status(const Text& text);
    void pump();
    void set_colors(const std::vector<std::string>& names, Color color);
    void paint_report_buttons(bool usable);

    std::filesystem::path dir_;
    Services& services_;
    Window main_{"main"}, notice_{"notice"}, dialog_{"dialog"};

    std::unique_ptr<Season> season_;
    Settings settings_;
    FileNames names_;
    LeagueTable central_rec_{}, pacific_rec_{};

    bool ended_ = false;
    int recalc_busy_ = 0;
    int history_state_ = 0;
    int disp_size_ = 0;
    int entry_mode_ = 0;
    int version_ = 0;
    bool report_on_ = false;     // a report reached through ﾃﾞｰﾀ参照 (closed with 窓消去)
    int ren_kachimake_ = 0, home_ichi_ = 0;
    ListView list4_view_ = ListView::none;
    GameViewState view_;
    EntryBuffer entry_;
    int dat_changed_ = 0;
    TeamTallies tallies_{};
    std::unique_ptr<Streaks> streaks_ = std::make_unique<Streaks>();
    std::unique_ptr<InningTotals> innings_ = std::make_unique<InningTotals>();
    AsOfDate asof_ = as_of_opening();
    LeagueTable central_rec2_{}, pacific_rec2_{};
    bool kaiten_mode_ = false;  // the input panel shows inning totals
    std::set<std::string> tooltips_armed_ = {"Text2", "Text3", "Text9", "Text10", "Text16"};
    std::optional<Slot> shown_slot_;  // the game the view shows
    int list1_height_ = 0;

    // State of the pitcher subsystem.
    PitcherViewState pitchers_;

    // State of the home-run subsystem.
    HomerunViewState homeruns_;

    // State of the history subsystem.
    Window graph_{"graph"}, summary_{"summary"};
    HistoryUiState hist_;

    // State of the year-file subsystem.
    YearFileState years_;
    // The club-name dialog "球団名設定" (ui/years/club_dialog.cpp) and the names it is editing.
    Window clubs_{"clubs"};
    ClubNames club_draft_;
    // The year's club file could not be used: saves leave it alone until the dialog sets names.
    bool club_file_refused_ = false;

    // State of the save in progress.
    SaveState saving_;

    // State of the topics subsystem.

    // What the last report drawn into a pane looked like, for saving it as a table.
    ShareState share_;
};

}  // namespace tev::ui
