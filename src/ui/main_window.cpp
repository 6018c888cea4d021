#include "ui/main_window.h"

#include "ui/share/pane_export.h"

namespace tev::ui {

MainWindow::MainWindow(std::filesystem::path dir, Services& services)
    : panel_(windows_.main),
      panes_(windows_.main, services, modes_, panel_),
      document_(std::move(dir), modes_, panes_),
      context_{windows_, services, document_, modes_, panes_, panel_, *this},
      shell_(context_),
      entry_(context_),
      reports_(context_),
      race_(context_),
      pitchers_(context_),
      homeruns_(context_),
      view_(context_),
      history_(context_),
      years_(context_),
      topics_(context_),
      share_(context_),
      edit_(context_),
      exchange_(context_) {
    build_main_window();
    build_other_windows();
    for (Presenter* presenter : presenters()) presenter->bind();
}

MainWindow::~MainWindow() = default;

std::vector<Presenter*> MainWindow::presenters() {
    return {&shell_, &entry_, &reports_, &race_, &pitchers_, &homeruns_, &view_, &history_, &years_, &topics_, &share_, &edit_, &exchange_};
}

void MainWindow::club_names_changed() {
    for (Presenter* presenter : presenters()) presenter->on_club_names_changed();
}

void MainWindow::games_changed() {
    for (Presenter* presenter : presenters()) presenter->on_games_changed();
}

void MainWindow::year_created() {
    for (Presenter* presenter : presenters()) presenter->on_year_created();
}

void MainWindow::views_closed() {
    for (Presenter* presenter : presenters()) presenter->on_views_closed();
}

void MainWindow::record_list_switched() {
    for (Presenter* presenter : presenters()) presenter->on_record_list_switched();
}

void MainWindow::save_pending_games() { entry_.save_pending_games(); }

void MainWindow::season_opened() {
    for (Presenter* presenter : presenters()) presenter->on_season_opened();
}

std::optional<ShownPane> list_pane(const MainWindow& window, const std::string& list) {
    return list_pane(window.main(), window.drawn_report(), list);
}

std::optional<ShownPane> shown_pane(const MainWindow& window) { return shown_pane(window.main(), window.drawn_report()); }

}  // namespace tev::ui
