// Faults of a save that are not crashes, injected through the file seam (permission bits stop
// nothing for root, who runs CI): each is told with its reason, nothing saved before is lost, and
// the next start mends what the failed save left.
#include <gtest/gtest.h>

#include <cerrno>

#include "core/text/file_seam.h"
#include "core/store/save_journal.h"
#include "core/store/season_files.h"
#include "support/save_check.h"
#include "support/save_sessions.h"
#include "ui/shell/instance_lock.h"
#include "window_fixture.h"

namespace tev {
namespace {

namespace fs = std::filesystem;

class SaveFaultsTest : public test::WindowTest {
  protected:
    void SetUp() override {
        test::add_game(*season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2});
        test::add_game(*season, {.first = 2, .second = 3, .meet = 1, .first_runs = 5, .second_runs = 1, .day = 6});
        ASSERT_TRUE(start());
    }
    void TearDown() override { set_file_seam({}); }

    void fail_writes_of(const std::string& part, int error) {
        set_file_seam([=](FilePoint p, const fs::path& path) {
            return p == FilePoint::before_write && path.filename().string().find(part) != std::string::npos ? error : 0;
        });
    }

    void delete_shown_game() {
        services.answers = {true};
        click("mnudat_del");
    }

    void restart() {
        set_file_seam({});
        services = ui::ScriptedServices{};
        window.reset();
        ASSERT_TRUE(start_only());
    }
};

TEST_F(SaveFaultsTest, AFullDiskWhileTheHistoryIsWrittenIsToldOnceAndMendedAtTheNextStart) {
    fail_writes_of("RIRE", ENOSPC);
    const std::string homeruns_before = test::slurp(dir / "homerun_1996.DAT");
    delete_shown_game();
    // Told once, with the reason; nothing else of this save is written after the failure.
    ASSERT_EQ(services.transcript.size(), 2u);
    EXPECT_EQ(services.transcript[1], "MSG: 履歴データを保存できませんでした。\\n\\nRIRE1996.DAT: ディスクの空きが足りません");
    EXPECT_TRUE(window->document().games_unsaved());  // the deletion is still to be saved
    EXPECT_EQ(test::slurp(dir / "homerun_1996.DAT"), homeruns_before);
    EXPECT_TRUE(fs::exists(dir / "Tevardin_1996.SAV"));
    EXPECT_FALSE(fs::exists(dir / "RIRE1996.DAT.tmp"));

    restart();
    EXPECT_EQ(test::derived_files_fault(dir.path(), "1996"), "");
    EXPECT_EQ(test::leftovers(dir.path()), std::vector<std::string>{});
    EXPECT_FALSE(window->season().game_at(1, 4, 7).empty());  // the game whose deletion failed is still saved
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_EQ(services.transcript[0].rfind("MSG: 前回のデータ保存が途中で終わっていました。", 0), 0u);
}

TEST_F(SaveFaultsTest, AFolderThatCannotBeWrittenSavesNothingAndSaysSo) {
    const auto before = test::folder_files(dir.path());
    set_file_seam([](FilePoint p, const fs::path&) { return p == FilePoint::before_open_write ? EACCES : 0; });
    delete_shown_game();
    ASSERT_EQ(services.transcript.size(), 2u);
    EXPECT_EQ(services.transcript[1],
              "MSG: データを保存できませんでした。入力したデータはまだ保存されていません。\\n\\n" +
                  dir.path().string() + ": 書き込みが許可されていません");
    EXPECT_TRUE(window->document().games_unsaved());
    EXPECT_EQ(test::folder_files(dir.path()), before);
    restart();
    EXPECT_FALSE(window->season().game_at(1, 4, 7).empty());
    EXPECT_TRUE(services.transcript.empty());
}

TEST_F(SaveFaultsTest, ASettingsFileNamingAYearWhoseFilesAreGoneEndsTheStartNamingTheFile) {
    set_file_seam({});
    window.reset();
    test::spit(dir / "Tevardin.ini", "Disp Year= 2003\r\nRegi Year= 19962003\r\n");
    services = ui::ScriptedServices{};
    const auto before = test::folder_files(dir.path());
    EXPECT_FALSE(start_only());
    ASSERT_EQ(services.transcript.size(), 1u);
    EXPECT_EQ(services.transcript[0],
              "MSG: データファイルが見つかりません\\n   プログラムを終了します！！\\n\\nRIRE2003.DAT: ファイルがありません");
    EXPECT_EQ(test::folder_files(dir.path()), before);  // nothing written, the 1996 files untouched
}

// A commit of a league game and an interleague game whose game file cannot be written: the
// interleague file is already replaced, so the save's marker takes it back — at the next start,
// or before the next save of the same session.
class PairedCommitFaultTest : public test::WindowTest {
  protected:
    void SetUp() override {
        season->disp_year = "2026";
        season->interleague_meetings = 3;
        test::add_game(*season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2});
        test::add_interleague_game(*season, {.first = 12, .second = 1, .meet = 1, .first_runs = 1, .second_runs = 3});
        ASSERT_TRUE(start());
        before = test::folder_files(dir.path());
        test::file_a_game(*window, services, test::GamePlace{});
        test::file_a_game(*window, services, test::GamePlace{2, "Option1", 0, "Option5", 5, 2});
        set_file_seam([](FilePoint p, const fs::path& path) {
            return p == FilePoint::before_write && path.filename() == "Tev_2026.DAT.tmp" ? ENOSPC : 0;
        });
        services.transcript.clear();
        test::end_entry(*window, services);
        set_file_seam({});
    }
    void TearDown() override { set_file_seam({}); }

