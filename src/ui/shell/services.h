// Everything the window model needs from the outside world, in one small interface: dialogs,
// event processing, the screen, the clock, help, the single-instance guard and file deletion.
// The Qt view implements it with real dialogs; tests and the headless driver with scripted
// answers (scripted_services.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/text/text.h"

namespace tev::ui {

enum class Icon { none, stop, question, exclamation, information };

// The button that closed a はい / いいえ / キャンセル question.
enum class Answer { yes, no, cancel };

// The screen as the layout check sees it, in twips (1/1440 inch).
struct ScreenMetrics {
    int width_twips = 1024 * 15;
    int height_twips = 768 * 15;
    int twips_per_pixel_x = 15;  // 15 with small fonts, 12 with large fonts
    int twips_per_pixel_y = 15;
    // The room the main window's form may take: the screen less the task bars, the window's
    // frame and its menu bar. 0 when the screen does not say; the designed layout then stands.
    int room_width_twips = 0;
    int room_height_twips = 0;
};

// The main window's form (below its menu bar) at its designed size, in pixels.
inline constexpr int kFormWidthPixels = 1008;
inline constexpr int kFormHeightPixels = 704;

struct DateTime {
    int year = 1996, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// A report pane as a printed page or a PDF shows it: the caption's lines on top, then the pane's
// lines, all in the panes' fixed-width font so that the columns stay aligned.
struct PanePage {
    std::vector<Text> caption;
    std::vector<Text> lines;
    Text heading;  // above the caption of every page: the season and the day it stands at
};

class Services {
public:
    virtual ~Services() = default;

    // A modal message with an OK button.
    virtual void message(const Text& text, const Text& title = Text(), Icon icon = Icon::none) = 0;

    // A modal Yes/No question; true for Yes.
    virtual bool ask(const Text& title, const Text& text, Icon icon, bool default_yes) = 0;

    // A modal はい / いいえ / キャンセル question; Escape and the close button answer キャンセル.
    virtual Answer ask_yes_no_cancel(const Text& title, const Text& text, Icon icon) = 0;

    // A modal input box at (x, y) twips (negative: centred); the typed text, or empty on Cancel.
    virtual Text input(const Text& prompt, const Text& title, const Text& default_text, int x, int y) = 0;

    // Lets pending window events run (the view repaints); `status` is the status line now.
    virtual void process_events(const Text& status) = 0;

    virtual void beep() = 0;
    virtual ScreenMetrics screen() const = 0;
    virtual DateTime now() const = 0;

    // Shows the help file `file` (in the data folder) at its section `anchor` (<a name="...">), at
    // its contents page when `anchor` is empty.
    virtual void open_help(const std::filesystem::path& file, const std::string& anchor) = 0;

    // Takes the single-instance guard for the data folder; false when another copy holds it.
    virtual bool acquire_single_instance() = 0;

    // Deletes every file of `dir` whose name matches `pattern` ('*' and '?' wildcards).
    virtual void delete_files(const std::filesystem::path& dir, const std::string& pattern) = 0;

    // The file the user chose in a save dialog titled `title` that offers the file types
    // `filters` ("CSV (*.csv)") and proposes the name `suggested` in the data folder, its
    // extension supplied from the chosen type when the user typed none; empty when the user
    // cancelled.
    virtual std::filesystem::path choose_save_file(const Text& title, const std::vector<Text>& filters,
                                                   const std::string& suggested) = 0;

    // The file the user chose in an open dialog titled `title` that offers the file types
    // `filters`; empty when the user cancelled.
    virtual std::filesystem::path choose_open_file(const Text& title, const std::vector<Text>& filters) = 0;

    // Prints `page` after the print dialog; false when the user cancelled or it could not print.
    virtual bool print_page(const PanePage& page) = 0;

    // Writes `page` as a PDF file `file`; false when the file could not be written.
    virtual bool write_pdf(const PanePage& page, const std::filesystem::path& file) = 0;

    // Writes the graph window as it is drawn now as a PNG picture `file`; false when the file
    // could not be written.
    virtual bool write_graph_picture(const std::filesystem::path& file) = 0;
};

// The status line after a file was saved: where it went.
Text saved_status(const std::filesystem::path& file);

// The short date and time texts of the clock labels ("1996/04/05", "13:05:09").
Text short_date_text(const DateTime& t);
Text short_time_text(const DateTime& t);

}  // namespace tev::ui
