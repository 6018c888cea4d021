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
#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include "core/exchange/game_export.h"
#include "core/store/entry_journal.h"
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

// The clicks that choose a game's pair and meeting, then type 3-1, the innings, the crowd, the
// date and both pitchers, file it and commit (as a user plays it).
std::vector<std::string> commit_clicks(const std::vector<std::string>& pair_and_meeting) {
    std::vector<std::string> clicks = {"--input", "斎藤雅", "--input", "藪", "mnudat_in"};
    clicks.insert(clicks.end(), pair_and_meeting.begin(), pair_and_meeting.end());
    for (const char* click :
         {"Text7", "Command4:3", "Text8", "Command4:1", "Text6:0", "Command4:0", "Command4:0", "Command4:1", "Command4:0",
          "Command4:0", "Command4:0", "Command4:2", "Command4:0", "Command4:0", "Text15:0", "Command4:0", "Command4:1",
          "Command4:0", "Command4:0", "Command4:0", "Command4:0", "Command4:0", "Command4:0", "Command4:32", "Text5",
          "Command4:3", "Command4:2", "Command4:0", "Command4:0", "Command4:0", "Text18", "Command2:6", "Text19",
          "Command4:1", "Text2", "List1:1", "Text3", "List1:1", "Command1", "Command12"})
        clicks.emplace_back(click);
    return clicks;
}

// A commit the test kills: the year, the season on the disk before it, the clicks, and the files
// whose bytes tell the season before the commit from the one after it.
struct KilledCommit {
    std::string year;
    Season season;
    std::vector<std::string> clicks;
    std::vector<std::string> games_files;
    // A commit writes the history and the home runs after its game file, so random kills land
    // after its commit point too. A save that writes its game file last (deletion, undo, import)
    // has only the marker's removal after it: kills rarely land there, and the power-loss test
    // (tests/ui/power_loss_test.cpp) covers those steps one by one instead.
    bool kills_land_after_the_game_file = true;
};

