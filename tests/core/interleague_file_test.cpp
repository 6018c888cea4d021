#include "core/store/interleague_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/store/season_files.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::spit;

constexpr const char* kName = "Kouryu_2026.DAT";

// A 2026 season with three interleague meetings per pair and two interleague games, one a draw.
Season season_2026() {
    Season season;
    season.disp_year = "2026";
    season.interleague_meetings = 3;
    test::add_interleague_game(season, {.first = 7, .second = 1, .meet = 1, .first_runs = 3, .second_runs = 2,
                                        .month = 6, .day = 2, .first_pitcher = U"山本", .second_pitcher = U"菅野"});
    test::add_interleague_game(season, {.first = 4, .second = 12, .meet = 3, .first_runs = 1, .second_runs = 1,
                                        .month = 6, .day = 14});
    return season;
}

// `bytes` with line `line` (1-based) replaced by `text`.
std::string with_line(const std::string& bytes, int line, const std::string& text) {
    std::string out;
    std::size_t at = 0;
    for (int n = 1; at < bytes.size(); ++n) {
        const std::size_t end = bytes.find("\r\n", at);
        out += (n == line ? text : bytes.substr(at, end - at)) + "\r\n";
        at = end + 2;
    }
    return out;
}

Error read_error(const test::TempDir& dir) {
    const auto read = read_interleague_file(dir.path(), kName);
    EXPECT_FALSE(read.ok());
    return read ? Error{} : read.error();
}

TEST(InterleagueFile, WritesTheMeetingsThenOneQuotedLinePerSlotAndReadsThemBack) {
    const Season season = season_2026();
    const ItemWriter writer = interleague_file_writer(season, kName);
    ASSERT_TRUE(writer.ok());
    const std::string& bytes = writer.bytes();
    EXPECT_EQ(bytes.substr(0, 5), "3\r\n\"\"");
    // Team 7 against the first Central club, meeting 1: line 1 + ((7 - 1) * 6 + 0) * 6 + 1 = 218.
    EXPECT_EQ(interleague_slot_line({7, 1, 1}) + 1, 218);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 433);

    test::TempDir dir;
    spit(dir.path() / kName, bytes);
    const auto read = read_interleague_file(dir.path(), kName);
    ASSERT_TRUE(read.ok()) << read.error().describe();
    ASSERT_TRUE(read->has_value());
    EXPECT_EQ((*read)->meetings, 3);
    EXPECT_EQ((*read)->games, season.interleague);
    EXPECT_EQ((*read)->games[static_cast<std::size_t>(interleague_slot_line({7, 1, 1}) - 1)],
              season.interleague_at({7, 1, 1}));
}

TEST(InterleagueFile, AMissingFileIsAYearWithoutInterleaguePlay) {
    test::TempDir dir;
    const auto read = read_interleague_file(dir.path(), kName);
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read->has_value());
}

TEST(InterleagueFile, ADamagedFileIsToldWithItsLine) {
    const std::string good = interleague_file_writer(season_2026(), kName).bytes();
    test::TempDir dir;
    struct Case {
        std::string bytes;
        int line;
    };
    const int game_line = interleague_slot_line({7, 1, 1}) + 1;
    const int third_meeting_line = interleague_slot_line({4, 6, 3}) + 1;  // 阪神 at ソフトバンク, meeting 3
    for (const Case& c : {Case{good.substr(0, good.size() - 4), 0},       // the last line lost
                          Case{with_line(good, 1, "7"), 1},                // more meetings than the store holds
                          Case{with_line(good, 1, "\"3\""), 1},            // the count quoted
                          Case{with_line(good, game_line, "\"short\""), game_line},  // not a game string
                          Case{with_line(good, game_line, "\"\",\"\""), game_line},  // two items
                          Case{with_line(good, 1, "2"), third_meeting_line}}) {  // meeting 3 of a 2-meeting year
        spit(dir.path() / kName, c.bytes);
        const Error error = read_error(dir);
        EXPECT_EQ(error.kind, ErrorKind::damaged);
        EXPECT_EQ(error.file, kName);
        EXPECT_EQ(error.line, c.line) << error.describe();
    }
}

// The year's file set: the interleague file goes with the season's other files, read and written
// with them, and a year without interleague games keeps exactly the files it always had.
TEST(InterleagueFile, TravelsWithTheSeasonFilesOnlyWhenTheYearHasInterleaguePlay) {
    test::TempDir dir;
    const FileNames names = year_file_names("2026");
    Season empty;
    empty.disp_year = "2026";
    empty.interleague_meetings = 3;  // the era's number: nothing to keep in a file
    ASSERT_TRUE(write_season_files(dir.path(), names, empty).ok());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kName));

    const Season season = season_2026();
    ASSERT_TRUE(write_season_files(dir.path(), names, season).ok());
    ASSERT_TRUE(std::filesystem::exists(dir.path() / kName));
    Season read;
    read.disp_year = "2026";
    ASSERT_TRUE(read_season_files(dir.path(), names, read).ok());
    EXPECT_EQ(read.interleague, season.interleague);
    EXPECT_EQ(read.interleague_meetings, 3);
    EXPECT_EQ(read.games, season.games);

    // A damaged interleague file makes the whole year unreadable: nothing is half-read.
    spit(dir.path() / kName, "9\r\n");
    Season kept = season_2026();
    const Status damaged = read_season_files(dir.path(), names, kept);
    ASSERT_FALSE(damaged.ok());
    EXPECT_EQ(damaged.error().file, kName);
    EXPECT_EQ(kept.interleague, season.interleague);
}

TEST(InterleagueFile, AYearWithoutTheFileTakesTheMeetingsOfItsEra) {
    test::TempDir dir;
    for (const auto& [year, meetings] : {std::pair{"1996", 0}, std::pair{"2005", 6}, std::pair{"2010", 4},
                                         std::pair{"2020", 0}, std::pair{"2026", 3}}) {
        Season season;
        season.disp_year = year;
        season.interleague_meetings = 5;
        Season written;
        written.disp_year = year;
        written.interleague_meetings = meetings;  // as the era says: no interleague file is written
        ASSERT_TRUE(write_season_files(dir.path(), year_file_names(year), written).ok());
        ASSERT_FALSE(std::filesystem::exists(dir.path() / interleague_file_name(year)));
        ASSERT_TRUE(read_season_files(dir.path(), year_file_names(year), season).ok());
        EXPECT_EQ(season.interleague_meetings, meetings) << year;
    }
}

}  // namespace
}  // namespace tev
