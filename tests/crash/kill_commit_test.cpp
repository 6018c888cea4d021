// The real driver killed with SIGKILL at random moments while it files and commits a game, many
// times over: after each kill the program is started (the window model) on what is left, which
// must show the season before the commit or the one after it, whole, with every derived file
// agreeing with the games and nothing left over.
//
// Kills spread over the whole run mostly land while the driver starts or plays the clicks, and
// the save itself is a few milliseconds of it. So timed runs first find when the save happens
// (from the appearance to the removal of its marker, watched with inotify), and every other kill
// is aimed at that stretch. The test then requires kills that cut the save off: at least one that
// leaves the marker and the old season (the game file not yet replaced) and at least one that
// leaves the marker and the new season; kills that all land before or after the save fail it.
// The figures are printed.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include "core/store/save_journal.h"
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

// One whole run of the driver, watched: its length and when its save's marker came and went, in
// microseconds after the start (-1 when not seen), and the driver's exit status.
struct TimedRun {
    long long span_us = 0;
    long long save_begin_us = -1;
    long long save_end_us = -1;
    int status = 0;
};

TimedRun timed_run(const fs::path& dir) {
    const std::string marker = save_marker_name("1996");
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(watch, 0);
    EXPECT_GE(::inotify_add_watch(watch, dir.c_str(), IN_CREATE | IN_MOVED_TO | IN_DELETE), 0);
    TimedRun run;
    const auto begun = Clock::now();
    const auto since_start = [&] {
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun).count();
    };
    // The events so far: the marker (written through its temporary) appearing, and its removal.
    const auto read_events = [&] {
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
            const long long at = since_start();
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                const std::string name = event->len > 0 ? event->name : "";
                if (name.rfind(marker, 0) == 0 && run.save_begin_us < 0) run.save_begin_us = at;
                if ((event->mask & IN_DELETE) != 0 && name == marker) run.save_end_us = at;
                p += sizeof(inotify_event) + event->len;
            }
        }
    };
    const pid_t pid = start_driver(dir);
    for (;;) {
        pollfd ready{watch, POLLIN, 0};
        ::poll(&ready, 1, 1);
        read_events();
        if (::waitpid(pid, &run.status, WNOHANG) == pid) break;
    }
    run.span_us = since_start();
    read_events();
    ::close(watch);
    return run;
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

    // Whole runs, timed, give the new state, the span of a run and the stretch of its save.
    long long span_us = 0, save_begin_us = -1, save_end_us = -1;
    std::string new_games;
    for (int i = 0; i < 3; ++i) {
        test::copy_folder(base.path(), work.path());
        const TimedRun run = timed_run(work.path());
        ASSERT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0) << run.status;
        ASSERT_GE(run.save_begin_us, 0) << "the run wrote no save marker";
        ASSERT_GT(run.save_end_us, run.save_begin_us) << "the run did not remove its save marker";
        span_us = std::max(span_us, run.span_us);
        save_begin_us = save_begin_us < 0 ? run.save_begin_us : std::min(save_begin_us, run.save_begin_us);
        save_end_us = std::max(save_end_us, run.save_end_us);
        new_games = test::slurp(work / "Tev_1996.DAT");
        ASSERT_NE(new_games, old_games);
    }

    // Even kills anywhere in a run; odd ones at the save, give or take the save's own length.
    std::mt19937 random(20261208);
    std::uniform_int_distribution<long long> anywhere(0, span_us + span_us / 10);
    const long long margin = std::max(save_end_us - save_begin_us, 1000LL);
    std::uniform_int_distribution<long long> at_the_save(std::max(0LL, save_begin_us - margin), save_end_us + margin);
    const int kills = kills_wanted();
    int old_seen = 0, new_seen = 0, cut_off_old = 0, cut_off_new = 0, finished = 0;
    int status = 0;
    for (int i = 0; i < kills; ++i) {
        test::copy_folder(base.path(), work.path());
        const long long delay = i % 2 == 0 ? anywhere(random) : at_the_save(random);
        const auto begun = Clock::now();
        const pid_t pid = start_driver(work.path());
        std::this_thread::sleep_until(begun + std::chrono::microseconds(delay));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        if (WIFEXITED(status)) ++finished;
        // The marker is on the disk exactly while a save may have left the folder mixed.
        const bool cut_off = fs::exists(work / save_marker_name("1996"));

        ui::ScriptedServices services;
        ui::MainWindow window(work.path(), services);
        ASSERT_TRUE(window.start()) << "kill " << i;
        ASSERT_EQ(test::derived_files_fault(work.path(), "1996"), "") << "kill " << i;
        ASSERT_EQ(test::leftovers(work.path()), std::vector<std::string>{}) << "kill " << i;
        const std::string games = test::slurp(work / "Tev_1996.DAT");
        Season on_disk;
        ASSERT_TRUE(read_dat(work.path(), paht_set("1996"), on_disk).ok());
        ASSERT_TRUE(window.season().games == on_disk.games) << "kill " << i;
        if (games == old_games) {
            ++old_seen;
            if (cut_off) ++cut_off_old;
        } else if (games == new_games) {
            ++new_seen;
            if (cut_off) ++cut_off_new;
        } else {
            FAIL() << "kill " << i << ": a game file that is neither the old nor the new one";
        }
    }
    std::cout << "kills " << kills << " (run " << span_us / 1000 << " ms, save from " << save_begin_us / 1000
              << " to " << save_end_us / 1000 << " ms): old " << old_seen << ", new " << new_seen
              << "; cut off inside the save and mended at start: to the old " << cut_off_old << ", to the new "
              << cut_off_new << "; finished before the kill " << finished << "\n";
    EXPECT_GT(cut_off_old, 0) << "no kill cut the save off before its game file was replaced";
    EXPECT_GT(cut_off_new, 0) << "no kill cut the save off after its game file was replaced";
}

}  // namespace
}  // namespace tev
