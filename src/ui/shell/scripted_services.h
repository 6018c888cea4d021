// Services with scripted answers and a record of everything shown, for tests and the headless
// driver. Each dialog is recorded as one line:
//   MSG: <text>
//   ASK: <title>: <text> -> Yes|No|Cancel
//   INPUT: <title>: <prompt> -> <answer>
//   SAVE AS: <title> -> <file>|Cancel
//   OPEN: <title> -> <file>|Cancel
//   PRINT: <caption's last line, trimmed> (<n> lines)
//   PDF: <file> (<n> lines)
//   HELP: <file>#<section>, or <file> alone for the contents page
// with line breaks inside a text written as the two characters \n.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/shell/services.h"

namespace tev::ui {

// A scripted answer: yes or no (a bool), or キャンセル, which a yes/no question takes as no.
struct ScriptedAnswer {
    ScriptedAnswer(bool yes) : value(yes ? Answer::yes : Answer::no) {}  // NOLINT: answers = {true, false}
    ScriptedAnswer(Answer answer) : value(answer) {}                     // NOLINT
    Answer value;
};

class ScriptedServices : public Services {
public:
    // Answers for the coming questions and input boxes, taken in order; when a queue is empty a
    // question takes its default button and an input box is cancelled.
    std::deque<ScriptedAnswer> answers;
    std::deque<Text> inputs;
    // Files for the coming save dialogs, in order; an empty queue cancels the dialog.
    std::deque<std::filesystem::path> save_files;
    // Files for the coming open dialogs, in order; an empty queue cancels the dialog.
    std::deque<std::filesystem::path> open_files;
    bool printer_ready = true;  // false: every print is cancelled
    bool pdf_writable = true;   // false: every PDF and picture fails to be written

    ScreenMetrics screen_metrics;
    DateTime clock;
    bool instance_free = true;  // false: another copy is running

    // Every dialog line, in order (UTF-8).
    std::vector<std::string> transcript;
    // The status line at each process-events call, in order.
    std::vector<Text> statuses;
    int beeps = 0;
    std::vector<std::filesystem::path> help_opened;
    std::vector<std::string> help_sections;  // the section of each help_opened, empty for the contents
    std::vector<std::string> deleted_patterns;
    std::vector<PanePage> printed, pdfs;

    void message(const Text& text, const Text& title, Icon icon) override;
    bool ask(const Text& title, const Text& text, Icon icon, bool default_yes) override;
    Answer ask_yes_no_cancel(const Text& title, const Text& text, Icon icon) override;
    Text input(const Text& prompt, const Text& title, const Text& default_text, int x, int y) override;
    void process_events(const Text& status) override;
    void beep() override { ++beeps; }
    ScreenMetrics screen() const override { return screen_metrics; }
    DateTime now() const override { return clock; }
    void open_help(const std::filesystem::path& file, const std::string& anchor) override;
    bool acquire_single_instance() override { return instance_free; }
    void delete_files(const std::filesystem::path& dir, const std::string& pattern) override;
    std::filesystem::path choose_save_file(const Text& title, const std::vector<Text>& filters,
                                           const std::string& suggested) override;
    std::filesystem::path choose_open_file(const Text& title, const std::vector<Text>& filters) override;
    bool print_page(const PanePage& page) override;
    bool write_pdf(const PanePage& page, const std::filesystem::path& file) override;
    bool write_graph_picture(const std::filesystem::path& file) override;

    // Called with each transcript line as it is recorded (the driver prints it at once).
    std::function<void(const std::string&)> on_line;

private:
    void record(std::string line);
};

// `text` in UTF-8 with each CR LF, CR or LF written as the two characters \n.
std::string one_line(const Text& text);

}  // namespace tev::ui
