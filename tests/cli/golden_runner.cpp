// Golden driver sessions: each file under tests/data/cli holds a season recipe, the driver's
// arguments, the expected exit status and the expected output verbatim:
//
//   # what the session shows
//   year 2001                      (season year, 1996 when absent)
//   gen 7                          (a generated season from seed 7; otherwise empty)
//   game 1 4 7 3 2 4 5 P1 P2 S     (first, second, meeting, runs, runs, month, day, and the
//                                  (clubs of different leagues: an interleague game)
//                                  pitchers of record and save pitcher when given)
//   hr 1 4 7 1 松井 4 藪             (a home-run record appended to the stored game of first,
//                                  second, meeting: batter's club and name, pitcher's club and name)
//   damage Tev_1996.DAT 5 "x"      (replace a line of a written file with raw text)
//   clubs 2026                     (the club file of 2026 with today's twelve clubs)
//   bytes Tev_1996.DAT 98          (after the last run, line 98 of the file decoded from code page
//                                  932, then its bytes in hexadecimal)
//   remove RIRE1996.DAT            (delete a written file)
//   shipped record.dat 5           (copy a file shipped in data/, only its first 5 lines if given)
//   copy Tev_1996.DAT Tev_2001.dat (copy a written file under another name)
//   file old1997.dat "text"        (write a file of raw text, a CR LF after it)
//   testdata exchange/bad.csv      (copy a file of tests/data into the data folder, by its name)
//   folder Pitcher_2004.DAT.tmp    (a folder, not empty, where the program writes a file: its
//                                  saves then fail)
//   listing                        (after each run, "### files" and each file of the folder with
//                                  its line count, then the settings file's lines)
//   print Tev_1996.DAT 277 278     (after the last run, "### NAME 277-278" and those lines)
//   tally bat_c " 4山田　　　　　　　　12"   (an entry appended to a table of the year's home-run file)
//   past 1997 5                    (another registered year: a generated season from seed 5)
//   nofiles                        (no season files written: the folder holds only what the
//                                  directives damage ... clubs put there)
//   date 2026/04/01                (the driver's clock for every run; 2009/04/01 when absent, so
//                                  that the new-year list and the search end at 2010)
//   exported out.csv               (after the last run, "### out.csv", what the file starts with
//                                  and how its lines end, then its lines)
//   args --screen 800x600 Command11 Command9
//                                  (a word "@NAME" stands for the file NAME in the data folder)
//   args Command11                 (a further run on the same folder, after "### run 2")
//   exit 0                         (the status of the last run; earlier runs must give 0)
//   --- output
//   ...                            (standard output, verbatim)
//
// With TEVARDIN_UPDATE_GOLDEN=1 the output section is rewritten from the actual run. The format in
// full, with the order of the output's blocks: tests/README.md.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "core/homeruns/homerun_file.h"
#include "core/platform/utf8_path.h"
#include "core/store/club_file.h"
#include "core/settings/settings.h"
#include "core/text/cp932.h"
#include "driver.h"
#include "support/environment.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"
#include "season_gen.h"
#include "support/golden_switch.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(TEVARDIN_TEST_DATA) / "cli";

struct Session {
    std::vector<std::string> recipe;  // lines before "--- output"
    std::string expected;
};

Session read_session(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    Session s;
    std::string line;
    bool output = false;
    while (std::getline(in, line)) {
        if (!output && line == "--- output") {
            output = true;
        } else if (output) {
            s.expected += line + "\n";
        } else {
            s.recipe.push_back(line);
        }
    }
    return s;
}

// Words of a recipe line; a word in double quotes may hold blanks, and \" for a double quote.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        if (i >= line.size()) break;
        if (line[i] == '"') {
            std::string word;
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                if (line[j] == '\\' && j + 1 < line.size() && line[j + 1] == '"') ++j;
                word += line[j];
            }
            out.push_back(word);
            i = j >= line.size() ? line.size() : j + 1;
        } else {
            const std::size_t end = std::min(line.find(' ', i), line.size());
            out.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return out;
}

void replace_line(const fs::path& file, int n, const std::string& utf8) {
    std::string bytes = test::slurp(file);
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
    const auto encoded = encode_cp932(from_utf8(utf8));
    bytes.replace(start, bytes.find("\r\n", start) - start, encoded ? *encoded : utf8);
    test::spit(file, bytes);
}

