#include "core/years/save_recovery.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_make.h"
#include "core/pitchers/pitcher_make.h"
#include "core/settings/settings.h"
#include "core/stats/score_list.h"
#include "core/store/save_journal.h"
#include "core/store/season_files.h"
#include "core/years/year_files.h"
#include "core/platform/utf8_path.h"

namespace tev {

namespace fs = std::filesystem;

namespace {

bool year_registered(const fs::path& dir, const std::string& year) {
    auto settings = read_settings(dir);
    if (!settings) return false;
    const std::vector<std::string> years = registered_years(settings->rec_year);
    return std::find(years.begin(), years.end(), year) != years.end();
}

// The four derived files of `year` built again from its game file.
Status rebuild_derived_files(const fs::path& dir, const std::string& year) {
    const FileNames names = year_file_names(year);
    auto season = std::make_unique<Season>();
    season->disp_year = year;
    std::error_code ec;
    if (!fs::exists(dir / name_on_disk(dir, names.game_file), ec)) return ok_status();  // nothing to follow
    if (Status read = read_game_file(dir, names, *season); !read) return read;
    season->score_list = build_score_list(*season);
    PitcherBuild central = build_pitcher_table(*season, 1, 6);
    PitcherBuild pacific = build_pitcher_table(*season, 7, 12);
    season->pitcher_all = merge_pitcher_tables(*season, central, pacific).table;
    season->pitcher_c = std::move(central.table);
    season->pitcher_p = std::move(pacific.table);
    season->homeruns = homerun_make(*season).tables;
    season->history = history_make(*season);
    const ItemWriter best = best_file_writer(*season, names.best_file);
    const ItemWriter pitchers = pitcher_file_writer(*season, names.pitcher_file);
    const ItemWriter homeruns = homerun_file_writer(season->homeruns, names.homerun_file);
    const ItemWriter history = history_file_writer(season->history, names.history_file);
    return commit_writers(dir, {&best, &pitchers, &homeruns, &history});
}

void mend(const fs::path& dir, const PendingSave& save, Recovery& out) {
    Status mended = ok_status();
    switch (save.kind) {
        case SaveKind::rebuild:
            if (save.put_back) mended = apply_put_back(dir, *save.put_back);
            if (mended) mended = rebuild_derived_files(dir, save.year);
            if (mended) out.rebuilt.push_back(save.year);
            break;
        case SaveKind::new_year:
            if (year_registered(dir, save.year)) break;
            mended = delete_year_files(dir, save.year);
            if (mended) out.rolled_back.push_back(save.year);
            break;
        case SaveKind::delete_year:
            if (year_registered(dir, save.year)) break;
            mended = delete_year_files(dir, save.year);
            if (mended) out.deleted.push_back(save.year);
            break;
    }
    if (mended) mended = end_save(dir, save.year);
    if (!mended && !out.failure) out.failure = mended.error();
}

bool digits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool is_dat(std::string ext) {
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
    return ext == ".DAT";
}

}  // namespace

bool own_file_name(const std::string& name) {
    if (name == kSettingsFile) return true;
    if (name.size() == 17 && name.rfind("Tevardin_", 0) == 0 && name.substr(13) == ".SAV")
        return digits(name.substr(9, 4));
    if (name.size() < 8 || !is_dat(name.substr(name.size() - 4))) return false;
    const std::string stem = name.substr(0, name.size() - 4);
    for (const char* prefix : {"Tev_", "Best100_", "Pitcher_", "homerun_", "RIRE", "Clubs_", "Kouryu_", "Entry_"}) {
        const std::string p = prefix;
        if (stem.size() == p.size() + 4 && stem.rfind(p, 0) == 0 && digits(stem.substr(p.size()))) return true;
    }
    return false;
}

int remove_stray_temporaries(const fs::path& dir) {
    int removed = 0;
    std::error_code ec;
    std::vector<fs::path> strays;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = utf8_string(entry.path().filename());
        if (name.size() > 4 && name.substr(name.size() - 4) == ".tmp" && own_file_name(name.substr(0, name.size() - 4)))
            strays.push_back(entry.path());
    }
    for (const fs::path& stray : strays)
        if (fs::remove(stray, ec)) ++removed;
    return removed;
}

Recovery recover_interrupted_saves(const fs::path& dir) {
    Recovery out;
    out.temporaries_removed = remove_stray_temporaries(dir);
    for (const PendingSave& save : pending_saves(dir)) mend(dir, save, out);
    return out;
}

Recovery recover_year(const fs::path& dir, const std::string& year) {
    Recovery out;
    if (auto save = pending_save(dir, year)) mend(dir, *save, out);
    return out;
}

}  // namespace tev
