// The real driver killed with SIGKILL at random moments while it files and commits a game, many
// times over: after each kill the program is started (the window model) on what is left, which
// must show the season before the commit or the one after it, whole, with every derived file
// agreeing with the games and nothing left over. The figures (kills, old, new) are printed.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include "core/store/season_files.h"
#include "season_gen.h"
#include "support/save_check.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"

namespace tev {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// 巨人 at 阪神, meeting 5, 3-1, pitchers typed in, filed and committed (as a user plays it).
const std::vector<std::string> kCommit = {
    "--input", "斎藤雅", "--input", "藪", "mnudat_in", "Option3:0", "Option1:0", "Option2:3", "Command4:5", "Text7",
    "Command4:3", "Text8", "Command4:1", "Text6:0", "Command4:0", "Command4:0", "Command4:1", "Command4:0",
    "Command4:0", "Command4:0", "Command4:2", "Command4:0", "Command4:0", "Text15:0", "Command4:0", "Command4:1",
    "Command4:0", "Command4:0", "Command4:0", "Command4:0", "Command4:0", "Command4:0", "Command4:32", "Text5",
    "Command4:3", "Command4:2", "Command4:0", "Command4:0", "Command4:0", "Text18", "Command2:4", "Text19",
    "Command4:1", "Text2", "List1:1", "Text3", "List1:1", "Command1", "Command12"};

pid_t start_driver(const fs::path& dir) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    std::vector<std::string> args = {TEVARDIN_CLI, "--dir", dir.string()};
    args.insert(args.end(), kCommit.begin(), kCommit.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

int kills_wanted() {
    if (const char* n = std::getenv("TEVARDIN_KILLS")) return std::atoi(n);
    return TEVARDIN_DEFAULT_KILLS;
}

TEST(KillDuringCommit, EveryKillLeavesTheOldOrTheNewSeasonWhole) {
    test::TempDir base, work;
    Season season;
    test::add_game(season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2, .month = 5,
                            .day = 2, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
    season.game_at(1, 4, 7) += U" 1松井" + Text(8, U'\u3000') + U" 4藪" + Text(9, U'\u3000');
    test::add_game(season, {.first = 9, .second = 12, .meet = 1, .first_runs = 1, .second_runs = 3});
    ASSERT_TRUE(gen::write_generated(base.path(), season).ok());
    const std::string old_games = test::slurp(base / "Tev_1996.DAT");

    // One whole run, timed, gives the new state and the span the kills are spread over.
    test::copy_folder(base.path(), work.path());
    const auto begun = Clock::now();
    int status = 0;
    ::waitpid(start_driver(work.path()), &status, 0);
    const auto span = Clock::now() - begun;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string new_games = test::slurp(work / "Tev_1996.DAT");
    ASSERT_NE(new_games, old_games);

    std::mt19937 random(20261208);
    const auto span_us = std::chrono::duration_cast<std::chrono::microseconds>(span).count();
    std::uniform_int_distribution<long long> delay(0, span_us + span_us / 10);
    const int kills = kills_wanted();
    int old_seen = 0, new_seen = 0, mended = 0, finished = 0;
    for (int i = 0; i < kills; ++i) {
        test::copy_folder(base.path(), work.path());
        const pid_t pid = start_driver(work.path());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        if (WIFEXITED(status)) ++finished;
        const bool marker_left = fs::exists(work / "Tevardin_1996.SAV");

        ui::ScriptedServices services;
        ui::MainWindow window(work.path(), services);
        ASSERT_TRUE(window.start()) << "kill " << i;
        if (marker_left) ++mended;
        ASSERT_EQ(test::derived_files_fault(work.path(), "1996"), "") << "kill " << i;
        ASSERT_EQ(test::leftovers(work.path()), std::vector<std::string>{}) << "kill " << i;
        const std::string games = test::slurp(work / "Tev_1996.DAT");
        Season on_disk;
        ASSERT_TRUE(read_season_files(work.path(), year_file_names("1996"), on_disk).ok());
        ASSERT_TRUE(window.season().games == on_disk.games) << "kill " << i;
        if (games == old_games) ++old_seen;
        else if (games == new_games) ++new_seen;
        else FAIL() << "kill " << i << ": a game file that is neither the old nor the new one";
    }
    std::cout << "kills " << kills << " (run " << span_us / 1000 << " ms): old " << old_seen << ", new " << new_seen
              << ", mended at start " << mended << ", finished before the kill " << finished << "\n";
    EXPECT_EQ(old_seen + new_seen, kills);
}

}  // namespace
}  // namespace tev
