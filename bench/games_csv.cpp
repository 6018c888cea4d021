// games-csv DIR YEAR   prints the stored games of DIR's season YEAR as CSV, one row per game:
// visitor, home, meeting, month, day, visitor's runs, home's runs, attendance and the three
// pitchers (UTF-8). It feeds the SQLite peer of bench/cli_vs_sqlite.sh, the database a user
// might load the same games into instead.
#include <cstdio>
#include <memory>
#include <string>

#include "core/settings/settings.h"
#include "core/store/game_string.h"
#include "core/store/season_files.h"

namespace {

using namespace tev;

// `text` as a CSV field in double quotes (a quote inside doubled).
std::string quoted(const Text& text) {
    std::string out = "\"";
    for (char c : to_utf8(text)) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: games-csv DIR YEAR\n");
        return 2;
    }
    auto season = std::make_unique<Season>();
    if (const auto read = read_season_files(argv[1], year_file_names(argv[2]), *season); !read) {
        std::fprintf(stderr, "%s\n", read.error().describe().c_str());
        return 1;
    }
    for_each_game(*season, 1, 12, [](Slot slot, const Text& game) {
        std::printf("%d,%d,%d,%d,%d,%d,%d,%lld,%s,%s,%s\n", slot.team, home_team(slot), slot.meet,
                    game_month(game), game_day(game), first_runs(game), second_runs(game),
                    game_attendance(game), quoted(first_pitcher(game)).c_str(),
                    quoted(second_pitcher(game)).c_str(), quoted(save_pitcher(game)).c_str());
    });
    return 0;
}
