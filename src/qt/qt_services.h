// The window model's outside world in the window program: real message boxes, questions and
// input boxes, the event loop, the primary screen, the system clock, the help window, the
// single-instance guard (shared with the headless driver), file deletion, the save dialog, the
// printer and PDF files.
#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "ui/shell/instance_lock.h"
#include "ui/shell/services.h"

class QWidget;

namespace tev::qt {

class HelpWindow;

class QtServices : public ui::Services {
  public:
    explicit QtServices(std::filesystem::path data_dir);
    ~QtServices() override;

    // Called at each process_events before the event loop runs, so that the widgets show the
    // model (status line, title label) while a long operation goes on.
    void set_refresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }
    // The window that owns the dialogs (the main window once it is shown).
    void set_owner(QWidget* owner) { owner_ = owner; }
    // What writes the graph window's picture to a file (the graph window, once built).
    void set_picture_writer(std::function<bool(const QString&)> writer) { picture_writer_ = std::move(writer); }

    void message(const Text& text, const Text& title, ui::Icon icon) override;
    bool ask(const Text& title, const Text& text, ui::Icon icon, bool default_yes) override;
    ui::Answer ask_yes_no_cancel(const Text& title, const Text& text, ui::Icon icon) override;
    Text input(const Text& prompt, const Text& title, const Text& default_text, int x,
               int y) override;
    void process_events(const Text& status) override;
    void beep() override;
    ui::ScreenMetrics screen() const override;
    ui::DateTime now() const override;
    void open_help(const std::filesystem::path& file, const std::string& anchor) override;
    bool acquire_single_instance() override;
    void delete_files(const std::filesystem::path& dir, const std::string& pattern) override;
    std::filesystem::path choose_save_file(const Text& title, const std::vector<Text>& filters,
                                           const std::string& suggested) override;
    std::filesystem::path choose_open_file(const Text& title, const std::vector<Text>& filters) override;
    bool print_page(const ui::PanePage& page) override;
    bool write_pdf(const ui::PanePage& page, const std::filesystem::path& file) override;
    bool write_graph_picture(const std::filesystem::path& file) override;

    // The help window, once opened (tests look at it).
    HelpWindow* help_window() const { return help_.get(); }

  private:
    QWidget* dialog_parent() const;

    std::filesystem::path dir_;
    ui::InstanceLock lock_;
    std::function<void()> refresh_;
    std::function<bool(const QString&)> picture_writer_;
    QPointer<QWidget> owner_;
    std::unique_ptr<HelpWindow> help_;
};

// The extension of the first pattern of a file type filter ("CSV (*.csv)" gives ".csv"); empty
// when it has none.
QString filter_extension(const QString& filter);

// The frame the window system drew around `window` (nothing before it framed the window).
QSize window_frame(const QWidget& window);

// What `window`'s frame and menu bar take of the screen, in pixels: the frame as the window
// system drew it once it framed the window, the style's estimate before.
QSize window_chrome(const QWidget* window);

// The twips per pixel of a screen with `logical_dpi` dots per inch: 12 with large fonts
// (120 dpi and more), 15 otherwise.
int twips_per_pixel(double logical_dpi);

}  // namespace tev::qt
