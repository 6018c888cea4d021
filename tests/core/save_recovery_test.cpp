// The save journal and the mending of interrupted saves, and the faults of the file layer that
// are not crashes (a full disk, a folder that cannot be written, a file that cannot be opened,
// a file replaced by a folder), injected through the file seam: each fails with a clear reason
// and leaves the files in place as they were.
#include <gtest/gtest.h>

#include <cerrno>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/stats/score_list.h"
#include "core/store/interleague_file.h"
#include "core/store/save_journal.h"
#include "core/store/season_files.h"
#include "core/text/file_seam.h"
#include "core/years/save_recovery.h"
#include "core/years/year_files.h"
#include "season_gen.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

namespace fs = std::filesystem;
using test::slurp;
using test::spit;

class SaveRecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::add_game(season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2});
        ASSERT_TRUE(gen::write_generated(dir.path(), season).ok());
    }
    void TearDown() override { set_file_seam({}); }

    // Fails the step at `point` (for files whose name contains `part`) with `error`.
    void fail_at(FilePoint point, int error, std::string part = "") {
        set_file_seam([=](FilePoint p, const fs::path& path) {
            return p == point && path.filename().string().find(part) != std::string::npos ? error : 0;
        });
    }

    Season season;
    test::TempDir dir;
};

TEST_F(SaveRecoveryTest, AMarkerOfACutOffCommitRebuildsEveryDerivedFileFromTheGames) {
    const std::string old_history = slurp(dir / "RIRE1996.DAT");
    const std::string old_best = slurp(dir / "Best100_1996.DAT");
    // The new game file is in place, the derived files are still the old ones.
    test::add_game(season, {.first = 2, .second = 3, .meet = 1, .first_runs = 5, .second_runs = 1, .day = 6});
    ASSERT_TRUE(begin_save(dir.path(), "1996", SaveKind::rebuild).ok());
    const ItemWriter games = game_file_writer(season, "Tev_1996.DAT");
    ASSERT_TRUE(commit_writers(dir.path(), {&games}).ok());
    spit(dir / "Pitcher_1996.DAT.tmp", "torn");

    const Recovery mended = recover_interrupted_saves(dir.path());
    EXPECT_EQ(mended.rebuilt, std::vector<std::string>{"1996"});
    EXPECT_EQ(mended.temporaries_removed, 1);
    EXPECT_FALSE(mended.failure);
    EXPECT_FALSE(fs::exists(dir / "Tevardin_1996.SAV"));
    EXPECT_FALSE(fs::exists(dir / "Pitcher_1996.DAT.tmp"));
    EXPECT_NE(slurp(dir / "RIRE1996.DAT"), old_history);
    EXPECT_NE(slurp(dir / "Best100_1996.DAT"), old_best);
    EXPECT_EQ(slurp(dir / "RIRE1996.DAT"), history_file_writer(history_make(season), "RIRE1996.DAT").bytes());
    Season read;
    ASSERT_TRUE(read_season_files(dir.path(), year_file_names("1996"), read).ok());
    EXPECT_EQ(read.pitcher_c[0].key.substr(0, 2), U" 1");
}

TEST_F(SaveRecoveryTest, WithoutAMarkerNothingIsRebuiltAndOnlyOwnTemporariesGo) {
    spit(dir / "notes.txt.tmp", "the user's");
    spit(dir / "Tevardin.ini.tmp", "cut off");
    const std::string best = slurp(dir / "Best100_1996.DAT");
    spit(dir / "Best100_1996.DAT", best);
    const Recovery mended = recover_interrupted_saves(dir.path());
    EXPECT_FALSE(mended.anything());
    EXPECT_EQ(mended.temporaries_removed, 1);
    EXPECT_TRUE(fs::exists(dir / "notes.txt.tmp"));
    EXPECT_FALSE(fs::exists(dir / "Tevardin.ini.tmp"));
}

TEST_F(SaveRecoveryTest, AnUnfinishedNewYearIsUndoneUnlessTheSettingsRegisterIt) {
    Season empty;
    empty.disp_year = "1998";
    ASSERT_TRUE(begin_save(dir.path(), "1998", SaveKind::new_year).ok());
    ASSERT_TRUE(write_season_files(dir.path(), year_file_names("1998"), empty).ok());
    EXPECT_EQ(recover_interrupted_saves(dir.path()).rolled_back, std::vector<std::string>{"1998"});
    EXPECT_EQ(year_files_present(dir.path(), "1998"), std::vector<std::string>{});

    ASSERT_TRUE(begin_save(dir.path(), "1998", SaveKind::new_year).ok());
    ASSERT_TRUE(write_season_files(dir.path(), year_file_names("1998"), empty).ok());
    ASSERT_TRUE(write_settings(dir.path(), Settings{"1998", "Regi Year= 19961998"}).ok());
    const Recovery kept = recover_interrupted_saves(dir.path());
    EXPECT_FALSE(kept.anything());
    EXPECT_EQ(year_files_present(dir.path(), "1998").size(), 3u);
    EXPECT_FALSE(fs::exists(dir / "Tevardin_1998.SAV"));
}

