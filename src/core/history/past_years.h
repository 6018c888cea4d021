// The past-years summary file "record.dat": handed out with the program's data and never
// written by it. Line 1 is a heading; lines 2..7 form the first block (final standings), lines
// 8..17 the second (leaders, scoring, champions). Nothing after line 17 is read.
#pragma once

#include <filesystem>
#include <string>

#include "core/text/error.h"
#include "core/text/text.h"

namespace tev {

inline const std::string kPastYearsFile = "record.dat";
inline constexpr int kPastYearsLines = 17;

struct PastYears {
    Text heading;      // line 1, not shown
    Text first_block;  // lines 2..7, each followed by CR LF
    Text second_block; // lines 8..17, each followed by CR LF
    bool sample = false;  // the heading marks the records as invented sample data
};

// The two blocks of "record.dat" in `dir`. Errors: `missing` when the file does not exist;
// `damaged` when it has fewer than 17 lines (the line is the first one missing) or bytes that
// are not code page 932.
Result<PastYears> read_past_years(const std::filesystem::path& dir);

}  // namespace tev