// The shipped file `name` copied into `dir`; only its first `lines` lines when not negative.
void copy_shipped(const std::string& name, int lines, const fs::path& dir) {
    std::string bytes = test::slurp(fs::path(TEVARDIN_SHIPPED_DATA) / name);
    if (lines >= 0) {
        std::size_t end = 0;
        for (int i = 0; i < lines && end != std::string::npos; ++i) end = bytes.find("\r\n", end) + 2;
        bytes = bytes.substr(0, end);
    }
    test::spit(dir / name, bytes);
}

struct Prepared {
    std::vector<std::vector<std::string>> runs;
    std::vector<std::pair<std::string, int>> bytes;  // file and line printed in hex after the runs
    int exit = 0;
    bool listing = false;
    std::vector<std::vector<std::string>> prints;
    std::string date = "2009/04/01";  // the clock of every run
    std::vector<std::string> exported;
};

// Lines `from`..`to` (1-based) of a data file, decoded, each ending in a line feed.
std::string file_lines(const fs::path& dir, const std::string& name, int from, int to) {
    std::istringstream in(test::slurp(dir / name));
    std::ostringstream out;
    out << "### " << name << " " << from << "-" << to << "\n";
    std::string line;
    for (int n = 1; std::getline(in, line) && n <= to; ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto text = decode_cp932(line);
        if (n >= from) out << (text ? to_utf8(*text) : line) << "\n";
    }
    return out.str();
}

// The folder's files with their line counts, then the settings file as it is.
std::string folder_listing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(utf8_string(entry.path().filename()));
    std::sort(names.begin(), names.end());
    std::ostringstream out;
    out << "### files\n";
    for (const std::string& name : names) {
        const std::string bytes = test::slurp(dir / name);
        out << name << " " << std::count(bytes.begin(), bytes.end(), '\n') << "\n";
    }
    std::string ini = test::slurp(dir / "Tevardin.ini");
    std::erase(ini, '\r');
    out << "### Tevardin.ini\n" << ini;
    return out.str();
}

