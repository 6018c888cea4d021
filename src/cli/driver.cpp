#include "driver.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <ostream>
#include <regex>

#include "core/platform/os_process.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"
#include "ui/shell/instance_lock.h"
#include "ui/shell/scripted_services.h"
#include "ui/shell/user_data_folder.h"
#include "ui/share/pane_export.h"
#include "core/platform/utf8_path.h"

namespace tev::cli {

namespace {

using ui::Control;
using ui::ControlKind;

struct Options {
    std::filesystem::path dir = ".";
    bool make_dir = false;  // --make-dir: a new or empty DIR is made from the shipped data
    ui::ScreenMetrics screen;
    std::deque<ui::ScriptedAnswer> answers;
    std::deque<Text> inputs;
    std::vector<std::string> shows;
    std::vector<std::string> events;
    std::vector<std::pair<std::string, std::filesystem::path>> exports;  // --export NAME FILE
    std::optional<ui::DateTime> date;  // --date: the clock stands on this day at noon
    std::deque<std::filesystem::path> save_files;                        // --save-as FILE
    std::deque<std::filesystem::path> open_files;                        // --import FILE
};

struct UsageError {
    std::string what;
};

const std::string kClose = "close";
const std::string kDrawing = "drawing";

ui::ScreenMetrics parse_screen(const std::string& text) {
    static const std::regex shape(R"((\d+)x(\d+)(L?))");
    std::smatch m;
    if (!std::regex_match(text, m, shape)) throw UsageError{"--screen takes WxH or WxHL, not " + text};
    const int tpp = m[3].length() > 0 ? 12 : 15;
    return ui::ScreenMetrics{std::stoi(m[1]) * tpp, std::stoi(m[2]) * tpp, tpp, tpp};
}

ui::DateTime parse_date(const std::string& text) {
    static const std::regex shape(R"((\d{4})/(\d{1,2})/(\d{1,2}))");
    std::smatch m;
    if (!std::regex_match(text, m, shape)) throw UsageError{"--date takes YYYY/MM/DD, not " + text};
    const int month = std::stoi(m[2]);
    const int day = std::stoi(m[3]);
    if (month < 1 || month > 12 || day < 1 || day > 31) throw UsageError{"--date takes YYYY/MM/DD, not " + text};
    return ui::DateTime{std::stoi(m[1]), month, day, 12, 0, 0};
}

Options parse_options(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
            return args[++i];
        };
        if (a == "--dir") {
            o.dir = utf8_path(value());
        } else if (a == "--make-dir") {
            o.make_dir = true;
        } else if (a == "--export") {
            const std::string name = value();
            o.exports.emplace_back(name, utf8_path(value()));
        } else if (a == "--date") {
            o.date = parse_date(value());
        } else if (a == "--save-as") {
            o.save_files.emplace_back(utf8_path(value()));
        } else if (a == "--import") {
            // The import menu with its open dialog answered; the file is the user's, from here.
            o.open_files.push_back(std::filesystem::absolute(utf8_path(value())));
            o.events.push_back("mnuimport_games");
        } else if (a == "--export-games") {
            o.save_files.push_back(std::filesystem::absolute(utf8_path(value())));
            o.events.push_back("mnuexport_games");
        } else if (a == "--screen") {
            o.screen = parse_screen(value());
        } else if (a == "--answer") {
            const std::string& v = value();
            if (v != "yes" && v != "no" && v != "cancel")
                throw UsageError{"--answer takes yes, no or cancel, not " + v};
            o.answers.push_back(v == "cancel" ? ui::ScriptedAnswer(ui::Answer::cancel) : ui::ScriptedAnswer(v == "yes"));
        } else if (a == "--input") {
            o.inputs.push_back(from_utf8(value()));
        } else if (a == "--show") {
            o.shows.push_back(value());
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError{"unknown option " + a};
        } else {
            o.events.push_back(a);
        }
    }
    return o;
}

// The shipped data beside the installed program (or where TEVARDIN_SHIPPED_DATA says).
std::filesystem::path shipped_data() {
    return ui::shipped_data_folder(os::program_file(), std::getenv("TEVARDIN_SHIPPED_DATA"));
}

ui::DateTime local_now() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::tm tm = os::local_time(t);
    return ui::DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

// The scripted services of the driver, with the real single-instance guard.
class DriverServices : public ui::ScriptedServices {
public:
    DriverServices(std::filesystem::path dir, std::optional<ui::DateTime> date) : dir_(std::move(dir)), date_(date) {}
    bool acquire_single_instance() override {
        const bool taken = lock_.acquire(dir_);
        if (!lock_.unavailable_reason().empty()) message(ui::lock_unavailable_text(lock_.unavailable_reason()), U"Tevardin", ui::Icon::exclamation);
        return taken;
    }
    ui::DateTime now() const override { return date_ ? *date_ : local_now(); }
    // Drawing a page needs the window program's toolkit; the driver has none.
    bool write_pdf(const ui::PanePage&, const std::filesystem::path&) override { return false; }

private:
    std::filesystem::path dir_;
    std::optional<ui::DateTime> date_;
    ui::InstanceLock lock_;
};

