// Results tables in and out: the CSV reader, club names as tables write them, the import plan
// (new, identical, differing and refused rows, meetings numbered by date) and the export that an
// import into an empty year turns back into the same game files.
#include <gtest/gtest.h>

#include "core/exchange/club_lookup.h"
#include "core/exchange/game_export.h"
#include "core/exchange/game_import.h"
#include "core/pitchers/pitcher_make.h"
#include "core/topics/game_topics.h"
#include "core/text/fixed_width.h"
#include "core/store/interleague_file.h"
#include "core/store/season_files.h"
#include "core/text/cp932.h"
#include "core/text/csv_read.h"
#include "season_gen.h"
#include "support/interleague_season_gen.h"
#include "support/season_builder.h"

namespace tev {
namespace {

std::vector<std::vector<std::string>> fields_of(const std::vector<CsvRecord>& records) {
    std::vector<std::vector<std::string>> out;
    for (const CsvRecord& r : records) {
        out.emplace_back();
        for (const Text& f : r.fields) out.back().push_back(to_utf8(f));
    }
    return out;
}

TEST(CsvRead, QuotesLineBreaksAndEncodings) {
    const std::string utf8 = "\xEF\xBB\xBF" "日付,先攻\r\n\"a,b\",\"say \"\"hi\"\"\"\n\n\"two\nlines\",x\n";
    auto read = read_csv(utf8, "t.csv");
    ASSERT_TRUE(read.ok()) << read.error().describe();
    EXPECT_EQ(fields_of(*read), (std::vector<std::vector<std::string>>{
                                    {"日付", "先攻"}, {"a,b", "say \"hi\""}, {"two\nlines", "x"}}));
    EXPECT_EQ((*read)[2].line, 4);  // the blank line 3 is left out, the record starts on line 4

    const std::string sjis = *encode_cp932(U"日付,先攻\r\n2026/6/3,巨人\r\n");
    auto read_sjis = read_csv(sjis, "s.csv");
    ASSERT_TRUE(read_sjis.ok());
    EXPECT_EQ(to_utf8((*read_sjis)[1].fields[1]), "巨人");

    auto unclosed = read_csv("a,b\n\"c,d\n", "u.csv");
    ASSERT_FALSE(unclosed.ok());
    EXPECT_EQ(unclosed.error().describe(), "u.csv 2行目: 引用符（\"）が閉じていません");
    auto after_quote = read_csv("\"a\"b,c\n", "q.csv");
    ASSERT_FALSE(after_quote.ok());
    EXPECT_EQ(after_quote.error().line, 1);
    EXPECT_FALSE(read_csv(std::string("a,b\n\0\x01", 6), "bin").ok());
    EXPECT_FALSE(read_csv("\xEF\xBB\xBF\xFF\xFE", "bad").ok());
}

TEST(ClubLookup, EveryFormAndThePressNames) {
    const ClubNames& today = todays_club_names();
    const ClubNames& old = default_club_names();
    EXPECT_EQ(club_by_name(U"ＤｅＮＡ", today), 3);
    EXPECT_EQ(club_by_name(U"dena", today), 3);
    EXPECT_EQ(club_by_name(U"横浜", today), 3);  // the former name of the place
    EXPECT_EQ(club_by_name(U"ｿﾌﾄﾊﾞﾝｸ", today), 12);
    EXPECT_EQ(club_by_name(U"日ﾊﾑ", today), 10);
    EXPECT_EQ(club_by_name(U"ソフトＢ", old), 12);  // the press's short form, in a year of the old names
    EXPECT_EQ(club_by_name(U" 西  武 ", old), 8);
    EXPECT_EQ(club_by_name(U"ﾀﾞｲｴｰ", old), 12);
    EXPECT_EQ(club_by_name(U"近鉄", today), 9);
    EXPECT_EQ(club_by_name(U"パ・リーグ", today), 0);
    EXPECT_EQ(club_by_name(U"", today), 0);
    EXPECT_EQ(fold_name(U"ﾊﾟﾘｰｸﾞ ＡＢＣ"), U"パリーグabc");
}

class ImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        season.disp_year = "2026";
        season.clubs = todays_club_names();
        season.interleague_meetings = 3;
    }

    ImportPlan plan(const std::string& rows) {
        auto p = plan_import("date,visitor,home,visitor_score,home_score," + columns + "\n" + rows, "t.csv", season);
        EXPECT_TRUE(p.ok()) << p.error().describe();
        return p.ok() ? *p : ImportPlan{};
    }

    std::string refusal(const std::string& row) {
        const ImportPlan p = plan(row + "\n");
        if (p.refused.size() != 1) return "not refused";
        EXPECT_EQ(p.refused[0].line, 2);
        return to_utf8(p.refused[0].text);
    }

    Season season;
    std::string columns = "meeting,visitor_innings,home_innings,winning_pitcher,losing_pitcher,save_pitcher,attendance,visitor_homers,home_homers";
};

