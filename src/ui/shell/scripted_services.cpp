#include "ui/shell/scripted_services.h"

#include "core/text/fixed_width.h"
#include "ui/shell/file_patterns.h"
#include "core/platform/utf8_path.h"

namespace tev::ui {

std::string one_line(const Text& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r') {
            out += "\\n";
            if (i + 1 < text.size() && text[i + 1] == U'\n') ++i;
        } else if (text[i] == U'\n') {
            out += "\\n";
        } else {
            out += to_utf8(TextView(&text[i], 1));
        }
    }
    return out;
}

void ScriptedServices::record(std::string line) {
    if (on_line) on_line(line);
    transcript.push_back(std::move(line));
}

void ScriptedServices::message(const Text& text, const Text&, Icon) { record("MSG: " + one_line(text)); }

bool ScriptedServices::ask(const Text& title, const Text& text, Icon, bool default_yes) {
    bool yes = default_yes;
    if (!answers.empty()) {
        yes = answers.front().value == Answer::yes;
        answers.pop_front();
    }
    record("ASK: " + one_line(title) + ": " + one_line(text) + (yes ? " -> Yes" : " -> No"));
    return yes;
}

Answer ScriptedServices::ask_yes_no_cancel(const Text& title, const Text& text, Icon) {
    Answer answer = Answer::yes;  // the default button
    if (!answers.empty()) {
        answer = answers.front().value;
        answers.pop_front();
    }
    const char* shown = answer == Answer::yes ? " -> Yes" : answer == Answer::no ? " -> No" : " -> Cancel";
    record("ASK: " + one_line(title) + ": " + one_line(text) + shown);
    return answer;
}

Text ScriptedServices::input(const Text& prompt, const Text& title, const Text&, int, int) {
    Text answer;
    if (!inputs.empty()) {
        answer = inputs.front();
        inputs.pop_front();
    }
    record("INPUT: " + one_line(title) + ": " + one_line(prompt) + " -> " + one_line(answer));
    return answer;
}

void ScriptedServices::process_events(const Text& status) { statuses.push_back(status); }

void ScriptedServices::open_help(const std::filesystem::path& file, const std::string& anchor) {
    help_opened.push_back(file);
    help_sections.push_back(anchor);
    record("HELP: " + utf8_string(file.filename()) + (anchor.empty() ? std::string() : "#" + anchor));
}

void ScriptedServices::delete_files(const std::filesystem::path& dir, const std::string& pattern) {
    deleted_patterns.push_back(pattern);
    delete_matching_files(dir, pattern);
}

namespace {

// The caption's last line (a report's column header or its title), trimmed, to name a page.
std::string page_name(const PanePage& page) {
    return page.caption.empty() ? std::string() : to_utf8(trim_both(page.caption.back()));
}

}  // namespace

namespace {

// The next file of `queue` (empty when none: the dialog is cancelled), recorded as `what`. The
// transcript names files without their folder, so that it reads the same in any folder.
std::filesystem::path next_file(std::deque<std::filesystem::path>& queue, std::string& line, const char* what,
                                const Text& title) {
    std::filesystem::path file;
    if (!queue.empty()) {
        file = queue.front();
        queue.pop_front();
    }
    line = std::string(what) + ": " + one_line(title) + " -> " + (file.empty() ? std::string("Cancel") : utf8_string(file.filename()));
    return file;
}

}  // namespace

std::filesystem::path ScriptedServices::choose_save_file(const Text& title, const std::vector<Text>&,
                                                        const std::string& suggested) {
    std::string line;
    const Text titled = suggested.empty() ? title : title + U" [" + from_utf8(suggested) + U"]";
    std::filesystem::path file = next_file(save_files, line, "SAVE AS", titled);
    record(std::move(line));
    return file;
}

std::filesystem::path ScriptedServices::choose_open_file(const Text& title, const std::vector<Text>&) {
    std::string line;
    std::filesystem::path file = next_file(open_files, line, "OPEN", title);
    record(std::move(line));
    return file;
}

bool ScriptedServices::print_page(const PanePage& page) {
    record("PRINT: " + page_name(page) + " (" + std::to_string(page.lines.size()) + " lines)" +
           (printer_ready ? "" : " -> Cancel"));
    if (printer_ready) printed.push_back(page);
    return printer_ready;
}

bool ScriptedServices::write_pdf(const PanePage& page, const std::filesystem::path& file) {
    record("PDF: " + utf8_string(file.filename()) + " (" + std::to_string(page.lines.size()) + " lines)" +
           (pdf_writable ? "" : " -> failed"));
    if (pdf_writable) pdfs.push_back(page);
    return pdf_writable;
}

bool ScriptedServices::write_graph_picture(const std::filesystem::path& file) {
    record("PICTURE: " + utf8_string(file.filename()) + (pdf_writable ? "" : " -> failed"));
    return pdf_writable;
}

}  // namespace tev::ui