// 巨人 at 阪神, meeting 5, in a 1996 season.
KilledCommit league_commit() {
    KilledCommit c{"1996", {}, commit_clicks({"Option3:0", "Option1:0", "Option2:3", "Command4:5"}), {"Tev_1996.DAT"}};
    test::add_game(c.season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2, .month = 5,
                              .day = 2, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
    c.season.game_at(1, 4, 7) += U" 1松井" + Text(8, U'\u3000') + U" 4藪" + Text(9, U'\u3000');
    test::add_game(c.season, {.first = 9, .second = 12, .meet = 1, .first_runs = 1, .second_runs = 3});
    return c;
}

// 巨人 at ソフトバンク (club 12), interleague meeting 2, in a 2026 season that already holds a
// league game and an interleague game: the commit replaces the interleague file.
KilledCommit interleague_commit() {
    KilledCommit c{"2026", {}, commit_clicks({"Option3:2", "Option1:0", "Option5:5", "Command4:2"}),
                   {"Tev_2026.DAT", "Kouryu_2026.DAT"}};
    c.season.disp_year = "2026";
    c.season.interleague_meetings = 3;
    test::add_game(c.season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2, .month = 5,
                              .day = 2, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
    test::add_interleague_game(c.season, {.first = 12, .second = 1, .meet = 1, .first_runs = 1, .second_runs = 3,
                                          .month = 6, .day = 2, .first_pitcher = U"有原", .second_pitcher = U"戸郷"});
    return c;
}

pid_t start_driver(const fs::path& dir, const std::vector<std::string>& clicks) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    std::vector<std::string> args = {TEVARDIN_CLI, "--dir", dir.string()};
    args.insert(args.end(), clicks.begin(), clicks.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

// The driver started on `dir` with the folder watched for one file: its save's marker (written
// through its temporary, removed when every file of the save is in place), or the entry journal.
class WatchedDriver {
  public:
    WatchedDriver(const fs::path& dir, const KilledCommit& commit)
        : WatchedDriver(dir, save_marker_name(commit.year), commit.clicks) {}
    WatchedDriver(const fs::path& dir, std::string watched, const std::vector<std::string>& clicks)
        : marker_(std::move(watched)), watch_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(watch_, 0);
        EXPECT_GE(::inotify_add_watch(watch_, dir.c_str(), IN_CREATE | IN_MOVED_TO | IN_DELETE), 0);
        begun_ = Clock::now();
        pid_ = start_driver(dir, clicks);
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
                if ((event->mask & IN_MOVED_TO) != 0 && name == marker_) last_put_in_place_us = at;
                if ((event->mask & IN_DELETE) != 0 && name == marker_) save_end_us = at;
                p += sizeof(inotify_event) + event->len;
            }
        }
    }

    // True once the driver has ended, its status in `status`.
    bool ended(int& status) { return ::waitpid(pid_, &status, WNOHANG) == pid_; }

    long long save_begin_us = -1;
    long long save_end_us = -1;
    long long last_put_in_place_us = -1;  // the file's last rename into place

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

// The bytes of the files that hold the games, one after the other.
std::string games_bytes(const fs::path& dir, const KilledCommit& commit) {
    std::string bytes;
    for (const std::string& name : commit.games_files)
        bytes += fs::exists(dir / name) ? test::slurp(dir / name) : "(none)";
    return bytes;
}

void kill_during(const KilledCommit& commit) {
    test::TempDir base, work;
    ASSERT_TRUE(gen::write_generated(base.path(), commit.season).ok());
    const std::string old_games = games_bytes(base.path(), commit);

    // Whole runs, timed, give the new state, the span of a run and how long its save lasts.
    long long span_us = 0, save_us = 0;
    std::string new_games;
    for (int i = 0; i < 3; ++i) {
        test::copy_folder(base.path(), work.path());
        WatchedDriver run(work.path(), commit);
        int status = 0;
        while (!run.ended(status)) run.take_events(1);
        run.take_events(0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        ASSERT_GE(run.save_begin_us, 0) << "the run wrote no save marker";
        ASSERT_GT(run.save_end_us, run.save_begin_us) << "the run did not remove its save marker";
        span_us = std::max(span_us, run.elapsed_us());
        save_us = std::max(save_us, run.save_end_us - run.save_begin_us);
        new_games = games_bytes(work.path(), commit);
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
            const pid_t pid = start_driver(work.path(), commit.clicks);
            std::this_thread::sleep_until(begun + std::chrono::microseconds(anywhere(random)));
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        } else {
            WatchedDriver run(work.path(), commit);
            while (run.save_begin_us < 0 && !(ended = run.ended(status))) run.take_events(1);
            if (!ended) {
                std::this_thread::sleep_for(std::chrono::microseconds(into_the_save(random)));
                ::kill(run.pid(), SIGKILL);
                ::waitpid(run.pid(), &status, 0);
            }
        }
        if (WIFEXITED(status)) ++finished;
        // The marker is on the disk exactly while a save may have left the folder mixed.
        const bool cut_off = fs::exists(work / save_marker_name(commit.year));

        ui::ScriptedServices services;
        services.answers = {false};  // a game the entry journal offers back is let go: the disk alone
        ui::MainWindow window(work.path(), services);
        ASSERT_TRUE(window.start()) << "kill " << i;
        ASSERT_EQ(test::derived_files_fault(work.path(), commit.year), "") << "kill " << i;
        ASSERT_EQ(test::leftovers(work.path()), std::vector<std::string>{}) << "kill " << i;
        const std::string games = games_bytes(work.path(), commit);
        Season on_disk;
        on_disk.disp_year = commit.year;
        ASSERT_TRUE(read_season_files(work.path(), year_file_names(commit.year), on_disk).ok());
        ASSERT_TRUE(window.season().games == on_disk.games) << "kill " << i;
        ASSERT_TRUE(window.season().interleague == on_disk.interleague) << "kill " << i;
        if (games == old_games) {
            ++old_seen;
            if (cut_off) ++cut_off_old;
        } else if (games == new_games) {
            ++new_seen;
            if (cut_off) ++cut_off_new;
        } else {
            FAIL() << "kill " << i << ": games that are neither the old nor the new ones";
        }
    }
    std::cout << "kills " << kills << " (run " << span_us / 1000 << " ms, its save " << save_us / 1000
              << " ms): old " << old_seen << ", new " << new_seen
              << "; cut off inside the save and mended at start: to the old " << cut_off_old << ", to the new "
              << cut_off_new << "; finished before the kill " << finished << "\n";
    EXPECT_GT(cut_off_old, 0) << "no kill cut the save off before its game file was replaced";
    if (commit.kills_land_after_the_game_file) {
        EXPECT_GT(cut_off_new, 0) << "no kill cut the save off after its game file was replaced";
    }
    EXPECT_GT(new_seen, 0) << "no kill left the season after the save";
}

TEST(KillDuringCommit, EveryKillLeavesTheOldOrTheNewSeasonWhole) { kill_during(league_commit()); }

// Three games filed with Return, one after the other, and entry never ended: the run is killed at a
// random moment. The next start must offer back every game filed before the kill, in order, and no
// other: the journal holds the games filed so far, whole.
std::vector<std::string> three_filings() {
    std::vector<std::string> clicks;
    for (const char* home : {"Option2:3", "Option2:5", "Option2:4"}) {  // at 阪神, 中日, 広島
        std::vector<std::string> game = commit_clicks({"Option3:0", "Option1:0", home, "Command4:5"});
        game.pop_back();  // no 入力終了
        if (!clicks.empty()) game.erase(game.begin() + 4);  // データ入力 once only
        clicks.insert(clicks.end(), game.begin(), game.end());
    }
    return clicks;
}

TEST(KillDuringEntry, EveryGameFiledBeforeTheKillIsOfferedBack) {
    test::TempDir base, work;
    ASSERT_TRUE(gen::write_generated(base.path(), Season{}).ok());
    const std::vector<std::string> clicks = three_filings();

    // A whole run: its journal holds the three games, in filing order. Its span, and how long
    // the filings last from the first journal write to the end of the run.
    test::copy_folder(base.path(), work.path());
    const std::string journal = entry_journal_name("1996");
    int status = 0;
    long long span_us = 0, filing_us = 0;
    {
        WatchedDriver run(work.path(), journal, clicks);
        while (!run.ended(status)) run.take_events(1);
        run.take_events(0);
        span_us = run.elapsed_us();
        ASSERT_GE(run.save_begin_us, 0) << "the run wrote no entry journal";
        ASSERT_GT(run.last_put_in_place_us, run.save_begin_us) << "the run's journal was never put in place";
        filing_us = run.last_put_in_place_us - run.save_begin_us;  // from the first filing to the last
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const auto whole = read_entry_journal(work.path(), "1996");
    ASSERT_TRUE(whole.ok() && whole->has_value());
    const std::vector<JournalEntry> filed = **whole;
    ASSERT_EQ(filed.size(), 3u);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long long> anywhere(0, span_us + span_us / 10);
    std::uniform_int_distribution<long long> while_filing(0, filing_us + filing_us / 10);
    const int kills = std::max(20, kills_wanted() / 5);
    std::array<int, 4> offered{};
    for (int i = 0; i < kills; ++i) {
        test::copy_folder(base.path(), work.path());
        // Even kills anywhere in a run; odd ones a random time between the first filing's journal
        // appearing and the last one's, where the start of the program (slow under the
        // sanitizers) is over and the quit has not begun.
        if (i % 2 == 0) {
            const auto start = Clock::now();
            const pid_t pid = start_driver(work.path(), clicks);
            std::this_thread::sleep_until(start + std::chrono::microseconds(anywhere(random)));
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        } else {
            WatchedDriver run(work.path(), journal, clicks);
            bool ended = false;
            while (run.save_begin_us < 0 && !(ended = run.ended(status))) run.take_events(1);
            if (!ended) {
                std::this_thread::sleep_for(std::chrono::microseconds(while_filing(random)));
                ::kill(run.pid(), SIGKILL);
                ::waitpid(run.pid(), &status, 0);
            }
        }

        ui::ScriptedServices services;
        services.answers = {true};  // restore what is offered
        ui::MainWindow window(work.path(), services);
        ASSERT_TRUE(window.start()) << "kill " << i;
        ASSERT_EQ(test::leftovers(work.path()), std::vector<std::string>{}) << "kill " << i;
        const std::size_t restored = static_cast<std::size_t>(window.document().pending().count());
        ASSERT_LE(restored, filed.size()) << "kill " << i;
        for (std::size_t g = 0; g < filed.size(); ++g) {
            const Text& in_memory = window.season().filed_game(filed[g].first, filed[g].second, filed[g].meeting);
            ASSERT_EQ(in_memory, g < restored ? filed[g].game : Text()) << "kill " << i << ", game " << g;
        }
        for (const std::string& line : services.transcript)
            ASSERT_EQ(line.find("MSG:"), std::string::npos) << "kill " << i << ": " << line;  // no damaged journal
        ++offered[restored];
    }
    std::cout << "kills " << kills << " (run " << span_us / 1000 << " ms, its filings " << filing_us / 1000
              << " ms): games offered back 0: " << offered[0]
              << ", 1: " << offered[1] << ", 2: " << offered[2] << ", 3: " << offered[3] << "\n";
    EXPECT_GT(offered[1] + offered[2], 0) << "no kill landed between two filings";
}

// The interleague file is replaced in the same save, before the game file: every kill leaves the
// season with the interleague game or without it, and the derived files follow whichever it is.
TEST(KillDuringCommit, AnInterleagueGameIsThereWholeOrNotAtAll) { kill_during(interleague_commit()); }

// An import of a results table into the 2026 season: league and interleague games new to it, and
// one that differs from a filed game (kept: the replace question takes its default, いいえ). Its
// one save replaces both primary files: every kill leaves the season before the import or after it.
TEST(KillDuringImport, EveryKillLeavesTheSeasonBeforeOrAfterTheImportWhole) {
    test::TempDir folder;
    Season table;
    table.disp_year = "2026";
    table.interleague_meetings = 3;
    for (int meet = 1; meet <= 6; ++meet) {
        test::add_game(table, {.first = 2, .second = 5, .meet = meet, .first_runs = meet % 4, .second_runs = 2,
                               .month = 4, .day = meet});
        test::add_interleague_game(table, {.first = 7, .second = 3, .meet = (meet - 1) % 3 + 1, .first_runs = 5,
                                           .second_runs = meet, .month = 6, .day = meet});
    }
    test::add_game(table, {.first = 1, .second = 4, .meet = 7, .first_runs = 9, .second_runs = 0, .month = 5, .day = 2});
    test::spit(folder / "table.csv", games_csv(table));
    KilledCommit import = interleague_commit();
    import.clicks = {"--import", (folder / "table.csv").string(), "--answer", "yes"};
    import.kills_land_after_the_game_file = false;
    kill_during(import);
}

}  // namespace
}  // namespace tev
