// Rows of the bad-input catalogue (tests/bad_inputs.md) that no other test covered: files longer
// than their layout and numbers where a text belongs, for each file of a year.
#include <gtest/gtest.h>

#include "core/homeruns/homerun_file.h"
#include "core/store/season_files.h"
#include "season_gen.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;

class BadInputs : public ::testing::Test {
  protected:
    void SetUp() override {
        test::add_game(season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2});
        ASSERT_TRUE(gen::write_generated(dir.path(), season).ok());
    }

    Error season_error() {
        Season read;
        const Status status = read_season_files(dir.path(), year_file_names("1996"), read);
        EXPECT_TRUE(read.empty());
        return status ? Error{} : status.error();
    }

    // The file with its line `line` (1-based) replaced.
    void replace_line(const std::string& name, int line, const std::string& with) {
        std::string bytes = slurp(dir / name);
        std::size_t start = 0;
        for (int i = 1; i < line; ++i) start = bytes.find("\r\n", start) + 2;
        const std::size_t end = bytes.find("\r\n", start);
        spit(dir / name, bytes.substr(0, start) + with + bytes.substr(end));
    }

    Season season;
    test::TempDir dir;
};

TEST_F(BadInputs, AFileLongerThanItsLayoutIsRefusedAtItsFirstExtraLine) {
    for (auto [name, lines] : {std::pair{"Tev_1996.DAT", 2160}, std::pair{"Best100_1996.DAT", 150},
                               std::pair{"Pitcher_1996.DAT", 250}}) {
        const std::string whole = slurp(dir / name);
        spit(dir / name, whole + whole.substr(0, whole.find("\r\n") + 2));
        const Error e = season_error();
        EXPECT_EQ(e.describe(), std::string(name) + " " + std::to_string(lines + 1) + "行目: 行数が多すぎます（" +
                                    std::to_string(lines) + "行まで）");
        spit(dir / name, whole);
    }
    const std::string homeruns = slurp(dir / "homerun_1996.DAT");
    spit(dir / "homerun_1996.DAT", homeruns + "\"\",\"\"\r\n");
    auto read = read_homerun_file(dir.path(), "homerun_1996.DAT");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().file, "homerun_1996.DAT");
    EXPECT_EQ(read.error().line, 453);
}

TEST_F(BadInputs, ANumberWhereATextBelongsIsRefused) {
    replace_line("Tev_1996.DAT", 1, "5");
    EXPECT_EQ(season_error().describe(), "Tev_1996.DAT 1行目: 文字列の項目が引用符で囲まれていません");
    ASSERT_TRUE(gen::write_generated(dir.path(), season).ok());
    replace_line("Pitcher_1996.DAT", 2, "7,0,0,0,\"\",0,0,0,\"\",0,0,0");
    EXPECT_EQ(season_error().line, 2);
    replace_line("homerun_1996.DAT", 3, "\"\",12,\"\",\"\"");
    auto read = read_homerun_file(dir.path(), "homerun_1996.DAT");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().line, 3);
}

}  // namespace
}  // namespace tev
