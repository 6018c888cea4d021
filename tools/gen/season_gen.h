// A plausible generated season for tests, benchmarks and demonstrations: per league every pair
// meets 26 times (130 games a club) between 30 March and 10 October, with innings that add up to
// the runs, pitchers of record from club staffs, saves, home runs and attendance.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/store/season.h"
#include "core/text/error.h"

namespace tev::gen {

// The season of `year` (four digits) drawn from `seed`; the same seed gives the same season.
Season generate_season(const std::string& year, std::uint32_t seed);

// Writes `season` into `dir` through the program's own writers, with the tables saved beside
// the games built from them: the season file set, the home-run file, the history file and a
// settings file that shows and registers the year.
Status write_generated(const std::filesystem::path& dir, const Season& season);

}  // namespace tev::gen
