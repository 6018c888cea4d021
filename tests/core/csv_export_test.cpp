// Tables saved as CSV: fields cut at a report's columns, RFC 4180 quoting, the byte-order mark,
// and a round trip through a standard CSV reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "core/stats/standings.h"
#include "core/stats/standings_report.h"
#include "core/text/csv.h"
#include "season_gen.h"
#include "support/csv_read_back.h"
#include "support/golden_switch.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::read_back_with_python;

TEST(CsvField, IsQuotedOnlyWhenItHasTo) {
    EXPECT_EQ(csv_field(U"巨　人"), "巨　人");
    EXPECT_EQ(csv_field(U"a,b"), "\"a,b\"");
    EXPECT_EQ(csv_field(U"say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv_field(U"two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(csv_field(U""), "");
}

TEST(CsvDocument, StartsWithTheByteOrderMarkAndEndsEveryRecordWithCrLf) {
    EXPECT_EQ(csv_document({U"a", U"b"}, {{U"1", U"2"}}), "\xEF\xBB\xBF" "a,b\r\n1,2\r\n");
}

TEST(CsvDocument, QuotesCommasAndLineBreaksSurviveAStandardReader) {
    TEVARDIN_NEEDS_PYTHON_READER();
    const std::string bytes = csv_document({U"名前", U"備考"},
                                           {{U"山田, 太郎", U"\"エース\""}, {U"ｶﾞﾙｼｱ", U"一行目\r\n二行目"}});
    EXPECT_EQ(read_back_with_python(bytes),
              "[[\"名前\", \"備考\"], [\"山田, 太郎\", \"\\\"エース\\\"\"], [\"ｶﾞﾙｼｱ\", \"一行目\\r\\n二行目\"]]\n");
}

TEST(SplitLine, CutsAtTheColumnsTrimsAndDropsSeparators) {
    const ReportColumns columns = {{U"順位", 2}, {U"", 2}, {U"チーム", 5}, {U"勝", 4}};
    EXPECT_EQ(split_line(columns, U" 1] 巨　人　　  12"), (std::vector<Text>{U"1", U"巨　人", U"12"}));
    // A short line gives empty fields rather than a failure.
    EXPECT_EQ(split_line(columns, U" 1"), (std::vector<Text>{U"1", U"", U""}));
}

TEST(SplitLine, UndoesJoinCells) {
    const ReportColumns columns = {{U"a", 3}, {U"b", 4}, {U"c", 2}};
    const Text line = join_cells(columns, {U"x", U"yy", U"zz"});
    EXPECT_EQ(line, U"x  yy  zz");
    EXPECT_EQ(split_line(columns, line), (std::vector<Text>{U"x", U"yy", U"zz"}));
}

std::vector<std::string> csv_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", at);
        lines.push_back(bytes.substr(at, end - at));
        if (end == std::string::npos) break;
        at = end + 2;
    }
    return lines;
}

TEST(StandingsCsv, HasAHeaderAndOneRowPerClubOfTheGeneratedSeason) {
    auto season = std::make_unique<Season>(gen::generate_season("1996", 11));
    const auto lines = standings_lines(build_standings(*season, 1, 6), build_standings(*season, 7, 12), "1996");
    const std::string bytes = report_csv(standings_table(), lines);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    const auto records = csv_lines(bytes.substr(3));
    EXPECT_EQ(records.size(), 13u);
    if (test::rewriting_goldens())
        test::spit(TEVARDIN_TEST_DATA "/export/standings_1996_11.csv", bytes);
    EXPECT_EQ(test::slurp(TEVARDIN_TEST_DATA "/export/standings_1996_11.csv"), bytes)
        << "actual:\n" << bytes;
}

TEST(StandingsCsv, EveryRowReadsBackWithItsLeagueBeforeThirteenFields) {
    TEVARDIN_NEEDS_PYTHON_READER();
    auto season = std::make_unique<Season>(gen::generate_season("1996", 11));
    const auto lines = standings_lines(build_standings(*season, 1, 6), build_standings(*season, 7, 12), "1996");
    const std::string json = read_back_with_python(report_csv(standings_table(), lines));
    EXPECT_EQ(json.substr(0, 3), "[[\"") << json;
    EXPECT_NE(json.find("[[\"リーグ\", \"順位\", \"チーム\", \"試合\""), std::string::npos) << json;
    EXPECT_NE(json.find("[\"セ・リーグ\", \"1\", \"中日\", "), std::string::npos) << json;
    EXPECT_NE(json.find("[\"パ・リーグ\", \"1\", \"日本ハム\", "), std::string::npos) << json;
    std::size_t records = 0;
    for (std::size_t at = json.find('[', 1); at != std::string::npos; at = json.find('[', at + 1)) ++records;
    EXPECT_EQ(records, 13u);
}

TEST(TableFields, OnlyANameSpreadOverItsColumnIsClosedUp) {
    EXPECT_EQ(closed_up(U"阪　神"), U"阪神");
    EXPECT_EQ(closed_up(U"楽　天"), U"楽天");
    EXPECT_EQ(closed_up(U"松井　秀喜"), U"松井　秀喜");  // a full name keeps its blank
    EXPECT_EQ(closed_up(U"ヤクルト"), U"ヤクルト");
    EXPECT_EQ(closed_up(U"1- 0-0"), U"1- 0-0");
    EXPECT_EQ(closed_up(U"a b c"), U"a b c");  // half-width blanks are the cell's own
    EXPECT_EQ(closed_up(U"　阪　"), U"　阪　");
}

}  // namespace
}  // namespace tev