// An event's target: window, control name and index (or list line).
struct Target {
    ui::Window* window = nullptr;
    std::string name;
    int number = -1;  // as written after the colon, -1 when none
};

bool is_array(ui::Window& w, const std::string& name) {
    const auto elements = w.array(name);
    return !elements.empty() && elements.front()->index >= 0;
}

Target parse_target(ui::MainWindow& program, const std::string& text) {
    Target t;
    std::string name = text;
    if (auto colon = name.find(':'); colon != std::string::npos) {
        const std::string number = name.substr(colon + 1);
        if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
            throw UsageError{"bad index in " + text};
        t.number = std::stoi(number);
        name = name.substr(0, colon);
    }
    t.window = &program.main();
    if (auto dot = name.find('.'); dot != std::string::npos) {
        t.window = program.window(name.substr(0, dot));
        if (t.window == nullptr) throw UsageError{"unknown window in " + text};
        name = name.substr(dot + 1);
    }
    t.name = name;
    // A window's frame close button, and the graph window's drawing, are no controls.
    if (t.window != &program.main() && (name == kClose || name == kDrawing)) return t;
    if (t.window->array(name).empty()) throw UsageError{"unknown control " + text};
    return t;
}

// WINDOW.close: the frame's close button of an open window.
void close_window(ui::Window& w, const std::string& event, std::ostream& err) {
    if (!w.visible) {
        err << "tevardin-cli: " << event << ": the window is not open: ignored\n";
        return;
    }
    if (!w.fire(ui::kFormName, -1, ui::Event::close)) w.visible = false;
}

// A scroll bar takes the number as its new value, then hears its change.
void scroll(ui::Window& w, Control& bar, const Target& t, const std::string& event) {
    if (t.number < bar.scroll_min || t.number > bar.scroll_max)
        throw UsageError{"bad index in " + event + ": " + t.name + " takes " + std::to_string(bar.scroll_min) + ".." +
                         std::to_string(bar.scroll_max)};
    bar.scroll_value = t.number;
    w.fire(t.name, -1, ui::Event::change);
}

void play(ui::MainWindow& program, const std::string& event, std::ostream& err) {
    Target t = parse_target(program, event);
    ui::Window& w = *t.window;
    if (&w != &program.main() && t.name == kClose) return close_window(w, event, err);
    if (t.name == kDrawing) throw UsageError{event + " is no control to act on"};
    // The graph and summary windows are modal: the main window hears nothing while one is open.
    for (ui::Window* modal : {&program.graph(), &program.summary()})
        if (&w == &program.main() && modal->visible) {
            err << "tevardin-cli: " << event << ": the " << modal->name() << " window is open: ignored\n";
            return;
        }
    if (&w != &program.main() && !w.visible) {
        err << "tevardin-cli: " << event << ": the window is not open: ignored\n";
        return;
    }
    Control* control = nullptr;
    int index = -1;
    if (is_array(w, t.name)) {
        if (t.number < 0) throw UsageError{t.name + " is a control array: give its index, " + t.name + ":N"};
        control = w.find(t.name, t.number);
        if (control == nullptr) throw UsageError{"bad index in " + event};
        index = t.number;
    } else {
        control = &w.at(t.name);
        if (control->kind == ControlKind::list) {
            if (t.number < 1 || t.number > static_cast<int>(control->lines.size()))
                throw UsageError{"bad index in " + event + ": the pane has " + std::to_string(control->lines.size()) +
                                 " lines"};
        } else if (control->kind == ControlKind::scrollbar) {
            if (t.number < 0) throw UsageError{t.name + " is a scroll bar: give its new value, " + t.name + ":N"};
        } else if (t.number >= 0) {
            throw UsageError{"bad index in " + event + ": " + t.name + " is not a control array"};
        }
    }
    if (!w.usable(*control)) {
        err << "tevardin-cli: " << event << " is " << (control->visible ? "disabled" : "hidden") << ": ignored\n";
        return;
    }
    if (control->kind == ControlKind::scrollbar) return scroll(w, *control, t, event);
    if (control->kind == ControlKind::list) control->list_index = t.number - 1;
    if (w.handles(t.name, ui::Event::mouse_down)) w.fire(t.name, index, ui::Event::mouse_down);
    w.fire(t.name, index, ui::Event::click);
}

// A text split at its line breaks (CR LF, CR or LF).
std::vector<std::string> split_lines(const Text& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' || text[i] == U'\n') {
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += to_utf8(TextView(&text[i], 1));
        }
    }
    return lines;
}