// Line `n` of a data file: "== NAME:N", the line as text, then "bytes: " and its bytes in hex.
std::string print_line(const fs::path& dir, const std::string& name, int n) {
    const std::string bytes = test::slurp(dir / name);
    std::size_t start = 0;
    for (int i = 1; i < n && start != std::string::npos; ++i) {
        start = bytes.find("\r\n", start);
        if (start != std::string::npos) start += 2;
    }
    if (start == std::string::npos) return "== " + name + ":" + std::to_string(n) + " (no such line)\n";
    const std::string line = bytes.substr(start, bytes.find("\r\n", start) - start);
    const auto text = decode_cp932(line);
    std::string hex;
    for (unsigned char c : line) {
        static const char* digits = "0123456789ABCDEF";
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return "== " + name + ":" + std::to_string(n) + "\n" + (text ? to_utf8(*text) : "(not code page 932)") +
           "\nbytes: " + hex + "\n";
}

Prepared prepare(const Session& session, const fs::path& dir) {
    auto season = std::make_unique<Season>();
    Prepared p;
    std::vector<std::vector<std::string>> after_write;
    std::vector<std::pair<std::string, unsigned long>> past_years;
    auto tallies = std::make_unique<HomerunTables>();
    std::map<std::string, int> tally_count;
    bool write = true;
    for (const std::string& line : session.recipe) {
        const auto w = words(line);
        if (w.empty() || w[0][0] == '#') continue;
        if (w[0] == "year") {
            season->disp_year = w[1];
            season->interleague_meetings = era_shape(w[1]).interleague_meetings;
        }
        if (w[0] == "gen") *season = gen::generate_season(season->disp_year, std::stoul(w[1]));
        if (w[0] == "game") {
            test::GameSpec g;
            g.first = std::stoi(w[1]);
            g.second = std::stoi(w[2]);
            g.meet = std::stoi(w[3]);
            g.first_runs = std::stoi(w[4]);
            g.second_runs = std::stoi(w[5]);
            g.month = std::stoi(w[6]);
            g.day = std::stoi(w[7]);
            const std::vector<Text> names = {w.size() > 8 ? from_utf8(w[8]) : Text(), w.size() > 9 ? from_utf8(w[9]) : Text(),
                                             w.size() > 10 ? from_utf8(w[10]) : Text()};
            g.first_pitcher = names[0].c_str();
            g.second_pitcher = names[1].c_str();
            g.save = names[2].c_str();
            if (league_of(g.first) == league_of(g.second))
                test::add_game(*season, g);
            else
                test::add_interleague_game(*season, g);
        }
        if (w[0] == "hr") {
            Text& game = season->filed_game(std::stoi(w[1]), std::stoi(w[2]), std::stoi(w[3]));
            game += format_hr({std::stoi(w[4]), from_utf8(w[5]), std::stoi(w[6]), from_utf8(w[7])});
        }
        if (w[0] == "bytes") p.bytes.emplace_back(w[1], std::stoi(w[2]));
        if (w[0] == "past") past_years.emplace_back(w[1], std::stoul(w[2]));
        if (w[0] == "tally") {
            const std::map<std::string, Text*> tables = {
                {"bat_c", tallies->bat_c.data()},     {"bat_p", tallies->bat_p.data()},
                {"pit_c", tallies->pit_c.data()},     {"pit_p", tallies->pit_p.data()},
                {"bat_all", tallies->bat_all.data()}, {"pit_all", tallies->pit_all.data()}};
            tables.at(w[1])[tally_count[w[1]]++] = from_utf8(w[2]);
        }
        if (w[0] == "nofiles") write = false;
        if (w[0] == "damage" || w[0] == "remove" || w[0] == "shipped" || w[0] == "copy" || w[0] == "file" ||
            w[0] == "clubs" || w[0] == "testdata" || w[0] == "folder")
            after_write.push_back(w);
        if (w[0] == "listing") p.listing = true;
        if (w[0] == "print") p.prints.push_back(w);
        if (w[0] == "exported") p.exported.push_back(w[1]);
        if (w[0] == "args") p.runs.emplace_back(w.begin() + 1, w.end());
        if (w[0] == "exit") p.exit = std::stoi(w[1]);
        if (w[0] == "date") p.date = w[1];
    }
    if (write) {
        std::string registered = "Regi Year= " + season->disp_year;
        for (const auto& [year, seed] : past_years) {
            EXPECT_TRUE(gen::write_generated(dir, gen::generate_season(year, static_cast<std::uint32_t>(seed))).ok());
            registered += year;
        }
        EXPECT_TRUE(gen::write_generated(dir, *season).ok());
        if (!past_years.empty()) {
            EXPECT_TRUE(write_settings(dir, Settings{season->disp_year, registered}).ok());
        }
        if (!tally_count.empty()) {
            const ItemWriter file = homerun_file_writer(*tallies, year_file_names(season->disp_year).homerun_file);
            EXPECT_TRUE(commit_writers(dir, {&file}).ok());
        }
    }
    for (const auto& w : after_write) {
        if (w[0] == "remove") fs::remove(dir / w[1]);
        if (w[0] == "damage") replace_line(dir / w[1], std::stoi(w[2]), w[3]);
        if (w[0] == "shipped") copy_shipped(w[1], w.size() > 2 ? std::stoi(w[2]) : -1, dir);
        if (w[0] == "copy") fs::copy_file(dir / w[1], dir / w[2]);
        if (w[0] == "file") test::spit(dir / w[1], w[2] + "\r\n");
        if (w[0] == "folder") {  // not empty, so that the start's removal of temporaries leaves it
            fs::create_directories(dir / w[1]);
            test::spit(dir / w[1] / "kept", "");
        }
        if (w[0] == "testdata") {
            const fs::path from = fs::path(TEVARDIN_TEST_DATA) / w[1];
            test::spit(dir / from.filename(), test::slurp(from));
        }
        if (w[0] == "clubs") {
            const ItemWriter clubs = club_file_writer(todays_club_names(), club_file_name(w[1]));
            EXPECT_TRUE(commit_writers(dir, {&clubs}).ok());
        }
    }
    return p;
}

// A file the session saved: "### NAME", whether it starts with a byte-order mark and ends its
// lines with CR LF, then its lines as UTF-8 text.
std::string exported_file(const fs::path& dir, const std::string& name) {
    if (!fs::exists(dir / name)) return "### " + name + " (not written)\n";
    std::string bytes = test::slurp(dir / name);
    std::string out = "### " + name;
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        out += " (byte-order mark)";
        bytes.erase(0, 3);
    }
    const bool crlf = bytes.find("\r\n") != std::string::npos;
    if (crlf) out += " (CR LF)";
    std::erase(bytes, '\r');
    return out + "\n" + bytes;
}