TEST_F(SaveRecoveryTest, AnUnfinishedYearDeletionIsFinishedOnceTheSettingsLeftItOut) {
    Season other;
    other.disp_year = "1997";
    ASSERT_TRUE(gen::write_generated(dir.path(), other).ok());
    ASSERT_TRUE(write_settings(dir.path(), Settings{"1996", "Regi Year= 19961997"}).ok());
    ASSERT_TRUE(begin_save(dir.path(), "1997", SaveKind::delete_year).ok());
    // Still registered: nothing was changed yet, nothing is deleted.
    EXPECT_FALSE(recover_interrupted_saves(dir.path()).anything());
    EXPECT_EQ(year_files_present(dir.path(), "1997").size(), 5u);

    ASSERT_TRUE(begin_save(dir.path(), "1997", SaveKind::delete_year).ok());
    ASSERT_TRUE(write_settings(dir.path(), Settings{"1996", "Regi Year= 1996"}).ok());
    fs::remove(dir / "Tev_1997.DAT");
    EXPECT_EQ(recover_interrupted_saves(dir.path()).deleted, std::vector<std::string>{"1997"});
    EXPECT_EQ(year_files_present(dir.path(), "1997"), std::vector<std::string>{});
}

TEST_F(SaveRecoveryTest, AMarkerWhoseGameFileIsDamagedIsKeptAndNamed) {
    ASSERT_TRUE(begin_save(dir.path(), "1996", SaveKind::rebuild).ok());
    spit(dir / "Tev_1996.DAT", "\"\"\r\n");
    const Recovery mended = recover_interrupted_saves(dir.path());
    ASSERT_TRUE(mended.failure);
    EXPECT_EQ(mended.failure->file, "Tev_1996.DAT");
    EXPECT_TRUE(fs::exists(dir / "Tevardin_1996.SAV"));
}

// A commit of league and interleague games replaces the interleague file, then the game file.
// Cut between the two, the marker takes the interleague file back to what it was (or away, when
// the year had none), so that the season is the one before the commit; past the game file's
// rename it is the one after.
TEST(PairedCommitRecovery, ACutBeforeTheGameFileTakesTheInterleagueFileBack) {
    for (const bool had_interleague_file : {false, true}) {
        for (const bool game_file_replaced : {false, true}) {
            SCOPED_TRACE(std::string(had_interleague_file ? "with" : "without") + " an interleague file, game file " +
                         (game_file_replaced ? "replaced" : "old"));
            test::TempDir dir;
            Season season;
            season.disp_year = "2026";
            season.interleague_meetings = 3;
            test::add_game(season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2});
            if (had_interleague_file)
                test::add_interleague_game(season, {.first = 12, .second = 1, .meet = 1, .first_runs = 1, .second_runs = 3});
            ASSERT_TRUE(gen::write_generated(dir.path(), season).ok());
            ASSERT_EQ(fs::exists(dir / "Kouryu_2026.DAT"), had_interleague_file);
            const std::string old_games = slurp(dir / "Tev_2026.DAT");
            const std::string old_interleague = had_interleague_file ? slurp(dir / "Kouryu_2026.DAT") : "";

            test::add_game(season, {.first = 2, .second = 3, .meet = 1, .first_runs = 5, .second_runs = 1, .day = 6});
            test::add_interleague_game(season, {.first = 1, .second = 12, .meet = 2, .first_runs = 2, .second_runs = 0});
            const ItemWriter interleague = interleague_file_writer(season, "Kouryu_2026.DAT");
            const ItemWriter games = game_file_writer(season, "Tev_2026.DAT");
            ASSERT_TRUE(begin_save(dir.path(), "2026", SaveKind::rebuild).ok());
            ASSERT_TRUE(hold_put_back(dir.path(), "2026", {interleague.file_name(), interleague.bytes()},
                                      {games.file_name(), games.bytes()})
                            .ok());
            ASSERT_TRUE(commit_writers(dir.path(), {&interleague}).ok());
            if (game_file_replaced) {
                ASSERT_TRUE(commit_writers(dir.path(), {&games}).ok());
            }

            const Recovery mended = recover_interrupted_saves(dir.path());
            EXPECT_EQ(mended.rebuilt, std::vector<std::string>{"2026"});
            EXPECT_FALSE(mended.failure);
            EXPECT_FALSE(fs::exists(dir / "Tevardin_2026.SAV"));
            if (game_file_replaced) {
                EXPECT_EQ(slurp(dir / "Tev_2026.DAT"), games.bytes());
                EXPECT_EQ(slurp(dir / "Kouryu_2026.DAT"), interleague.bytes());
            } else {
                EXPECT_EQ(slurp(dir / "Tev_2026.DAT"), old_games);
                EXPECT_EQ(fs::exists(dir / "Kouryu_2026.DAT"), had_interleague_file);
                if (had_interleague_file) {
                    EXPECT_EQ(slurp(dir / "Kouryu_2026.DAT"), old_interleague);
                }
            }
            Season read;
            read.disp_year = "2026";
            ASSERT_TRUE(read_season_files(dir.path(), year_file_names("2026"), read).ok());
            EXPECT_EQ(read.score_list, build_score_list(read));  // the derived files follow
        }
    }
}