    std::map<std::string, std::string> before;
};

TEST_F(PairedCommitFaultTest, TheNextStartShowsTheSeasonBeforeTheCommitAndOffersItsGamesBack) {
    ASSERT_FALSE(services.transcript.empty());
    EXPECT_EQ(services.transcript[0].rfind("MSG: データを保存できませんでした。", 0), 0u) << services.transcript[0];
    EXPECT_TRUE(window->document().games_unsaved());
    EXPECT_NE(test::slurp(dir / "Kouryu_2026.DAT"), before["Kouryu_2026.DAT"]);  // replaced before the failure

    window.reset();
    services = ui::ScriptedServices{};
    services.answers = {true};
    ASSERT_TRUE(start_only());
    EXPECT_EQ(test::slurp(dir / "Kouryu_2026.DAT"), before["Kouryu_2026.DAT"]);
    EXPECT_EQ(test::slurp(dir / "Tev_2026.DAT"), before["Tev_2026.DAT"]);
    EXPECT_EQ(test::derived_files_fault(dir.path(), "2026"), "");
    EXPECT_EQ(test::leftovers(dir.path()), std::vector<std::string>{});
    EXPECT_EQ(window->document().pending().count(), 2);  // both games offered back and taken
}

TEST_F(PairedCommitFaultTest, TheNextCommitOfTheSessionSavesBothWhole) {
    // Right before the game file is replaced, the marker can still take the season back to the
    // one before both saves: the interleague file it holds is the one before the failed save.
    std::optional<std::string> held;
    set_file_seam([&](FilePoint p, const fs::path& path) {
        if (p == FilePoint::before_rename && path.filename() == "Tev_2026.DAT") {
            const auto pending = pending_save(dir.path(), "2026");
            if (pending && pending->put_back) held = pending->put_back->bytes;
        }
        return 0;
    });
    click("mnudat_in");
    test::end_entry(*window, services);
    set_file_seam({});
    EXPECT_EQ(held, before["Kouryu_2026.DAT"]);
    EXPECT_FALSE(window->document().games_unsaved());
    EXPECT_EQ(test::leftovers(dir.path()), std::vector<std::string>{});
    EXPECT_EQ(test::derived_files_fault(dir.path(), "2026"), "");
    EXPECT_FALSE(window->season().game_at(1, 4, 8).empty());
    EXPECT_FALSE(window->season().filed_game(1, 12, 2).empty());
    Season on_disk;
    on_disk.disp_year = "2026";
    ASSERT_TRUE(read_season_files(dir.path(), year_file_names("2026"), on_disk).ok());
    EXPECT_TRUE(on_disk.games == window->season().games);
    EXPECT_TRUE(on_disk.interleague == window->season().interleague);
}

TEST(InstanceLockFaults, ALockFolderThatCannotBeMadeIsToldAndDoesNotStopTheProgram) {
    set_file_seam([](FilePoint p, const fs::path&) { return p == FilePoint::before_make_folder ? EACCES : 0; });
    test::TempDir data;
    ui::InstanceLock lock;
    EXPECT_TRUE(lock.acquire(data.path()));
    set_file_seam({});
    EXPECT_NE(lock.unavailable_reason().find("書き込みが許可されていません"), std::string::npos);
    const std::string text = to_utf8(ui::lock_unavailable_text(lock.unavailable_reason()));
    EXPECT_EQ(text.rfind("二重起動を確かめるためのロックを作れませんでした。", 0), 0u);
    ui::InstanceLock fine;
    EXPECT_TRUE(fine.acquire(data.path()));
    EXPECT_EQ(fine.unavailable_reason(), "");
}

}  // namespace
}  // namespace tev