// The driver's arguments of a run, "@NAME" naming the file NAME in the data folder.
std::vector<std::string> run_args(const std::vector<std::string>& words, const fs::path& dir) {
    std::vector<std::string> args;
    for (const std::string& w : words) args.push_back(w.size() > 1 && w[0] == '@' ? utf8_string(dir / w.substr(1)) : w);
    return args;
}

// The output with the temporary data folder's path written as "<DIR>", so that a status line
// that says where a file was saved reads the same in every run, and on every platform: the
// separators of the rest of such a path are written "/".
std::string with_folder_named(std::string output, const fs::path& dir) {
    const std::string path = utf8_string(dir);
    for (std::size_t at = output.find(path); at != std::string::npos; at = output.find(path, at)) {
        output.replace(at, path.size(), "<DIR>");
        for (std::size_t i = at + 5; i < output.size() && output[i] != '\n' && output[i] != ' '; ++i)
            if (output[i] == '\\') output[i] = '/';
    }
    return output;
}

void rewrite_output(const fs::path& file, const Session& session, const std::string& output) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : session.recipe) out << line << "\n";
    out << "--- output\n" << output;
}

class GoldenSession : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenSession, PrintsWhatTheFileExpects) {
    // --make-dir copies from the shipped data of the source tree.
    test::set_environment("TEVARDIN_SHIPPED_DATA", TEVARDIN_SHIPPED_DATA);
    const fs::path file = kGoldenDir / GetParam();
    const Session session = read_session(file);
    test::TempDir dir;
    Prepared p = prepare(session, dir.path());
    std::ostringstream out, err;
    int status = 0;
    for (std::size_t run = 0; run < p.runs.size(); ++run) {
        if (run > 0) {
            EXPECT_EQ(status, 0) << "run " << run << ": " << err.str();
            out << "### run " << run + 1 << "\n";
        }
        std::vector<std::string> args = {"--dir", utf8_string(dir.path()), "--date", p.date};
        const std::vector<std::string> words = run_args(p.runs[run], dir.path());
        args.insert(args.end(), words.begin(), words.end());
        std::ostringstream run_out;
        status = cli::run_driver(args, run_out, err);
        out << with_folder_named(run_out.str(), dir.path());
        if (p.listing) out << folder_listing(dir.path());
    }
    for (const auto& w : p.prints) out << file_lines(dir.path(), w[1], std::stoi(w[2]), std::stoi(w[3]));
    for (const auto& [name, line] : p.bytes) out << print_line(dir.path(), name, line);
    for (const std::string& name : p.exported) out << exported_file(dir.path(), name);
    if (test::rewriting_goldens()) {
        rewrite_output(file, session, out.str());
        return;
    }
    EXPECT_EQ(status, p.exit) << err.str();
    EXPECT_EQ(out.str(), session.expected) << "stderr: " << err.str();
}

std::vector<std::string> golden_files() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGoldenDir))
        if (entry.path().extension() == ".golden") names.push_back(utf8_string(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

std::string test_name(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param.substr(0, info.param.size() - 7);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cli, GoldenSession, ::testing::ValuesIn(golden_files()), test_name);

}  // namespace
}  // namespace tev

namespace tev {
namespace {

// Every control the user can click in the main window is played by at least one golden session.
TEST(GoldenCoverage, EveryHandledControlHasASession) {
    std::string all_args;
    for (const std::string& name : golden_files())
        for (const std::string& line : read_session(kGoldenDir / name).recipe)
            if (line.rfind("args ", 0) == 0) {
                all_args += ' ';
                all_args += line.substr(5);
                all_args += ' ';
            }
    ui::ScriptedServices services;
    ui::MainWindow program(".", services);
    std::set<std::string> missing;
    for (const auto& control : program.main().controls()) {
        const std::string& name = control->name;
        if (!program.main().handles(name, ui::Event::click)) continue;
        if (all_args.find(" " + name + " ") == std::string::npos && all_args.find(" " + name + ":") == std::string::npos)
            missing.insert(name);
    }
    EXPECT_TRUE(missing.empty()) << "no golden session clicks: " << ::testing::PrintToString(missing);
}

}  // namespace
}  // namespace tev
