// The real driver killed with SIGKILL at random moments while it files and commits a game, many
// times over: after each kill the program is started (the window model) on what is left, which
// must show the season before the commit or the one after it, whole, with every derived file
// agreeing with the games and nothing left over.
//
// Kills at random moments of a run land in the save only as often as the save fills the run, and
// when it starts varies from run to run by more than it lasts (under the sanitizers). So the
// driver's folder is watched (inotify) for the save's marker: timed runs measure how long the
// save lasts, and every other kill comes at a random moment of that length after the marker
// appears. The test requires kills that cut the save off: at least one that leaves the marker
// and the old season (the game file not yet replaced) and at least one that leaves the marker and
// the new season; kills that all land before or after the save fail it. The figures are printed.
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

// The driver started on `dir` with the folder watched for its save's marker (written through
// its temporary, removed when every file of the save is in place).
class WatchedDriver {
  public:
    explicit WatchedDriver(const fs::path& dir)
        : marker_(save_marker_name("1996")), watch_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(watch_, 0);
        EXPECT_GE(::inotify_add_watch(watch_, dir.c_str(), IN_CREATE | IN_MOVED_TO | IN_DELETE), 0);
        begun_ = Clock::now();
        pid_ = start_driver(dir);
    }
    ~WatchedDriver() { ::close(watch_); }
    WatchedDriver(const WatchedDriver&) = delete;
    WatchedDriver& operator=(const WatchedDriver&) = delete;

    pid_t pid() const { return pid_; }

    long long elapsed_us() const {
        return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun_).count();
    }

    // Waits up to `timeout_ms` for events and takes them in: when the marker first appeared and
    // when it was last removed, in microseconds after the start (-1 while not seen).
    void take_events(int timeout_ms) {
        pollfd ready{watch_, POLLIN, 0};
        ::poll(&ready, 1, timeout_ms);
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(watch_, buffer, sizeof buffer)) > 0;) {
            const long long at = elapsed_us();
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                const std::string name = event->len > 0 ? event->name : "";
                if (name.rfind(marker_, 0) == 0 && save_begin_us < 0) save_begin_us = at;
                if ((event->mask & IN_DELETE) != 0 && name == marker_) save_end_us = at;
                p += sizeof(inotify_event) + event->len;
            }
        }
    }

    // True once the driver has ended, its status in `status`.
    bool ended(int& status) { return ::waitpid(pid_, &status, WNOHANG) == pid_; }

    long long save_begin_us = -1;
    long long save_end_us = -1;

  private:
    std::string marker_;
    int watch_;
    Clock::time_point begun_;
    pid_t pid_ = -1;
};

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

    // Whole runs, timed, give the new state, the span of a run and how long its save lasts.
    long long span_us = 0, save_us = 0;
    std::string new_games;
    for (int i = 0; i < 3; ++i) {
        test::copy_folder(base.path(), work.path());
        WatchedDriver run(work.path());
        int status = 0;
        while (!run.ended(status)) run.take_events(1);
        run.take_events(0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_GE(run.save_begin_us, 0) << "the run wrote no save marker";
        ASSERT_GT(run.save_end_us, run.save_begin_us) << "the run did not remove its save marker";
        span_us = std::max(span_us, run.elapsed_us());
        save_us = std::max(save_us, run.save_end_us - run.save_begin_us);
        new_games = test::slurp(work / "Tev_1996.DAT");
        ASSERT_NE(new_games, old_games);
    }

    // Even kills anywhere in a run; odd ones in the save, a random time after its marker appears.
    std::mt19937 random(20261208);
    std::uniform_int_distribution<long long> anywhere(0, span_us + span_us / 10);
    std::uniform_int_distribution<long long> into_the_save(0, save_us + save_us / 10);
    const int kills = kills_wanted();
    int old_seen = 0, new_seen = 0, cut_off_old = 0, cut_off_new = 0, finished = 0;
    int status = 0;
    for (int i = 0; i < kills; ++i) {
        test::copy_folder(base.path(), work.path());
        bool ended = false;
        if (i % 2 == 0) {
            const auto begun = Clock::now();
            const pid_t pid = start_driver(work.path());
            std::this_thread::sleep_until(begun + std::chrono::microseconds(anywhere(random)));
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        } else {
            WatchedDriver run(work.path());
            while (run.save_begin_us < 0 && !(ended = run.ended(status))) run.take_events(1);
            if (!ended) {
                std::this_thread::sleep_for(std::chrono::microseconds(into_the_save(random)));
                ::kill(run.pid(), SIGKILL);
                ::waitpid(run.pid(), &status, 0);
            }
        }
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
        ASSERT_TRUE(read_season_files(work.path(), year_file_names("1996"), on_disk).ok());
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
    std::cout << "kills " << kills << " (run " << span_us / 1000 << " ms, its save " << save_us / 1000
              << " ms): old " << old_seen << ", new " << new_seen
              << "; cut off inside the save and mended at start: to the old " << cut_off_old << ", to the new "
              << cut_off_new << "; finished before the kill " << finished << "\n";
    EXPECT_GT(cut_off_old, 0) << "no kill cut the save off before its game file was replaced";
    EXPECT_GT(cut_off_new, 0) << "no kill cut the save off after its game file was replaced";
}

}  // namespace
}  // namespace tev
