// The entry journal: the games filed since the last save, read back whole or refused whole.
#include "core/store/entry_journal.h"

#include <gtest/gtest.h>

#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::spit;

std::vector<JournalEntry> two_games() {
    Season season;
    season.disp_year = "2026";
    season.interleague_meetings = 3;
    test::add_game(season, {.first = 1, .second = 4, .meet = 8, .first_runs = 3, .second_runs = 1});
    test::add_interleague_game(season, {.first = 12, .second = 1, .meet = 2, .first_runs = 1, .second_runs = 1});
    return {{1, 4, 8, season.game_at(1, 4, 8)}, {12, 1, 2, season.interleague_at({12, 1, 2})}};
}

TEST(EntryJournal, ReadsBackWhatWasWrittenAndFilesItWhereEntryFilesIt) {
    test::TempDir dir;
    const std::vector<JournalEntry> entries = two_games();
    const ItemWriter writer = entry_journal_writer("2026", entries);
    ASSERT_TRUE(writer.ok());
    spit(dir.path() / "Entry_2026.DAT", writer.bytes());
    const auto read = read_entry_journal(dir.path(), "2026");
    ASSERT_TRUE(read.ok()) << read.error().describe();
    ASSERT_TRUE(read->has_value());
    EXPECT_EQ(**read, entries);

    Season season;
    season.disp_year = "2026";
    season.interleague_meetings = 3;
    ASSERT_TRUE(apply_journal(season, entries).ok());
    EXPECT_EQ(season.game_at(1, 4, 8), entries[0].game);
    EXPECT_EQ(season.interleague_at({12, 1, 2}), entries[1].game);

    EXPECT_FALSE(read_entry_journal(dir.path(), "2025")->has_value());  // no journal of that year
}

TEST(EntryJournal, ADamagedJournalIsRefusedWholeWithItsLine) {
    const std::string good = entry_journal_writer("2026", two_games()).bytes();
    const std::string first_line = good.substr(0, good.find("\r\n") + 2);
    struct Case {
        std::string bytes;
        int line;
    };
    test::TempDir dir;
    for (const Case& c : {Case{"\"2025\"\r\n", 1},                               // another year's journal
                          Case{first_line + "1,4,8\r\n", 2},                      // the game missing
                          Case{first_line + "1,1,8,\"\"\r\n", 2},                 // a club against itself
                          Case{first_line + "1,13,8,\"\"\r\n", 2},                // no club 13
                          Case{first_line + "1,4,31,\"x\"\r\n", 2},               // past the store's meetings
                          Case{first_line + "12,1,7,\"x\"\r\n", 2},               // past six interleague meetings
                          Case{first_line + "1,4,8,\"short\"\r\n", 2}}) {          // not a game string
        spit(dir.path() / "Entry_2026.DAT", c.bytes);
        const auto read = read_entry_journal(dir.path(), "2026");
        ASSERT_FALSE(read.ok()) << c.bytes;
        EXPECT_EQ(read.error().kind, ErrorKind::damaged);
        EXPECT_EQ(read.error().file, "Entry_2026.DAT");
        EXPECT_EQ(read.error().line, c.line) << read.error().describe();
    }
}

TEST(EntryJournal, AnInterleagueGamePastTheYearsMeetingsIsNeverHalfApplied) {
    std::vector<JournalEntry> entries = two_games();
    Season season;
    season.disp_year = "2026";
    season.interleague_meetings = 1;  // meeting 2 of the journal's interleague game lies past it
    const Status applied = apply_journal(season, entries);
    ASSERT_FALSE(applied.ok());
    EXPECT_EQ(applied.error().line, 3);
    EXPECT_TRUE(season.empty());  // not even the league game before it
}

}  // namespace
}  // namespace tev
