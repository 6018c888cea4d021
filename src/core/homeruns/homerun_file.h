// The home-run file "homerun_<year>.DAT": 452 lines of quoted strings. Lines 1..151 hold entry
// 0..150 of the batter and pitcher tallies of each league (bat_c, bat_p, pit_c, pit_p), lines
// 152..452 entry 0..300 of the tallies of both leagues (bat_all, pit_all).
#pragma once

#include <filesystem>
#include <string>

#include "core/homeruns/homerun_tables.h"
#include "core/text/data_file.h"

namespace tev {

// The tallies of the file `dir`/`name`. A missing file gives empty tables (a season whose home
// runs were never built); a damaged one gives an error naming the file and line.
Result<HomerunTables> read_homerun_file(const std::filesystem::path& dir, const std::string& name);

// The writer of the file for `tables`.
ItemWriter homerun_file_writer(const HomerunTables& tables, const std::string& name);

}  // namespace tev
