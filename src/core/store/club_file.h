// The club file "Clubs_<year>.DAT" of one year: the year's own club names and meetings per pair
// (club_names.h), beside the year's other files and in their item format. Lines 1..12 hold the
// eight name forms of team 1..12 as quoted strings, in the order of ClubForm; line 13 the
// meetings per pair as a plain number. A year without the file shows the default names; so an
// installation that knows nothing of the file still reads every other file of the year, and a
// year that keeps the default names writes no club file at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/store/club_names.h"
#include "core/text/data_file.h"
#include "core/text/error.h"

namespace tev {

// "Clubs_<year>.DAT".
std::string club_file_name(const std::string& year);

// The club names of the file `dir`/`name` (or its other extension case): nothing when the file
// is missing; a `damaged` error naming the file and line for a file of the wrong shape, and one
// naming the file whose names cannot be used (club_names_problem says why). The names come back
// padded.
Result<std::optional<ClubNames>> read_club_file(const std::filesystem::path& dir, const std::string& name);

// The writer of the club file of `names`.
ItemWriter club_file_writer(const ClubNames& names, const std::string& name);

}  // namespace tev