TEST(PairedCommitRecovery, OnlyASaveChangingBothFilesHoldsAPutBack) {
    test::TempDir dir;
    Season season;
    season.disp_year = "2026";
    season.interleague_meetings = 3;
    test::add_interleague_game(season, {.first = 12, .second = 1, .meet = 1, .first_runs = 1, .second_runs = 3});
    ASSERT_TRUE(gen::write_generated(dir.path(), season).ok());
    test::add_interleague_game(season, {.first = 1, .second = 12, .meet = 2, .first_runs = 2, .second_runs = 0});
    const ItemWriter interleague = interleague_file_writer(season, "Kouryu_2026.DAT");
    const ItemWriter games = game_file_writer(season, "Tev_2026.DAT");  // the same league games
    ASSERT_TRUE(begin_save(dir.path(), "2026", SaveKind::rebuild).ok());
    ASSERT_TRUE(hold_put_back(dir.path(), "2026", {interleague.file_name(), interleague.bytes()},
                              {games.file_name(), games.bytes()})
                    .ok());
    const auto pending = pending_save(dir.path(), "2026");
    ASSERT_TRUE(pending);
    EXPECT_EQ(pending->kind, SaveKind::rebuild);
    EXPECT_FALSE(pending->put_back);  // the interleague file's rename is the commit point
}

TEST_F(SaveRecoveryTest, OwnFileNames) {
    for (const char* own : {"Tev_1996.DAT", "Best100_2001.dat", "Pitcher_1997.DAT", "homerun_1996.DAT",
                            "RIRE1996.DAT", "Tevardin.ini", "Tevardin_1996.SAV", "Clubs_2026.DAT",
                            "Kouryu_2026.DAT"})
        EXPECT_TRUE(own_file_name(own)) << own;
    for (const char* other : {"old1997.dat", "Tev_96.DAT", "Tev_1996.txt", "record.dat", "Tevardin_19x6.SAV"})
        EXPECT_FALSE(own_file_name(other)) << other;
}

TEST_F(SaveRecoveryTest, AFullDiskFailsTheSaveWithItsReasonAndKeepsTheOldFiles) {
    const auto before = slurp(dir / "Tev_1996.DAT");
    test::add_game(season, {.first = 2, .second = 3, .meet = 1, .first_runs = 5, .second_runs = 1});
    fail_at(FilePoint::before_write, ENOSPC, "Pitcher");
    const Status saved = write_season_files(dir.path(), year_file_names("1996"), season);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().kind, ErrorKind::write_failed);
    EXPECT_EQ(saved.error().describe(), "Pitcher_1996.DAT: ディスクの空きが足りません");
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), before);
    EXPECT_FALSE(fs::exists(dir / "Tev_1996.DAT.tmp"));
    EXPECT_FALSE(fs::exists(dir / "Pitcher_1996.DAT.tmp"));
}

TEST_F(SaveRecoveryTest, AFolderThatCannotBeWrittenFailsBeforeAnyFileChanges) {
    const auto before = slurp(dir / "Tev_1996.DAT");
    fail_at(FilePoint::before_open_write, EACCES);
    const Status saved = write_season_files(dir.path(), year_file_names("1996"), season);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().describe(), "Tev_1996.DAT: 書き込みが許可されていません");
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), before);
    EXPECT_FALSE(begin_save(dir.path(), "1996", SaveKind::rebuild));
}

TEST_F(SaveRecoveryTest, AFileThatCannotBeOpenedIsNamedWithItsReason) {
    fail_at(FilePoint::before_open_read, EACCES, "Best100");
    Season read;
    const Status status = read_season_files(dir.path(), year_file_names("1996"), read);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().kind, ErrorKind::damaged);
    EXPECT_EQ(status.error().describe(), "Best100_1996.DAT: ファイルを開けません（読み取りが許可されていません）");
    EXPECT_TRUE(read.empty());
}

TEST_F(SaveRecoveryTest, AFileReplacedByAFolderIsNeitherReadNorOverwritten) {
    fs::remove(dir / "Best100_1996.DAT");
    fs::create_directory(dir / "Best100_1996.DAT");
    Season read;
    const Status status = read_season_files(dir.path(), year_file_names("1996"), read);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().describe(), "Best100_1996.DAT: 同じ名前のフォルダがあります");
    const auto before = slurp(dir / "Tev_1996.DAT");
    test::add_game(season, {.first = 2, .second = 3, .meet = 1, .first_runs = 5, .second_runs = 1});
    const Status saved = write_season_files(dir.path(), year_file_names("1996"), season);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().describe(), "Best100_1996.DAT: 同じ名前のフォルダがあります");
    EXPECT_EQ(slurp(dir / "Tev_1996.DAT"), before);
    EXPECT_TRUE(fs::is_directory(dir / "Best100_1996.DAT"));
    EXPECT_FALSE(fs::exists(dir / "Best100_1996.DAT.tmp"));
}

}  // namespace
}  // namespace tev
