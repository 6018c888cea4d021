#include "support/save_check.h"

#include <memory>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_make.h"
#include "core/pitchers/pitcher_make.h"
#include "core/stats/score_list.h"
#include "core/store/season_files.h"
#include "support/temp_dir.h"

namespace tev::test {

namespace fs = std::filesystem;

std::map<std::string, std::string> folder_files(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file()) files[entry.path().filename().string()] = slurp(entry.path());
    return files;
}

void copy_folder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(to)) fs::remove_all(entry.path());
    for (const fs::directory_entry& entry : fs::directory_iterator(from))
        fs::copy(entry.path(), to / entry.path().filename(), fs::copy_options::recursive);
}

std::string derived_files_fault(const fs::path& dir, const std::string& year) {
    const FileNames names = year_file_names(year);
    auto season = std::make_unique<Season>();
    season->disp_year = year;
    if (Status read = read_game_file(dir, names, *season); !read) return "game file: " + read.error().describe();
    season->score_list = build_score_list(*season);
    season->pitcher_c = build_pitcher_table(*season, 1, 6).table;
    season->pitcher_p = build_pitcher_table(*season, 7, 12).table;
    season->pitcher_all = build_pitcher_table(*season, 1, 12).table;
    const ItemWriter expected[] = {best_file_writer(*season, names.best_file),
                                   pitcher_file_writer(*season, names.pitcher_file),
                                   homerun_file_writer(homerun_make(*season).tables, names.homerun_file),
                                   history_file_writer(history_make(*season), names.history_file)};
    std::string fault;
    // A missing home-run file reads as a season without home runs (a new year has none).
    const std::string no_homeruns = homerun_file_writer(HomerunTables{}, names.homerun_file).bytes();
    for (const ItemWriter& writer : expected) {
        std::string on_disk = slurp(dir / writer.file_name());
        if (on_disk.empty() && writer.file_name() == names.homerun_file && !fs::exists(dir / writer.file_name()))
            on_disk = no_homeruns;
        if (on_disk != writer.bytes()) fault += writer.file_name() + " disagrees with the games; ";
    }
    return fault;
}

std::vector<std::string> leftovers(const fs::path& dir) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        const bool temp = name.size() > 4 && name.substr(name.size() - 4) == ".tmp";
        const bool marker = name.rfind("Tevardin_", 0) == 0 && name.size() > 4 && name.substr(name.size() - 4) == ".SAV";
        if (temp || marker) names.push_back(name);
    }
    return names;
}

}  // namespace tev::test
