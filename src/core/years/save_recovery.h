// Mending what an interrupted save left, before a year is read. Every save keeps the game file
// whole (it is replaced by one rename) and writes its marker first (core/store/save_journal.h),
// so a start that finds a marker knows which year may hold a mixed set and mends it:
//   - rebuild: the score list, pitcher, home-run and history files are built again from the
//     game file, old or new, so that every derived file agrees with the games;
//   - new_year: when the settings do not register the year yet, its files are removed (the old
//     state); when they do, the new year is whole already;
//   - delete_year: when the settings no longer register the year, its remaining files are
//     removed (the new state); otherwise nothing was changed yet.
// Temporary files that a cut-off write left ("NAME.tmp" of the program's own files) are removed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/text/error.h"

namespace tev {

struct Recovery {
    std::vector<std::string> rebuilt;      // years whose derived files were built again
    std::vector<std::string> rolled_back;  // years whose unfinished 新規作成 was undone
    std::vector<std::string> deleted;      // years whose unfinished ﾃﾞｰﾀﾌｧｲﾙ削除 was finished
    int temporaries_removed = 0;
    std::optional<Error> failure;  // the first marker that could not be mended (it is kept)

    bool anything() const { return !rebuilt.empty() || !rolled_back.empty() || !deleted.empty(); }
};

// Mends every interrupted save of `dir` and removes the stray temporaries; what it did.
Recovery recover_interrupted_saves(const std::filesystem::path& dir);

// The same for the marker of `year` alone (nothing when it has none).
Recovery recover_year(const std::filesystem::path& dir, const std::string& year);

// Removes the temporaries of the program's own files in `dir`; how many.
int remove_stray_temporaries(const std::filesystem::path& dir);

// True when `name` is one of the program's own files: a year file (Tev_, Best100_, Pitcher_,
// homerun_, RIRE, Clubs_, Kouryu_ or Entry_ with a four-digit year, ".DAT" in either case), the settings
// or a marker.
bool own_file_name(const std::string& name);

}  // namespace tev
