// Golden driver sessions: each file under tests/data/cli holds a season recipe, the driver's
// arguments, the expected exit status and the expected output verbatim:
//
//   # what the session shows
//   year 2001                      (season year, 1996 when absent)
//   gen 7                          (a generated season from seed 7; otherwise empty)
//   game 1 4 7 3 2 4 5 P1 P2 S     (first, second, meeting, runs, runs, month, day, and the
//                                  pitchers of record and save pitcher when given)
//   damage Tev_1996.DAT 5 "x"      (replace a line of a written file with raw text)
//   remove RIRE1996.DAT            (delete a written file)
//   tally bat_c " 4山田　　　　　　　　12"   (an entry appended to a table of the year's home-run file)
//   past 1997 5                    (another registered year: a generated season from seed 5)
//   homer 1 4 7 1 松井秀 4 藪       (a home run appended to the game of 1 at 4, meeting 7: the
//                                  batter's club and name, the pitcher's club and name)
//   args --screen 800x600 Command11 Command9
//   args Command11                 (a further run on the same folder, after "### run 2")
//   exit 0                         (the status of the last run; earlier runs must give 0)
//   --- output
//   ...                            (standard output, verbatim)
//
// With TEVARDIN_UPDATE_GOLDEN=1 the output section is rewritten from the actual run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "core/homeruns/homerun_file.h"
#include "core/settings/settings.h"
#include "core/text/cp932.h"
#include "driver.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"
#include "season_gen.h"
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

// Words of a recipe line; a word in double quotes may hold blanks.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        if (i >= line.size()) break;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            out.push_back(line.substr(i + 1, close - i - 1));
            i = close == std::string::npos ? line.size() : close + 1;
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

struct Prepared {
    std::vector<std::vector<std::string>> runs;
    int exit = 0;
};

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
        if (w[0] == "year") season->disp_year = w[1];
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
            test::add_game(*season, g);
        }
        if (w[0] == "homer") {
            Text& game = season->game_at(std::stoi(w[1]), league_index(std::stoi(w[2])), std::stoi(w[3]));
            game += format_hr(HrEntry{std::stoi(w[4]), from_utf8(w[5]), std::stoi(w[6]), from_utf8(w[7])});
        }
        if (w[0] == "past") past_years.emplace_back(w[1], std::stoul(w[2]));
        if (w[0] == "tally") {
            const std::map<std::string, Text*> tables = {
                {"bat_c", tallies->bat_c.data()},     {"bat_p", tallies->bat_p.data()},
                {"pit_c", tallies->pit_c.data()},     {"pit_p", tallies->pit_p.data()},
                {"bat_all", tallies->bat_all.data()}, {"pit_all", tallies->pit_all.data()}};
            tables.at(w[1])[tally_count[w[1]]++] = from_utf8(w[2]);
        }
        if (w[0] == "nofiles") write = false;
        if (w[0] == "damage" || w[0] == "remove") after_write.push_back(w);
        if (w[0] == "args") p.runs.emplace_back(w.begin() + 1, w.end());
        if (w[0] == "exit") p.exit = std::stoi(w[1]);
    }
    if (write) {
        std::string registered = "Regi Year= " + season->disp_year;
        for (const auto& [year, seed] : past_years) {
            EXPECT_TRUE(gen::write_generated(dir, gen::generate_season(year, static_cast<std::uint32_t>(seed))).ok());
            registered += year;
        }
        EXPECT_TRUE(gen::write_generated(dir, *season).ok());
        if (!past_years.empty()) {
            EXPECT_TRUE(inifile_write(dir, Settings{season->disp_year, registered}).ok());
        }
        if (!tally_count.empty()) {
            const ItemWriter file = homerun_file_writer(*tallies, paht_set(season->disp_year).homerun_file);
            EXPECT_TRUE(commit_writers(dir, {&file}).ok());
        }
    }
    for (const auto& w : after_write) {
        if (w[0] == "remove") fs::remove(dir / w[1]);
        if (w[0] == "damage") replace_line(dir / w[1], std::stoi(w[2]), w[3]);
    }
    return p;
}

void rewrite_output(const fs::path& file, const Session& session, const std::string& output) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : session.recipe) out << line << "\n";
    out << "--- output\n" << output;
}

class GoldenSession : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenSession, PrintsWhatTheFileExpects) {
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
        std::vector<std::string> args = {"--dir", dir.path().string()};
        args.insert(args.end(), p.runs[run].begin(), p.runs[run].end());
        status = cli::run_driver(args, out, err);
    }
    const char* update = std::getenv("TEVARDIN_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        rewrite_output(file, session, out.str());
        return;
    }
    EXPECT_EQ(status, p.exit) << err.str();
    EXPECT_EQ(out.str(), session.expected) << "stderr: " << err.str();
}

std::vector<std::string> golden_files() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kGoldenDir))
        if (entry.path().extension() == ".golden") names.push_back(entry.path().filename().string());
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
            if (line.rfind("args ", 0) == 0) all_args += " " + line.substr(5) + " ";
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
