// Every save cut by a power loss at every step. The file layer records what a save writes,
// fsyncs, renames and removes; the simulated disk (support/power_loss.h) replays the record cut
// after each step, keeping each possible prefix of the folder changes not yet made durable, with
// the bytes not yet fsynced dropped, kept or cut at a random length. The program is then started
// on every distinct folder so made: it must show the season before the save or the one after it,
// whole, every derived file agreeing with the games, nothing left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>

#include "core/settings/settings.h"
#include "core/store/season_files.h"
#include "core/text/file_seam.h"
#include "core/years/year_files.h"
#include "season_gen.h"
#include "support/power_loss.h"
#include "support/save_check.h"
#include "support/save_sessions.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

namespace fs = std::filesystem;
using test::FolderImage;
using test::GamePlace;
using test::Play;

// What a start shows, reduced to what the rule compares.
struct Shown {
    std::string settings;
    std::string year;
    int pending = 0;  // games the entry journal offered back
    FolderImage primaries;    // game, interleague and club files of every year
    bool operator==(const Shown&) const = default;
};

bool primary_file(const std::string& name) {
    for (const char* prefix : {"Tev_", "Kouryu_", "Clubs_"})
        if (name.rfind(prefix, 0) == 0) return true;
    return false;
}

struct Stage {
    const char* what;
    Play play;
};

struct Counts {
    int states = 0;
    int old_seen = 0;
    int new_seen = 0;
};

const GamePlace kLeagueGame{};  // 巨人 at 阪神, meeting 8
const GamePlace kInterleagueGame{2, "Option1", 0, "Option5", 5, 2};  // 巨人 at ソフトバンク, meeting 2

void file_league_game(ui::MainWindow& w, ui::ScriptedServices& s) { test::file_a_game(w, s, kLeagueGame); }
void file_interleague_game(ui::MainWindow& w, ui::ScriptedServices& s) { test::file_a_game(w, s, kInterleagueGame); }

class PowerLossTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::write_two_years(work.path());
        if (HasFatalFailure()) return;
        auto modern = std::make_unique<Season>();
        modern->disp_year = "2026";
        modern->interleague_meetings = 3;
        test::add_game(*modern, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2, .month = 5,
                                 .day = 2, .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
        test::add_interleague_game(*modern, {.first = 12, .second = 1, .meet = 1, .first_runs = 1, .second_runs = 3,
                                             .month = 6, .day = 2, .first_pitcher = U"有原", .second_pitcher = U"戸郷"});
        ASSERT_TRUE(gen::write_generated(work.path(), *modern).ok());
        ASSERT_TRUE(write_settings(work.path(), Settings{"1996", "Regi Year= 199619972026"}).ok());
        window = std::make_unique<ui::MainWindow>(work.path(), services);
        ASSERT_TRUE(window->start());
    }

    void TearDown() override { set_file_recorder({}); }

    // Starts the program on `image` and checks the rule; what it shows.
    Shown start_on(const FolderImage& image, const std::string& where) {
        test::copy_folder(empty.path(), probe.path());
        for (const auto& [name, bytes] : image) test::spit(probe / name, bytes);
        ui::ScriptedServices services;
        services.answers = {true};  // games an entry journal offers back are taken
        ui::MainWindow started(probe.path(), services);
        EXPECT_TRUE(started.start()) << where;
        auto settings = read_settings(probe.path());
        EXPECT_TRUE(settings.ok()) << where;
        const std::vector<std::string> registered = settings ? registered_years(settings->rec_year) : std::vector<std::string>{};
        for (const char* year : {"1996", "1997", "1998", "2026"}) {
            const bool is_registered = std::find(registered.begin(), registered.end(), year) != registered.end();
            if (is_registered) EXPECT_EQ(test::derived_files_fault(probe.path(), year), "") << where << " " << year;
            else EXPECT_EQ(year_files_present(probe.path(), year), std::vector<std::string>{}) << where << " " << year;
        }
        EXPECT_EQ(test::leftovers(probe.path()), std::vector<std::string>{}) << where;
        Shown shown{test::slurp(probe / "Tevardin.ini"), started.season().disp_year, started.document().pending().count(), {}};
        for (const auto& [name, bytes] : test::folder_files(probe.path()))
            if (primary_file(name)) shown.primaries[name] = bytes;
        return shown;
    }

    // Plays `stage` on the window, recording it; then cuts the record at every step.
    void cut_everywhere(const Stage& stage, Counts& total) {
        Counts counts;
        const FolderImage before = test::folder_files(work.path());
        std::vector<FileStep> steps;
        set_file_recorder([&](const FileStep& step) { steps.push_back(step); });
        stage.play(*window, services);
        set_file_recorder({});
        const FolderImage after = test::folder_files(work.path());
        const Shown old_state = start_on(before, std::string(stage.what) + ", before");
        const Shown new_state = start_on(after, std::string(stage.what) + ", after");
        ASSERT_FALSE(old_state == new_state) << stage.what << ": the save changed nothing";

        test::PowerLossDisk disk(before);
        std::set<FolderImage> tried;
        std::mt19937 random(20261209);
        for (std::size_t done = 0; done <= steps.size(); ++done) {
            if (done > 0) disk.apply(steps[done - 1]);
            for (std::size_t kept = 0; kept <= disk.entry_changes_not_durable(); ++kept) {
                for (auto bytes : {test::UnsyncedBytes::dropped, test::UnsyncedBytes::kept, test::UnsyncedBytes::cut,
                                   test::UnsyncedBytes::cut, test::UnsyncedBytes::cut}) {
                    FolderImage image = disk.after_cut(kept, bytes, random);
                    if (!tried.insert(image).second) continue;
                    const std::string where = std::string(stage.what) + ", cut after step " + std::to_string(done) +
                                              " of " + std::to_string(steps.size()) + ", " + std::to_string(kept) +
                                              " folder changes kept";
                    const Shown shown = start_on(image, where);
                    ++counts.states;
                    if (shown == old_state) ++counts.old_seen;
                    else if (shown == new_state) ++counts.new_seen;
                    else ADD_FAILURE() << where << ": neither the old nor the new state";
                }
            }
        }
        // The record holds every change the save made: replayed whole, it is the folder.
        EXPECT_EQ(disk.as_seen(), after) << stage.what;
        const auto fsyncs = std::count_if(steps.begin(), steps.end(), [](const FileStep& step) {
            return step.kind == FileStep::Kind::sync || step.kind == FileStep::Kind::sync_folder;
        });
        std::cout << "  " << stage.what << ": " << steps.size() << " steps (" << fsyncs << " fsyncs), " << counts.states << " states, old "
                  << counts.old_seen << ", new " << counts.new_seen << "\n";
        total.states += counts.states;
        total.old_seen += counts.old_seen;
        total.new_seen += counts.new_seen;
        EXPECT_GT(counts.old_seen, 0) << stage.what;
        EXPECT_GT(counts.new_seen, 0) << stage.what;
    }

    void cut_every_save(const char* what, std::initializer_list<Stage> stages) {
        Counts counts;
        for (const Stage& stage : stages) cut_everywhere(stage, counts);
        std::cout << what << ": " << counts.states << " states after a cut, all whole\n";
    }

    test::TempDir work, probe, empty;
    ui::ScriptedServices services;
    std::unique_ptr<ui::MainWindow> window;
};

TEST_F(PowerLossTest, FilingAndCommittingALeagueGame) {
    cut_every_save("入力 + 入力終了", {{"入力", file_league_game}, {"入力終了", test::end_entry}});
}

TEST_F(PowerLossTest, DeletingAGameAndTakingItBack) {
    cut_every_save("データ削除 + 元に戻す", {{"データ削除", test::delete_the_shown_game}, {"元に戻す", test::undo_last_change}});
}

TEST_F(PowerLossTest, ANewYear) { cut_every_save("新規作成", {{"新規作成", test::create_1998}}); }

TEST_F(PowerLossTest, TheDeletionOfAYear) { cut_every_save("ﾃﾞｰﾀﾌｧｲﾙ削除", {{"ﾃﾞｰﾀﾌｧｲﾙ削除", test::delete_1997}}); }

TEST_F(PowerLossTest, AnInterleagueGame) {
    test::read_year(*window, U"2026");
    cut_every_save("交流戦の入力 + 入力終了", {{"交流戦の入力", file_interleague_game}, {"入力終了", test::end_entry}});
}

TEST_F(PowerLossTest, ACommitOfLeagueAndInterleagueGamesIsOneChange) {
    test::read_year(*window, U"2026");
    cut_every_save("入力 + 交流戦の入力 + 入力終了",
                   {{"入力", file_league_game}, {"交流戦の入力", file_interleague_game}, {"入力終了", test::end_entry}});
}

}  // namespace
}  // namespace tev
