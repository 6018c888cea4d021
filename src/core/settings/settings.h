// The settings file "Tevardin.ini": the year shown and the registered years, two ASCII lines
//   Disp Year= 1996
//   Regi Year= 19961997
// and the per-year file names derived from the year shown.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/text/error.h"

namespace tev {

inline constexpr const char* kSettingsFile = "Tevardin.ini";

struct Settings {
    std::string disp_year = "1996";            // characters 12..15 of line 1
    std::string rec_year = "Regi Year= 1996";  // line 2 as read, key included
};

// The per-year file names of `disp_year` (bare names, no directory).
struct FileNames {
    std::string game_file;     // Tev_<year>.DAT
    std::string best_file;     // Best100_<year>.DAT
    std::string pitcher_file;  // Pitcher_<year>.DAT
    std::string homerun_file;  // homerun_<year>.DAT
    std::string history_file;  // RIRE<year>.DAT
};

// The game, score-list, pitcher, home-run and history file names of the year `disp_year`.
FileNames year_file_names(const std::string& disp_year);

// Reads the settings of `dir`. A missing file is created with the defaults (1996 shown and
// registered), which are returned; a file that cannot be read or has fewer than two lines gives
// a `damaged` error.
Result<Settings> read_settings(const std::filesystem::path& dir);

// Writes both lines of `settings` (created or replaced whole).
Status write_settings(const std::filesystem::path& dir, const Settings& settings);

// The registered years of `rec_year`, four characters each, in registration order.
std::vector<std::string> registered_years(const std::string& rec_year);

// `rec_year` with `year` appended.
std::string rec_year_with(const std::string& rec_year, const std::string& year);

// `rec_year` rebuilt without `year`, the other years in their old order.
std::string rec_year_without(const std::string& rec_year, const std::string& year);

}  // namespace tev
