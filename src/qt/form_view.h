// The main window of the program: one widget per control of the model's main window, placed as
// the designed form, plus the notice and the dialog window. It forwards every user action to
// the model and, after each one (and whenever the model lets events run), copies the model back
// into the widgets. It opens the dialog window while the model holds it open and reports the
// end of the program when the model has ended.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <string>

#include "qt/window_binder.h"
#include "ui/main_window.h"

class QMenu;
class QScrollArea;

namespace tev::qt {

class GraphView;
class QtServices;
class SmallWindowView;
class SummaryView;

class FormView : public QMainWindow {
    Q_OBJECT

  public:
    FormView(ui::MainWindow& model, QtServices& services, QWidget* parent = nullptr);
    ~FormView() override;

    // Copies the model into every window: controls, captions, which windows are shown.
    void sync_all();

    WindowBinder& binder() { return *binder_; }
    SmallWindowView& notice_view() { return *notice_; }
    SmallWindowView& dialog_view() { return *dialog_; }
    GraphView& graph_view() { return *graph_; }
    SummaryView& summary_view() { return *summary_; }
    // The form holding the controls (below the menu bar).
    QWidget* form() const { return form_; }

  signals:
    // The model has ended: the program should quit.
    void finished();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void build_menus();
    void bind_help_key();
    void build_controls();
    void apply_layout(double scale);
    QSize full_size() const;  // menu bar and form at the applied scale
    void apply_pane_lengths();  // a pane the model lengthened takes its longer place
    void after_event();
    void run_dialog();
    void run_modal(QDialog& view, const ui::Window& window);
    void show_centred();
    void place_on_screen();  // within the screen's free area, centred
    void fit_to_screen();  // the layout fitted again to the room the screen leaves
    void tick();
    void finish();

    ui::MainWindow& model_;
    QtServices& services_;
    WindowBinder* binder_;
    QScrollArea* scroller_;
    QWidget* form_;
    SmallWindowView* notice_;
    SmallWindowView* dialog_;
    GraphView* graph_;
    SummaryView* summary_;
    SmallWindowView* clubs_;
    QTimer clock_;
    double applied_scale_ = 0;
    QSize fitted_frame_{0, 0};  // the window system's frame the layout was last fitted to
    bool dialog_running_ = false;
    bool finished_ = false;
};

}  // namespace tev::qt
