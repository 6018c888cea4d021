// The entry journal "Entry_<year>.DAT": the games filed with Return since the season was last
// saved, written again (all at once) at each filing, so that a crash or a power cut while games
// are entered loses at most the game being typed. It is removed once the games are saved or the
// user lets them go; a start that finds it offers the games back. Code page 932, the item format of
// the year's files: line 1 the year, then one line per game: first-batting club, second club,
// meeting and the quoted game string.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/store/season.h"
#include "core/text/data_file.h"
#include "core/text/error.h"

namespace tev {

// "Entry_<year>.DAT".
std::string entry_journal_name(const std::string& year);

struct JournalEntry {
    int first = 0;   // batting first, 1..12
    int second = 0;  // batting second, 1..12
    int meeting = 0;
    Text game;

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

// The writer of the journal of `year` holding `entries`, in filing order.
ItemWriter entry_journal_writer(const std::string& year, const std::vector<JournalEntry>& entries);

// The journal of `year` in `dir`: nothing when there is none; a `damaged` error naming the file and
// line for a journal of another year, a line of the wrong shape, two clubs that cannot meet, a
// meeting the store cannot hold or a game string of the wrong shape. Nothing of a damaged journal
// is ever applied.
Result<std::optional<std::vector<JournalEntry>>> read_entry_journal(const std::filesystem::path& dir,
                                                                    const std::string& year);

// Files each entry into `season` where entry files it, in order (a later one of the same meeting
// wins, as when it was re-filed); nothing at all, and a `damaged` error naming the journal, when an
// interleague entry lies past the season's interleague meetings.
Status apply_journal(Season& season, const std::vector<JournalEntry>& entries);

}  // namespace tev