TEST_F(ImportTest, MeetingsAreNumberedByDateAndAFileImportedTwiceChangesNothing) {
    columns = "visitor_innings,home_innings";
    const std::string rows = "2026-04-10,巨人,阪神,2,1,0 0 2 0 0 0 0 0 0,1 0 0 0 0 0 0 0 0\n"
                             "2026/4/3,阪神,巨人,3,2,,\n"
                             "2026-06-02,巨人,ソフトバンク,5,4,,\n";
    ImportPlan first = plan(rows);
    ASSERT_EQ(first.fresh.size(), 3u);
    EXPECT_EQ(first.refused.size(), 0u);
    EXPECT_EQ(first.fresh[0].meeting, 2);  // 10 April: the pair's second meeting
    EXPECT_EQ(first.fresh[1].meeting, 1);
    EXPECT_EQ(first.fresh[2].meeting, 1);
    EXPECT_TRUE(first.fresh[2].interleague());
    EXPECT_EQ(first.score_only, 2);
    EXPECT_EQ(apply_import(season, first, false), 3);
    EXPECT_EQ(first_runs(season.filed_game(4, 1, 1)), 3);
    EXPECT_EQ(inning_cell(season.filed_game(1, 4, 2), true, 3), U" 2");
    EXPECT_FALSE(season.filed_game(1, 12, 1).empty());

    const ImportPlan again = plan(rows);
    EXPECT_EQ(again.fresh.size(), 0u);
    EXPECT_EQ(again.identical.size(), 3u);
    EXPECT_FALSE(again.changes_something());
}

TEST_F(ImportTest, ADifferingGameIsKeptOrReplacedAsAsked) {
    columns = "meeting";
    ImportPlan first = plan("2026-04-03,巨人,阪神,3,2,1\n");
    apply_import(season, first, false);
    ImportPlan other = plan("2026-04-03,阪神,巨人,1,0,1\n");
    ASSERT_EQ(other.differing.size(), 1u);
    EXPECT_EQ(to_utf8(other.differences[0].text), "4月3日 阪神 対 巨人 1回戦 1 - 0: 登録済みの試合（4月3日 巨人 3 - 2 阪神）と違います");
    apply_import(season, other, false);
    EXPECT_EQ(first_runs(season.filed_game(1, 4, 1)), 3);
    apply_import(season, other, true);
    EXPECT_TRUE(season.filed_game(1, 4, 1).empty());  // filed the other way round now
    EXPECT_EQ(first_runs(season.filed_game(4, 1, 1)), 1);
}

TEST_F(ImportTest, EachRefusalNamesItsReason) {
    EXPECT_EQ(refusal("2026-04-03,巨人,パイレーツ,3,2,,,,,,,,,"), "球団「パイレーツ」が分かりません");
    EXPECT_EQ(refusal("2026-04-03,巨人,ジャイアンツ,3,2,,,,,,,,,"), "球団「ジャイアンツ」が分かりません");
    EXPECT_EQ(refusal("2026-04-03,巨人,読売,3,2,,,,,,,,,"), "先攻と後攻が同じ球団です（巨人）");
    EXPECT_EQ(refusal("2025-04-03,巨人,阪神,3,2,,,,,,,,,"), "日付の年（2025）がこの年度（2026）と違います");
    EXPECT_EQ(refusal("2026-04-31,巨人,阪神,3,2,,,,,,,,,"), "日付「2026-04-31」はありません");
    EXPECT_EQ(refusal("2026-12-01,巨人,阪神,3,2,,,,,,,,,"), "日付「2026-12-01」がシーズン（3月から10月）の外です");
    EXPECT_EQ(refusal("3日,巨人,阪神,3,2,,,,,,,,,"), "日付「3日」が読めません（2026-06-03 か 2026/6/3 の形で書いて下さい）");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,3,2,26,,,,,,,,"), "巨人 対 阪神 は25回戦までです（26回戦）");
    EXPECT_EQ(refusal("2026-06-03,巨人,楽天,3,2,4,,,,,,,,"), "巨人 対 楽  天 は3回戦までです（4回戦）");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,100,2,,,,,,,,,"), "先攻得点「100」が0から99の数ではありません");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,3,2,,1 1,2 0,,,,,,"), "先攻各回の合計（2）が先攻得点（3）と違います");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,2,3,,1 1,2 1,,,,,,"), "not refused");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,2,2,,1 1,2 X,,,,,,"), "後攻の最終回がXですが、後攻が勝っていません");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,2,3,,1 1,X 3,,,,,,"), "後攻各回のXが最終回ではありません");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,2,2,,1 1,2 0,,,,,,"), "not refused");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,3,2,,1 1 1,2,,,,,,"), "先攻と後攻の回の数が違います（3回と1回）");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,2,2,,,,菅野,,,,,"), "引き分けに勝利投手「菅野」があります");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,3,2,,,,\"菅\"\"野\",,,,,"), "勝利投手「菅\"野」に「\"」は使えません");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,3,2,,,,Ω𝄞,,,,,"), "勝利投手「Ω𝄞」にデータファイルに書けない文字があります");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,3,2,,,,,,,,岡本/才木;岡本/才木;岡本/才木;岡本/才木,"),
              "先攻の本塁打（4本）が得点（3）を超えています");
    EXPECT_EQ(refusal("2026-04-03,巨人,阪神,3,2,,,,,,,4万,,"), "観客数「4万」が数ではありません");
}

