#include <gtest/gtest.h>

#include <memory>

#include "core/homeruns/homerun_file.h"
#include "core/history/history_file.h"
#include "core/store/season_files.h"
#include "core/text/cp932.h"
#include "season_gen.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;
using test::TempDir;

int count_lines(const std::string& bytes) {
    int n = 0;
    for (std::size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++n;
    return n;
}

// The line `n` (1-based) of a CR LF file, without its line end.
std::string line_of(const std::string& bytes, int n) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

const FileNames kNames = year_file_names("1996");

TEST(SeasonFiles, AnEmptySeasonIsWrittenInFull) {
    TempDir dir;
    auto season = std::make_unique<Season>();
    ASSERT_TRUE(write_season_files(dir.path(), kNames, *season).ok());
    const std::string games = slurp(dir / "Tev_1996.DAT");
    EXPECT_EQ(count_lines(games), 2160);
    EXPECT_EQ(games.size(), 2160u * 4);  // "" CR LF
    const std::string best = slurp(dir / "Best100_1996.DAT");
    EXPECT_EQ(count_lines(best), 150);
    const std::string pitchers = slurp(dir / "Pitcher_1996.DAT");
    EXPECT_EQ(count_lines(pitchers), 250);
    EXPECT_EQ(line_of(pitchers, 250), "\"\",0,0,0,\"\",0,0,0,\"\",0,0,0");
}

TEST(SeasonFiles, AGameIsStoredAtItsSlotLine) {
    TempDir dir;
    auto season = std::make_unique<Season>();
    test::add_game(*season, {.first = 2, .second = 4, .meet = 7, .first_runs = 3, .second_runs = 1});
    ASSERT_TRUE(write_season_files(dir.path(), kNames, *season).ok());
    const std::string games = slurp(dir / "Tev_1996.DAT");
    const auto expected = encode_cp932(season->game_at(2, 4, 7));
    EXPECT_EQ(line_of(games, 277), "\"" + *expected + "\"");
    EXPECT_EQ(line_of(games, 276), "\"\"");
}

TEST(SeasonFiles, AGeneratedSeasonRoundTripsByteForByte) {
    TempDir dir;
    auto season = std::make_unique<Season>(gen::generate_season("1996", 7));
    season->score_list[0] = U" 3- 2   12試合";
    season->pitcher_c[0] = PitcherRow{U" 1斎藤雅\u3000\u3000  ", 10, 3, 0};  // full-width and trailing blanks
    season->pitcher_all[249] = PitcherRow{U"12ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ", 1, 2, 3};
    ASSERT_TRUE(write_season_files(dir.path(), kNames, *season).ok());
    const std::string first = slurp(dir / "Tev_1996.DAT") + slurp(dir / "Best100_1996.DAT") +
                              slurp(dir / "Pitcher_1996.DAT");

    auto back = std::make_unique<Season>();
    ASSERT_TRUE(read_season_files(dir.path(), kNames, *back).ok());
    EXPECT_EQ(back->games, season->games);
    EXPECT_EQ(back->score_list, season->score_list);
    EXPECT_EQ(back->pitcher_c, season->pitcher_c);
    EXPECT_EQ(back->pitcher_all, season->pitcher_all);

    TempDir again;
    ASSERT_TRUE(write_season_files(again.path(), kNames, *back).ok());
    EXPECT_EQ(slurp(again / "Tev_1996.DAT") + slurp(again / "Best100_1996.DAT") + slurp(again / "Pitcher_1996.DAT"),
              first);
}

TEST(SeasonFiles, ReadingReportsEachStepBeforeItsFile) {
    TempDir dir;
    auto season = std::make_unique<Season>();
    ASSERT_TRUE(write_season_files(dir.path(), kNames, *season).ok());
    std::vector<ReadStep> steps;
    ASSERT_TRUE(read_season_files(dir.path(), kNames, *season, [&](ReadStep s) { steps.push_back(s); }).ok());
    EXPECT_EQ(steps, (std::vector<ReadStep>{ReadStep::games, ReadStep::best, ReadStep::pitchers}));
}

// A season on disk and in memory; each damage below must leave the one in memory untouched.
class DamagedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        saved = std::make_unique<Season>(gen::generate_season("1996", 3));
        ASSERT_TRUE(write_season_files(dir.path(), kNames, *saved).ok());
        memory = std::make_unique<Season>();
        test::add_game(*memory, {.first = 1, .second = 2, .meet = 1, .first_runs = 9});
    }

    // Reads the damaged set: the error, with the season in memory unchanged.
    Error read_damaged() {
        const auto before = memory->games;
        auto status = read_season_files(dir.path(), kNames, *memory);
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(memory->games, before);
        return status.ok() ? Error{} : status.error();
    }

    void replace_line(const std::string& file, int n, const std::string& with) {
        std::string bytes = slurp(dir / file);
        std::size_t start = 0;
        for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
        bytes.replace(start, bytes.find("\r\n", start) - start, with);
        spit(dir / file, bytes);
    }

    TempDir dir;
    std::unique_ptr<Season> saved, memory;
};

