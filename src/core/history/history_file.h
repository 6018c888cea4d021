// The history file "RIRE<year>.DAT": 5,424 lines of one signed number each (printed with a sign
// blank). Lines 1..2,712 hold the places of club 1 days 1..226, club 2 days 1..226, ... club 12;
// lines 2,713..5,424 the percentages in the same order.
#pragma once

#include <filesystem>
#include <string>

#include "core/history/history.h"
#include "core/text/data_file.h"

namespace tev {

inline constexpr int kHistoryValues = 2 * 12 * kHistoryDays;  // 5,424

// What reading the history file gave: the values read, and whether the file held all of them
// (a file that ends early asks for a rebuild).
struct HistoryRead {
    History history;
    bool complete = false;
};

// True when the history file `dir`/`name` exists and can be read (the start-up check).
bool rire_chek(const std::filesystem::path& dir, const std::string& name);

// Reads the history file. A file that ends early is not an error (`complete` is false); a
// missing file gives `missing`, a line that is not a number in range gives `damaged`.
Result<HistoryRead> read_dat2(const std::filesystem::path& dir, const std::string& name);

// The writer of the history file for `history`.
ItemWriter history_file_writer(const History& history, const std::string& name);

}  // namespace tev
