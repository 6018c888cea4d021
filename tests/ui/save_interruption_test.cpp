// Every save stopped at every point of the file layer: in a child process the window model plays
// a save and the file seam ends the child right after one step (half a file written, a file
// flushed, synced, renamed, removed, the folder synced); the parent then starts the program on
// what is left and checks that it shows the season before the save or the one after it, whole,
// with every derived file agreeing with its game file and nothing left over.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <iostream>

#include "core/settings/settings.h"
#include "core/store/season_files.h"
#include "core/text/file_seam.h"
#include "core/years/year_files.h"
#include "season_gen.h"
#include "support/save_check.h"
#include "support/save_sessions.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"

namespace tev {
namespace {

namespace fs = std::filesystem;

constexpr int kStopped = 3;
constexpr int kFinished = 0;

bool stop_point(FilePoint p) {
    switch (p) {
        case FilePoint::half_written:
        case FilePoint::flushed:
        case FilePoint::synced:
        case FilePoint::renamed:
        case FilePoint::removed:
        case FilePoint::folder_synced: return true;
        default: return false;
    }
}

using test::commit_a_game;
using test::create_1998;
using test::delete_1997;
using test::delete_the_shown_game;
using test::Play;

void read_1997(ui::MainWindow& w, ui::ScriptedServices&) { test::read_year(w, U"1997"); }

// What a start finds, reduced to what the rule compares.
struct Shown {
    std::string settings;
    std::string year;
    std::string games;  // the shown year's game file
    bool operator==(const Shown&) const = default;
};

class SaveInterruptionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::write_two_years(base.path());
        if (HasFatalFailure()) return;
        ASSERT_TRUE(write_settings(base.path(), Settings{"1996", "Regi Year= 19961997"}).ok());
    }

    // Plays `play` in a child on a fresh copy of the folder, stopped after the `stop`th point
    // (none when -1); true when the child stopped there, false when the save ran to its end.
    bool run_child(const Play& play, int stop, std::string& where) {
        test::copy_folder(base.path(), work.path());
        int pipe_fds[2];
        EXPECT_EQ(::pipe(pipe_fds), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(pipe_fds[0]);
            ui::ScriptedServices services;
            ui::MainWindow window(work.path(), services);
            if (!window.start()) ::_exit(10);
            int seen = 0;
            set_file_seam([&](FilePoint point, const fs::path& path) {
                if (stop_point(point) && seen++ == stop) {
                    const std::string note = std::string(point_name(point)) + " " + path.filename().string();
                    (void)!::write(pipe_fds[1], note.data(), note.size());
                    ::_exit(kStopped);
                }
                return 0;
            });
            play(window, services);
            ::_exit(kFinished);
        }
        ::close(pipe_fds[1]);
        char buffer[256];
        const ssize_t n = ::read(pipe_fds[0], buffer, sizeof buffer);
        where.assign(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
        ::close(pipe_fds[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_TRUE(WEXITSTATUS(status) == kStopped || WEXITSTATUS(status) == kFinished) << WEXITSTATUS(status);
        return WIFEXITED(status) && WEXITSTATUS(status) == kStopped;
    }

    // Starts the program on the work folder and checks the rule; what it shows.
    Shown start_and_check(const std::string& where) {
        ui::ScriptedServices services;
        services.answers = {false};  // games a cut-off entry journal offers back are let go
        auto window = std::make_unique<ui::MainWindow>(work.path(), services);
        EXPECT_TRUE(window->start()) << where;
        const std::string year = window->season().disp_year;
        EXPECT_EQ(test::derived_files_fault(work.path(), year), "") << where;
        EXPECT_EQ(test::leftovers(work.path()), std::vector<std::string>{}) << where;
        // The season in memory is the one on the disk.
        Season on_disk;
        EXPECT_TRUE(read_season_files(work.path(), year_file_names(year), on_disk).ok()) << where;
        EXPECT_TRUE(window->season().games == on_disk.games) << where;
        EXPECT_TRUE(window->season().score_list == on_disk.score_list) << where;
        for (const std::string& y : registered_years(window->settings().rec_year))
            EXPECT_EQ(year_files_present(work.path(), y).size(), 5u - (y == "1998" ? 1u : 0u)) << where << " " << y;
        return Shown{test::slurp(work / "Tevardin.ini"), year, test::slurp(work / year_file_names(year).game_file)};
    }

    // Stops `play` after every point in turn; each start shows the old or the new state.
    void every_point(const char* what, const Play& play, const std::function<void()>& extra_check = {}) {
        std::string where;
        test::copy_folder(base.path(), work.path());
        const Shown old_state = start_and_check("before");
        ASSERT_FALSE(run_child(play, -1, where));
        const Shown new_state = start_and_check("after");
        ASSERT_FALSE(old_state == new_state) << what << ": the save changed nothing";
        int points = 0, old_seen = 0, new_seen = 0;
        for (int stop = 0; run_child(play, stop, where); ++stop) {
            ++points;
            const Shown shown = start_and_check(std::string(what) + ", stopped after " + where);
            if (extra_check) extra_check();
            if (shown == old_state) ++old_seen;
            else if (shown == new_state) ++new_seen;
            else ADD_FAILURE() << what << ", stopped after " << where << ": neither the old nor the new state";
            ASSERT_LT(points, 200);
        }
        std::cout << what << ": " << points << " stop points, old " << old_seen << ", new " << new_seen << "\n";
        EXPECT_GE(points, 5);
        EXPECT_GT(old_seen, 0);
        EXPECT_GT(new_seen, 0);
    }

    test::TempDir base, work;
};

TEST_F(SaveInterruptionTest, TheCommitOfAFiledGame) { every_point("入力終了", commit_a_game); }

TEST_F(SaveInterruptionTest, TheDeletionOfAGame) { every_point("データ削除", delete_the_shown_game); }

TEST_F(SaveInterruptionTest, ANewYear) {
    every_point("新規作成", create_1998, [this] {
        // Unregistered, the year has no file left; registered, all of them.
        auto settings = read_settings(work.path());
        ASSERT_TRUE(settings.ok());
        const auto years = registered_years(settings->rec_year);
        if (std::find(years.begin(), years.end(), "1998") == years.end()) {
            EXPECT_EQ(year_files_present(work.path(), "1998"), std::vector<std::string>{});
        }
    });
}

TEST_F(SaveInterruptionTest, TheDeletionOfAYear) {
    every_point("ﾃﾞｰﾀﾌｧｲﾙ削除", delete_1997, [this] {
        auto settings = read_settings(work.path());
        ASSERT_TRUE(settings.ok());
        const auto years = registered_years(settings->rec_year);
        if (std::find(years.begin(), years.end(), "1997") == years.end()) {
            EXPECT_EQ(year_files_present(work.path(), "1997"), std::vector<std::string>{});
        }
    });
}

TEST_F(SaveInterruptionTest, TheSettingsOfAYearSwitch) { every_point("ﾃﾞｰﾀ読込", read_1997); }

}  // namespace
}  // namespace tev
