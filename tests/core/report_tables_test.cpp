// Reports saved as tables: the head-to-head grids and the pitcher lists cut at their own
// columns, their headings read as the rivals' names, golden CSV files of a generated season, and
// what a standard CSV reader makes of them.
#include <gtest/gtest.h>

#include <memory>

#include "core/pitchers/pitcher_make.h"
#include "core/pitchers/pitcher_report.h"
#include "core/stats/head_to_head_report.h"
#include "core/stats/standings.h"
#include "core/text/csv.h"
#include "season_gen.h"
#include "support/csv_read_back.h"
#include "support/golden_switch.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::read_back_with_python;

// Compares `bytes` with the golden file `name` under data/export (rewritten on request).
::testing::AssertionResult matches_csv_golden(const std::string& name, const std::string& bytes) {
    const std::string file = std::string(TEVARDIN_TEST_DATA) + "/export/" + name;
    if (test::rewriting_goldens()) test::spit(file, bytes);
    if (test::slurp(file) == bytes) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << " differs; actual:\n" << bytes;
}

// The number of fields of each record of the reader's JSON, in order.
std::vector<int> field_counts(const std::string& json) {
    std::vector<int> counts;
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (quoted) {
            if (c == '\\') ++i;
            else if (c == '"') quoted = false;
            continue;
        }
        if (c == '"') quoted = true;
        if (c == '[' && ++depth == 2) counts.push_back(1);
        if (c == ']') --depth;
        if (c == ',' && depth == 2) ++counts.back();
    }
    return counts;
}

struct GeneratedSeason {
    std::unique_ptr<Season> season = std::make_unique<Season>(gen::generate_season("1996", 11));
    LeagueTable central = build_standings(*season, 1, 6);
    LeagueTable pacific = build_standings(*season, 7, 12);
    TeamTallies tallies = build_team_tallies(*season);
};

TEST(GridCsv, TheWinLossGridHasEachLeaguesRivalsAboveItsSixClubs) {
    TEVARDIN_NEEDS_PYTHON_READER();
    const GeneratedSeason g;
    const ReportPane pane = vs_record_report(g.tallies, g.central, g.pacific, "1996", 0);
    const std::string bytes = report_csv(pane.table, pane.lines);
    EXPECT_TRUE(matches_csv_golden("vs_record_1996_11.csv", bytes));
    // Each league's rivals head its block; every row says its league; names are closed up.
    EXPECT_NE(bytes.find("\r\nリーグ,チーム,オリックス,西武,近鉄,日本ハム,ロッテ,ダイエー,順位\r\n"), std::string::npos);
    const std::string json = read_back_with_python(bytes);
    EXPECT_EQ(field_counts(json), std::vector<int>(14, 9)) << json;
    EXPECT_EQ(json.rfind("[[\"リーグ\", \"チーム\", \"巨人\", \"ヤクルト\", \"横浜\", \"阪神\", \"広島\", \"中日\", \"順位\"], [\"セ・リーグ\", \"巨人\", \"\", ", 0), 0u)
        << json;
    EXPECT_NE(json.find("[\"パ・リーグ\", \"ダイエー\", "), std::string::npos) << json;
}

TEST(GridCsv, ThePercentageGridSavesTheSameInEveryLayout) {
    TEVARDIN_NEEDS_PYTHON_READER();
    const GeneratedSeason g;
    std::vector<std::string> files;
    for (int size : {0, 1, 2}) {
        const ReportPane pane = vs_pct_report(g.tallies, g.central, g.pacific, "1996", size);
        files.push_back(report_csv(pane.table, pane.lines));
    }
    EXPECT_TRUE(matches_csv_golden("vs_pct_1996_11.csv", files[0]));
    EXPECT_EQ(files[1], files[0]);  // the Pacific header of layout 1 differs on screen only
    EXPECT_EQ(files[2], files[0]);
    EXPECT_EQ(field_counts(read_back_with_python(files[0])), std::vector<int>(14, 9));
}

TEST(PitcherCsv, TheCentralListHasARowPerPitcherWithHisClub) {
    TEVARDIN_NEEDS_PYTHON_READER();
    const GeneratedSeason g;
    const PitcherTable table = build_pitcher_table(*g.season, 1, 6).table;
    const ReportPane pane = pitcher_league_report(table, 1, 0);
    const std::string bytes = report_csv(pane.table, pane.lines);
    EXPECT_TRUE(matches_csv_golden("pitchers_central_1996_11.csv", bytes));
    const std::vector<int> counts = field_counts(read_back_with_python(bytes));
    EXPECT_EQ(counts.size(), pane.lines.size() + 1);
    EXPECT_EQ(counts, std::vector<int>(counts.size(), 6));
}

PitcherRow row(int team, const char32_t* name, int wins, int losses, int saves) {
    return PitcherRow{pitcher_key(team, name), static_cast<std::int16_t>(wins), static_cast<std::int16_t>(losses),
                      static_cast<std::int16_t>(saves)};
}

TEST(PitcherCsv, CommasAndQuotesInNamesSurviveAStandardReader) {
    TEVARDIN_NEEDS_PYTHON_READER();
    PitcherTable table{};
    table[0] = row(8, U"郭,泰源", 12, 3, 0);
    table[1] = row(11, U"\"伊良部\"", 9, 4, 1);
    const ReportPane pane = pitcher_league_report(table, 2, 0);
    EXPECT_EQ(read_back_with_python(report_csv(pane.table, pane.lines)),
              "[[\"順位\", \"投手名\", \"勝\", \"敗\", \"セーブ\", \"チーム\"], "
              "[\"1\", \"郭,泰源\", \"12\", \"3\", \"0\", \"西武\"], "
              "[\"2\", \"\\\"伊良部\\\"\", \"9\", \"4\", \"1\", \"ロッテ\"]]\n");
}

TEST(PitcherCsv, AClubListGivesBothRanksOfItsPitchers) {
    TEVARDIN_NEEDS_PYTHON_READER();
    PitcherTable table{};
    table[0] = row(2, U"石井一", 10, 2, 0);
    table[1] = row(1, U"斎藤雅", 10, 2, 0);
    table[2] = row(1, U"桑田", 8, 5, 3);
    const ReportPane pane = pitcher_club_report(table, 1, 0);
    EXPECT_EQ(read_back_with_python(report_csv(pane.table, pane.lines)),
              "[[\"チーム内順位\", \"総合順位\", \"投手名\", \"勝\", \"敗\", \"セーブ\"], "
              "[\"1\", \"1\", \"斎藤雅\", \"10\", \"2\", \"0\"], [\"2\", \"3\", \"桑田\", \"8\", \"5\", \"3\"]]\n");
}

}  // namespace
}  // namespace tev
