// A year's files have the same bytes wherever they are written: a generated 2026 season (names in
// kanji, kana and half-width kana, interleague games) is written and compared byte for byte with
// the files under tests/data/year_files, and those files read back into the same season. The Linux
// build wrote them; the Windows build runs the same test, so a file written on either platform
// reads on the other as it was written. TEVARDIN_UPDATE_GOLDEN=1 writes them again.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "core/platform/utf8_path.h"
#include "core/settings/settings.h"
#include "core/store/season_files.h"
#include "season_gen.h"
#include "support/golden_switch.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(TEVARDIN_TEST_DATA) / "year_files";

std::map<std::string, std::string> files_of(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file()) files[utf8_string(entry.path().filename())] = test::slurp(entry.path());
    return files;
}

TEST(YearFileBytes, ASeasonIsWrittenWithTheSameBytesOnEveryPlatform) {
    const auto season = std::make_unique<Season>(gen::generate_season("2026", 11));
    test::TempDir dir;
    ASSERT_TRUE(gen::write_generated(dir.path(), *season).ok());
    const auto written = files_of(dir.path());
    if (test::rewriting_goldens()) {
        fs::remove_all(kGolden);
        fs::create_directories(kGolden);
        for (const auto& [name, bytes] : written) test::spit(kGolden / utf8_path(name), bytes);
    }
    const auto golden = files_of(kGolden);
    ASSERT_EQ(written.size(), golden.size());
    for (const auto& [name, bytes] : golden) {
        ASSERT_TRUE(written.count(name)) << name;
        EXPECT_TRUE(written.at(name) == bytes) << name << " differs from its golden bytes";
    }

    auto back = std::make_unique<Season>();
    back->disp_year = "2026";
    ASSERT_TRUE(read_season_files(kGolden, year_file_names("2026"), *back).ok());
    EXPECT_EQ(back->games, season->games);
    // The names read back as the characters they were: kanji among them.
    const bool has_kanji = std::any_of(back->pitcher_all.begin(), back->pitcher_all.end(), [](const PitcherRow& row) {
        return std::any_of(row.key.begin(), row.key.end(), [](char32_t c) { return c >= 0x4E00 && c <= 0x9FFF; });
    });
    EXPECT_TRUE(has_kanji);
}

}  // namespace
}  // namespace tev