TEST_F(DamagedFiles, AShortGameFileIsRefused) {
    std::string games = slurp(dir / "Tev_1996.DAT");
    spit(dir / "Tev_1996.DAT", games.substr(0, games.size() / 2));
    const Error e = read_damaged();
    EXPECT_EQ(e.kind, ErrorKind::damaged);
    EXPECT_EQ(e.file, "Tev_1996.DAT");
}

TEST_F(DamagedFiles, AWrongItemCountIsRefusedWithItsLine) {
    replace_line("Pitcher_1996.DAT", 17, "\"\",0,0,0,\"\",0,0");
    const Error e = read_damaged();
    EXPECT_EQ(e.file, "Pitcher_1996.DAT");
    EXPECT_EQ(e.line, 17);
}

TEST_F(DamagedFiles, AnUnterminatedQuoteIsRefused) {
    replace_line("Best100_1996.DAT", 3, "\"abc");
    const Error e = read_damaged();
    EXPECT_EQ(e.file, "Best100_1996.DAT");
    EXPECT_EQ(e.line, 3);
}

TEST_F(DamagedFiles, BytesOutsideCodePage932AreRefused) {
    replace_line("Tev_1996.DAT", 5, "\"\x81\"");
    EXPECT_EQ(read_damaged().line, 5);
}

TEST_F(DamagedFiles, AGameOfTheWrongShapeIsRefused) {
    int line = 1;
    while (saved->games[line - 1].empty()) ++line;
    const std::string game = *encode_cp932(saved->games[line - 1]);
    replace_line("Tev_1996.DAT", line, "\" 3 2\"");  // far too short
    EXPECT_EQ(read_damaged().line, line);
    replace_line("Tev_1996.DAT", line, "\"" + game + "x\"");  // not 109 + 24k
    EXPECT_EQ(read_damaged().line, line);
    replace_line("Tev_1996.DAT", line, "\"ab" + game.substr(2) + "\"");  // runs not a number
    EXPECT_EQ(read_damaged().line, line);
}

// A game file written by another hand (blanks around the quotes, a comma-free bare line end,
// trailing empty lines) is read item by item and gives the same games as the program's own.
TEST_F(DamagedFiles, AGameFileNotAsTheProgramWritesItReadsTheSameGames) {
    int line = 1;
    while (saved->games[line - 1].empty()) ++line;
    const std::string game = *encode_cp932(saved->games[line - 1]);
    replace_line("Tev_1996.DAT", line, "  \"" + game + "\"\t");
    spit(dir / "Tev_1996.DAT", slurp(dir / "Tev_1996.DAT") + "\r\n\r\n\x1a");
    ASSERT_TRUE(read_season_files(dir.path(), kNames, *memory).ok());
    EXPECT_EQ(memory->games, saved->games);
}

// Faults are told in line order whatever their kind: a bad shape before a bare item.
TEST_F(DamagedFiles, TheFirstFaultingLineOfTheGameFileIsTold) {
    int line = 1;
    while (saved->games[line - 1].empty()) ++line;
    replace_line("Tev_1996.DAT", line, "\" 3 2\"");
    replace_line("Tev_1996.DAT", 2000, "12");
    const Error e = read_damaged();
    EXPECT_EQ(e.line, line);
    EXPECT_EQ(e.detail, "試合データが109文字より短くなっています");
}

TEST_F(DamagedFiles, ANonNumericCountIsRefused) {
    replace_line("Pitcher_1996.DAT", 1, "\"\",x,0,0,\"\",0,0,0,\"\",0,0,0");
    EXPECT_EQ(read_damaged().line, 1);
}

TEST_F(DamagedFiles, AMissingFileIsReportedAsMissing) {
    std::filesystem::remove(dir / "Best100_1996.DAT");
    const Error e = read_damaged();
    EXPECT_EQ(e.kind, ErrorKind::missing);
    EXPECT_EQ(e.file, "Best100_1996.DAT");
}

TEST_F(DamagedFiles, AFailedSaveLeavesTheFilesInPlace) {
    const std::string before = slurp(dir / "Tev_1996.DAT") + slurp(dir / "Best100_1996.DAT") +
                               slurp(dir / "Pitcher_1996.DAT");
    std::filesystem::create_directory(dir / "Pitcher_1996.DAT.tmp");  // the last file cannot be written
    auto status = write_season_files(dir.path(), kNames, *memory);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT") + slurp(dir / "Best100_1996.DAT") + slurp(dir / "Pitcher_1996.DAT"),
              before);
}