TEST_F(ImportTest, TwoRowsOfOneMeetingKeepTheFirst) {
    columns = "meeting";
    const ImportPlan p = plan("2026-04-03,巨人,阪神,3,2,1\n2026-04-04,阪神,巨人,1,0,1\n2026-04-05,阪神,巨人,1,0,\n");
    ASSERT_EQ(p.refused.size(), 1u);
    EXPECT_EQ(p.refused[0].line, 3);
    EXPECT_EQ(to_utf8(p.refused[0].text), "同じ試合（阪神 対 巨人 1回戦）が2行目にもあります");
    ASSERT_EQ(p.fresh.size(), 2u);
    EXPECT_EQ(p.fresh[1].meeting, 2);  // the row without a meeting takes the next free one
    season.disp_year = "1996";
    season.interleague_meetings = 0;
    const ImportPlan no_interleague = plan("1996-06-03,巨人,ダイエー,3,2,\n");
    ASSERT_EQ(no_interleague.refused.size(), 1u);
    EXPECT_EQ(to_utf8(no_interleague.refused[0].text), "1996年は交流戦のない年です（巨人 対 ｿﾌﾄB）");
}

TEST_F(ImportTest, AGameWithItsScoreAloneCreditsNoUnnamedPitcher) {
    columns = "winning_pitcher,losing_pitcher";
    apply_import(season, plan("2026-04-03,巨人,阪神,3,2,,\n2026-04-04,巨人,阪神,1,0,戸郷,才木\n"), false);
    const PitcherTable table = build_pitcher_table(season, 1, 6).table;
    // 戸郷 and 才木 only: the first game's pitchers are not known, so no row stands for them.
    EXPECT_EQ(to_utf8(trim_right(table[0].key)), " 1戸郷");
    EXPECT_EQ(to_utf8(trim_right(table[1].key)), " 4才木");
    EXPECT_TRUE(table[2].key.empty());
}

TEST_F(ImportTest, AGameWithItsScoreAloneIsLeftOutOfTheSmallestCrowdAndSaidSo) {
    columns = "attendance,visitor_innings,home_innings";
    apply_import(season, plan("2026-04-03,巨人,阪神,3,2,,,\n2026-04-04,巨人,阪神,1,0,41000,1 0,0 0\n"), false);
    const std::vector<Text> lines = smallest_crowd_topic(season);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(to_utf8(lines[0]), "【最小観客試合】    観客数＝41000人 ");
    EXPECT_EQ(to_utf8(lines[2]), "    （観客数のない得点だけの試合 1 試合は除きます）");
}

TEST_F(ImportTest, AFileThatIsNotAResultsTableIsRefusedWhole) {
    auto no_scores = plan_import("date,visitor,home\n2026-04-03,巨人,阪神\n", "t.csv", season);
    ASSERT_FALSE(no_scores.ok());
    EXPECT_EQ(no_scores.error().describe(),
              "t.csv 1行目: 見出しの行に visitor_score（先攻得点）、home_score（後攻得点） の列がありません");
    EXPECT_FALSE(plan_import("", "e.csv", season).ok());
    EXPECT_FALSE(plan_import(std::string("\x89PNG\r\n\x1a\n\0\0", 10), "p.csv", season).ok());
}

TEST(GameExport, ASeasonExportedAndImportedIntoAnEmptyYearIsTheSameByteForByte) {
    for (const Season& original : {test::generate_2026_season(7), gen::generate_season("1996", 3)}) {
        SCOPED_TRACE(original.disp_year);
        const std::string csv = games_csv(original);
        Season empty;
        empty.disp_year = original.disp_year;
        empty.clubs = original.clubs;
        empty.interleague_meetings = original.interleague_meetings;
        auto plan = plan_import(csv, "export.csv", empty);
        ASSERT_TRUE(plan.ok()) << plan.error().describe();
        EXPECT_EQ(plan->refused.size(), 0u) << (plan->refused.empty() ? "" : to_utf8(plan->refused[0].text));
        EXPECT_EQ(static_cast<int>(plan->fresh.size()), exported_game_count(original));
        apply_import(empty, *plan, false);
        EXPECT_TRUE(empty.games == original.games);
        EXPECT_TRUE(empty.interleague == original.interleague);
        EXPECT_EQ(games_csv(empty), csv);
    }
}

}  // namespace
}  // namespace tev
