// The interleague file "Kouryu_<year>.DAT" of one year: the games between the two leagues (交流戦)
// and the meetings per interleague pair, beside the year's other files and in their item format.
// Line 1 holds the meetings per pair as a plain number (0..6); lines 2..433 one quoted GameString
// each (or ""), the slot (first-batting team, home club's index in its league, meeting) at line
// 1 + ((team - 1) * 6 + (opp - 1)) * 6 + meeting. A year without interleague play has no such
// file, so its files are exactly those of an installation that knows nothing of it.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/store/season.h"
#include "core/text/data_file.h"
#include "core/text/error.h"

namespace tev {

// "Kouryu_<year>.DAT".
std::string interleague_file_name(const std::string& year);

struct InterleagueGames {
    int meetings = 0;
    std::array<Text, kInterleagueSlotCount> games;
};

// The interleague games of the file `dir`/`name` (or its other extension case): nothing when the
// file is missing; a `damaged` error naming the file and line for a file of the wrong shape, a
// meetings count outside 0..6, a line that is not a game string, or a game filed past the
// meetings count.
Result<std::optional<InterleagueGames>> read_interleague_file(const std::filesystem::path& dir,
                                                              const std::string& name);

// The interleague games of `year` into `into`, as the year's other files are read: the file's
// games and meetings, or none and the era's meetings (era_shape) when the year has no file; a
// `damaged` error (and `into` unchanged) for a file that cannot be used.
Status read_year_interleague(const std::filesystem::path& dir, const std::string& year, InterleagueGames& into);

// Whether `season` needs its interleague file written: it holds a game, its meetings differ
// from the era's, or the file is already there. Otherwise the year keeps exactly the files of an
// installation that knows nothing of interleague play.
bool interleague_file_wanted(const std::filesystem::path& dir, const Season& season);

// The writer of the interleague file of `season`.
ItemWriter interleague_file_writer(const Season& season, const std::string& name);

}  // namespace tev