TEST_F(DamagedFiles, AnUnencodableNameIsRefusedBeforeAnythingIsWritten) {
    const std::string before = slurp(dir / "Tev_1996.DAT");
    memory->pitcher_all[0].key = U" 1김";
    auto status = write_season_files(dir.path(), kNames, *memory);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().kind, ErrorKind::unencodable);
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), before);
}

TEST(HomerunFile, RoundTripsAndToleratesAMissingFile) {
    TempDir dir;
    auto missing = read_homerun_file(dir.path(), "homerun_1996.DAT");
    ASSERT_TRUE(missing.ok());
    EXPECT_EQ(missing->bat_c[0], U"");

    auto tables = std::make_unique<HomerunTables>();
    ItemWriter empty = homerun_file_writer(*tables, "homerun_1996.DAT");
    EXPECT_EQ(count_lines(empty.bytes()), 452);
    EXPECT_EQ(line_of(empty.bytes(), 1), "\"\",\"\",\"\",\"\"");
    EXPECT_EQ(line_of(empty.bytes(), 452), "\"\",\"\"");

    tables->bat_c[0] = U" 1松井秀\u3000\u3000\u3000\u3000\u3000\u3000\u300010";
    tables->pit_all[300] = U"12ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ 1";
    ItemWriter writer = homerun_file_writer(*tables, "homerun_1996.DAT");
    ASSERT_TRUE(commit_writers(dir.path(), {&writer}).ok());
    auto back = read_homerun_file(dir.path(), "homerun_1996.DAT");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, *tables);

    spit(dir / "homerun_1996.DAT", writer.bytes().substr(0, 100));
    EXPECT_FALSE(read_homerun_file(dir.path(), "homerun_1996.DAT").ok());
}

TEST(HistoryFile, RoundTripsAndNoticesAnEarlyEnd) {
    TempDir dir;
    auto history = std::make_unique<History>();
    history->rank[1][1] = 1;
    history->rank[226][12] = 6;
    history->pct[13][4] = 6666;
    ItemWriter writer = history_file_writer(*history, "RIRE1996.DAT");
    EXPECT_EQ(count_lines(writer.bytes()), 5424);
    EXPECT_EQ(line_of(writer.bytes(), 1), " 1");
    EXPECT_EQ(line_of(writer.bytes(), 2712), " 6");
    EXPECT_EQ(line_of(writer.bytes(), 2712 + 3 * 226 + 13), " 6666");
    ASSERT_TRUE(commit_writers(dir.path(), {&writer}).ok());
    EXPECT_TRUE(history_file_readable(dir.path(), "RIRE1996.DAT"));
    auto back = read_history_file(dir.path(), "RIRE1996.DAT");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->state, HistoryFileState::complete);
    EXPECT_EQ(back->history, *history);

    spit(dir / "RIRE1996.DAT", writer.bytes().substr(0, 300));
    auto early = read_history_file(dir.path(), "RIRE1996.DAT");
    ASSERT_TRUE(early.ok());
    EXPECT_EQ(early->state, HistoryFileState::ended_early);
    EXPECT_TRUE(history_rebuild_needed(*early));

    // A line that is no number is damage to mend by a rebuild, not a reason to stop.
    spit(dir / "RIRE1996.DAT", " 1\r\n x\r\n");
    auto damaged = read_history_file(dir.path(), "RIRE1996.DAT");
    ASSERT_TRUE(damaged.ok());
    EXPECT_EQ(damaged->state, HistoryFileState::damaged);
    EXPECT_EQ(damaged->problem.line, 2);

    EXPECT_FALSE(history_file_readable(dir.path(), "RIRE2000.DAT"));
    EXPECT_EQ(read_history_file(dir.path(), "RIRE2000.DAT").error().kind, ErrorKind::missing);
}

}  // namespace
}  // namespace tev

namespace tev {
namespace {

// A new installation starts from the files in data/: they must be exactly what the program
// writes for an empty 1996 season.
TEST(ShippedData, IsTheEmpty1996SeasonAsTheProgramWritesIt) {
    test::TempDir dir;
    auto empty = std::make_unique<Season>();
    ASSERT_TRUE(gen::write_generated(dir.path(), *empty).ok());
    const std::filesystem::path shipped = TEVARDIN_SHIPPED_DATA;
    for (const char* name : {"Tev_1996.DAT", "Best100_1996.DAT", "Pitcher_1996.DAT", "homerun_1996.DAT",
                             "RIRE1996.DAT", "Tevardin.ini"})
        EXPECT_EQ(test::slurp(shipped / name), test::slurp(dir / name)) << name;
}

}  // namespace
}  // namespace tev
