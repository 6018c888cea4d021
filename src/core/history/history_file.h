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

// How sound a history file that could be opened was.
enum class HistoryFileState {
    complete,     // all 5,424 values, each in range
    ended_early,  // fewer lines than values
    damaged,      // a value that is no number, a place outside 0..6 or a percentage outside
                  // 0..10000, or a line that is not text of code page 932
};

// What reading the history file gave: the values read and how sound the file was.
struct HistoryRead {
    History history;
    HistoryFileState state = HistoryFileState::complete;
    Error problem;  // where the file went wrong (for ended_early and damaged)
};

// True when the history read cannot be used and must be rebuilt from the games (the file ended
// early or is damaged). Its values are then not to be used at all.
bool history_rebuild_needed(const HistoryRead& read);

// True when the history file `dir`/`name` exists and can be read (the start-up check).
bool history_file_readable(const std::filesystem::path& dir, const std::string& name);

// Reads the history file. A file that ends early or holds values out of range is not an error
// but a state of the read (a rebuild mends it); only a file that does not exist or cannot be
// read gives an error (`missing`).
Result<HistoryRead> read_history_file(const std::filesystem::path& dir, const std::string& name);

// The writer of the history file for `history`.
ItemWriter history_file_writer(const History& history, const std::string& name);

}  // namespace tev
