// The main window model: the small owner of the program's windows, the season document, the
// modes, the report panes and one presenter per subsystem. It builds the controls, lets each
// presenter bind its handlers, passes the hooks one presenter raises to all of them, and keeps
// the accessors the Qt view, the headless driver and the tests need. It routes no event itself:
// the view and the driver fire events on the windows, whose handlers the presenters registered.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/app/hooks.h"
#include "ui/app/input_panel.h"
#include "ui/app/modes.h"
#include "ui/app/pane_host.h"
#include "ui/app/season_document.h"
#include "ui/app/windows.h"
#include "ui/edit/edit_presenter.h"
#include "ui/exchange/exchange_presenter.h"
#include "ui/entry/entry_presenter.h"
#include "ui/history/history_presenter.h"
#include "ui/homeruns/homerun_presenter.h"
#include "ui/pitchers/pitcher_presenter.h"
#include "ui/race/race_presenter.h"
#include "ui/reports/reports_presenter.h"
#include "ui/share/share_presenter.h"
#include "ui/shell/services.h"
#include "ui/shell/shell_presenter.h"
#include "ui/topics/topics_presenter.h"
#include "ui/view/game_view_presenter.h"
#include "ui/years/years_presenter.h"

namespace tev::ui {

class MainWindow : private Hooks {
public:
    MainWindow(std::filesystem::path dir, Services& services);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Program entry: the single-instance guard, the notice window and the load sequence. False
    // when the program ended itself (a second copy, or a fatal start-up failure) after its message.
    bool start() { return shell_.start(); }

    // True once the program has ended (fatal failure, refused instance, or quit confirmed).
    bool ended() const { return shell_.ended(); }

    Window& main() { return windows_.main; }
    const Window& main() const { return windows_.main; }
    Window& notice() { return windows_.notice; }
    Window& dialog() { return windows_.dialog; }
    Window& graph() { return windows_.graph; }
    Window& summary() { return windows_.summary; }
    Window& clubs() { return windows_.clubs; }
    // The windows a user can act on, by name: "main", "notice", "dialog", "graph", "summary",
    // "clubs".
    Window* window(const std::string& name) { return windows_.find(name); }
    std::vector<Window*> windows() { return windows_.all(); }

    // A request to close the main window from its frame or the system (Form_QueryUnload).
    void request_close() { shell_.Form_QueryUnload(); }
    // The clock (Timer1): every 200 ms.
    void Timer1_Timer() { shell_.Timer1_Timer(); }
    void screen_room_changed() { shell_.screen_room_changed(); }
    // The mouse moved over the window's background: the input boxes' tool tips are cleared and
    // computed afresh at the next movement over each box.
    void Form_MouseMove() { view_.Form_MouseMove(); }

    // State the tests and the driver read.
    const Season& season() const { return document_.season(); }
    const Settings& settings() const { return document_.settings(); }
    const std::filesystem::path& dir() const { return document_.dir(); }
    const SeasonDocument& document() const { return document_; }
    const Modes& modes() const { return modes_; }
    int display_size() const { return panes_.display_size(); }
    const DrawnReport& drawn_report() const { return panes_.drawn(); }
    const GameViewState& game_view() const { return view_.state(); }
    const EntryBuffer& entry() const { return entry_.buffer(); }
    const GraphState& graph_state() const { return history_.graph_state(); }
    void save_graph_picture() { history_.save_graph_picture(); }
    const PitcherViewState& pitcher_view() const { return pitchers_.state(); }
    const HomerunViewState& homerun_view() const { return homeruns_.state(); }
    bool homerun_season_list_shown() const { return homeruns_.season_list_shown(); }

private:
    // Building the controls of the main window and the small windows the owner keeps
    // (main_window_build.cpp); the presenters build the windows they alone use.
    void build_main_window();
    void build_menus();
    void build_input_panel();
    void build_report_controls();
    void build_other_windows();

    // The hooks, passed to every presenter in the order they were built.
    void club_names_changed() override;
    void games_changed() override;
    void year_created() override;
    void views_closed() override;
    void record_list_switched() override;
    void save_pending_games() override;
    void season_opened() override;
    std::vector<Presenter*> presenters();

    Windows windows_;
    Modes modes_;
    InputPanel panel_;
    PaneHost panes_;
    SeasonDocument document_;
    Context context_;
    // The order matters where presenters share a control: a claim registered earlier is asked
    // first (entry before the reports, the reports and the race before the record lists, the game
    // view last, as the catch-all of the input panel's buttons).
    ShellPresenter shell_;
    EntryPresenter entry_;
    ReportsPresenter reports_;
    RacePresenter race_;
    PitcherPresenter pitchers_;
    HomerunPresenter homeruns_;
    GameViewPresenter view_;
    HistoryPresenter history_;
    YearsPresenter years_;
    TopicsPresenter topics_;
    SharePresenter share_;
    EditPresenter edit_;
    ExchangePresenter exchange_;
};

}  // namespace tev::ui
