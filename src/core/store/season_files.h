// The season file set: the game file (2,160 lines, one quoted GameString or "" each, in slot
// order), the score-list file (150 quoted lines), the pitcher file (250 lines of the three
// pitcher tables side by side: key, wins, losses, saves, three times) and, for a year of
// interleague play, the interleague file (interleague_file.h), read with the game file.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "core/settings/settings.h"
#include "core/store/season.h"
#include "core/text/data_file.h"

namespace tev {

// The moments at which `read_season_files` hands control back (before each file).
enum class ReadStep { games, best, pitchers };

// Reads the three files of `names` into `season`. Nothing in `season` changes unless all three
// are sound: a missing file gives a `missing` error, any other fault a `damaged` error naming
// the file and line. `before` is called before each file is read.
Status read_season_files(const std::filesystem::path& dir, const FileNames& names, Season& season,
                         const std::function<void(ReadStep)>& before = {});

// Reads only the game file of `names` into `season.games` (unchanged unless the file is sound),
// for mending the files derived from it.
Status read_game_file(const std::filesystem::path& dir, const FileNames& names, Season& season);

// The three pitcher tables (Central, Pacific, both) of the pitcher file `dir`/`name` alone, with
// the same checks as `read_season_files`; used by the cumulative records, which read every
// year's file.
Result<std::array<PitcherTable, 3>> read_pitcher_file(const std::filesystem::path& dir, const std::string& name);

// The three files of `season` (and its interleague file, when wanted) written together, each complete or not at all (see
// write_files_atomically); a text that the files cannot hold fails the save before anything is
// written.
Status write_season_files(const std::filesystem::path& dir, const FileNames& names,
                          const Season& season);

// The writers of the season's files in the order a save replaces them: the score list, the
// pitchers, the interleague games (when the year has them, interleague_file_wanted) and the
// game file last, so that no derived file runs ahead of the games it follows.
std::vector<ItemWriter> season_file_writers(const std::filesystem::path& dir, const FileNames& names,
                                            const Season& season);

// The writers of the three files, for callers that add them to a larger set.
ItemWriter game_file_writer(const Season& season, const std::string& name);
ItemWriter best_file_writer(const Season& season, const std::string& name);
ItemWriter pitcher_file_writer(const Season& season, const std::string& name);

}  // namespace tev