// Six upper-case hex digits of a colour.
std::string hex_color(ui::Color color) {
    static const char* digits = "0123456789ABCDEF";
    std::string out(6, '0');
    for (int i = 5; i >= 0; --i, color >>= 4) out[static_cast<std::size_t>(i)] = digits[color & 15];
    return out;
}

// One line per segment in drawing order: x1 y1 x2 y2 RRGGBB W.
void print_drawing(const ui::Window& w, const std::string& name, std::ostream& out) {
    out << "== " << name << (w.visible ? "" : " (hidden)") << "\n";
    for (const ui::LineSegment& s : w.drawing)
        out << s.x1 << ' ' << s.y1 << ' ' << s.x2 << ' ' << s.y2 << ' ' << hex_color(s.color) << ' ' << s.width << "\n";
}

void print_control(ui::MainWindow& program, const std::string& name, std::ostream& out) {
    Target t = parse_target(program, name);
    if (t.name == kClose) throw UsageError{"--show " + name + ": close is no control"};
    if (t.name == kDrawing) return print_drawing(*t.window, name, out);
    const Control* found = t.number >= 0 ? t.window->find(t.name, t.number) : t.window->array(t.name).front();
    if (found == nullptr) throw UsageError{"bad index in --show " + name};
    const Control& c = *found;
    const bool shown = c.visible && (t.window == &program.main() || t.window->visible);
    out << "== " << name << (shown ? "" : " (hidden)") << "\n";
    if (c.kind == ControlKind::list) {
        for (const Text& line : c.lines) out << to_utf8(line) << "\n";
        return;
    }
    if (c.kind == ControlKind::scrollbar) {
        out << c.scroll_value << "\n";
        return;
    }
    if (c.kind == ControlKind::check) {
        out << (c.value ? "[x] " : "[ ] ") << to_utf8(c.caption) << "\n";
        return;
    }
    const bool has_text = c.kind == ControlKind::text || c.kind == ControlKind::label;
    for (const std::string& line : split_lines(has_text ? c.text : c.caption)) out << line << "\n";
}

std::vector<std::string> default_shows(ui::MainWindow& program) {
    std::vector<std::string> shows;
    for (const char* list : {"List1", "List2", "List3", "List4", "List5", "List6"})
        if (program.main().at(list).visible) shows.push_back(list);
    for (const char* label : {"Label6", "Label7"})
        if (program.main().at(label).visible) shows.push_back(label);
    shows.push_back("Text1");
    return shows;
}

}  // namespace

// Writes the pane `name` to `file`: its lines as shown for a .txt file, its table for a .csv file
// (one field per line when its report has no columns); false (after saying why) when it cannot.
bool export_pane(ui::MainWindow& program, const std::string& name, const std::filesystem::path& file,
                 std::ostream& err) {
    const std::string ext = utf8_string(file.extension());
    if (ext != ".csv" && ext != ".txt")
        throw UsageError{"--export " + name + " " + utf8_string(file) + ": the file must end in .csv or .txt"};
    const std::optional<ui::ShownPane> pane = ui::list_pane(program, name);
    if (!pane) {
        err << "tevardin-cli: " << name << " is not a list pane on display\n";
        return false;
    }
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream << (ext == ".txt" ? ui::pane_text(*pane) : ui::pane_csv(*pane));
    stream.close();
    if (!stream) {
        err << "tevardin-cli: " << utf8_string(file) << " cannot be written\n";
        return false;
    }
    return true;
}

int run_driver(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    try {
        options = parse_options(args);
    } catch (const UsageError& e) {
        err << "tevardin-cli: " << e.what << "\n";
        return 2;
    }
    if (options.make_dir) {
        if (const Status made = ui::seed_new_folder(shipped_data(), options.dir); !made) {
            err << "tevardin-cli: " << made.error().describe() << "\n";
            return 1;
        }
    }
    DriverServices services(options.dir, options.date);
    services.screen_metrics = options.screen;
    services.answers = options.answers;
    services.inputs = options.inputs;
    services.save_files = options.save_files;
    services.open_files = options.open_files;
    services.on_line = [&out](const std::string& line) { out << line << "\n" << std::flush; };
    ui::MainWindow program(options.dir, services);
    if (!program.start()) return 1;
    try {
        for (const std::string& event : options.events) {
            if (program.ended()) break;
            play(program, event, err);
        }
        for (const std::string& name : options.shows.empty() ? default_shows(program) : options.shows)
            print_control(program, name, out);
        for (const auto& [name, file] : options.exports)
            if (!export_pane(program, name, file, err)) return 1;
    } catch (const UsageError& e) {
        err << "tevardin-cli: " << e.what << "\n";
        return 2;
    }
    return 0;
}

}  // namespace tev::cli
