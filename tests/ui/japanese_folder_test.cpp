// A data folder with a Japanese name, as fans name theirs: the season there starts, a table is
// saved under a Japanese file name beside it, and both read back as written. On Windows the
// names cross the system's edge as wide characters; the narrow code page would lose them.
#include <gtest/gtest.h>

#include "core/platform/utf8_path.h"
#include "core/text/data_file.h"
#include "season_gen.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/shell/instance_lock.h"
#include "ui/shell/scripted_services.h"

namespace tev {
namespace {

namespace fs = std::filesystem;

TEST(JapaneseFolderName, TheSeasonThereStartsAndAFileNamedInJapaneseIsSavedBeside) {
    test::TempDir tmp;
    const fs::path folder = tmp.path() / utf8_path("プロ野球データ");
    fs::create_directories(folder);
    const Season season = gen::generate_season("1996", 3);
    ASSERT_TRUE(gen::write_generated(folder, season).ok());

    ui::ScriptedServices services;
    ui::MainWindow program(folder, services);
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(services.transcript.empty());  // no message: every file was found and read
    EXPECT_EQ(program.season().games, season.games);

    ui::InstanceLock second_copy;
    EXPECT_TRUE(second_copy.acquire(folder));
    EXPECT_TRUE(second_copy.unavailable_reason().empty());

    const std::string table = "\x8b\x90\x90\x6c,1\r\n";  // 巨人,1 in code page 932
    ASSERT_TRUE(write_files_atomically(folder, {{"順位表.csv", table}}).ok());
    EXPECT_TRUE(fs::exists(folder / utf8_path("順位表.csv")));
    const auto read = read_file_bytes(folder, "順位表.csv");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, table);
}

}  // namespace
}  // namespace tev
