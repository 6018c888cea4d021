#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/pitchers/pitcher_make.h"
#include "core/stats/inning_totals.h"
#include "core/stats/score_list.h"
#include "core/topics/game_topics.h"
#include "core/topics/pitcher_topics.h"
#include "core/topics/score_topics.h"
#include "core/topics/team_topics.h"
#include "core/topics/topic_lines.h"
#include "core/topics/topics_page.h"
#include "season_gen.h"
#include "support/golden.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::add_game;
using test::matches_golden;

// A game at (first, second, meet) with the innings given cell by cell and the runs they add
// up to; the attendance field as stored (five characters, right-aligned).
void add_innings_game(Season& season, int first, int second, int meet, const char32_t* first_innings,
                      const char32_t* second_innings, const char32_t* attendance, int month = 5, int day = 3) {
    GameFields f;
    const auto runs = [](const Text& cells) {
        long long sum = 0;
        for (std::size_t pos = 1; pos <= cells.size(); pos += 2) sum += number_or_zero(mid(cells, pos, 2));
        return static_cast<int>(sum);
    };
    f.first_innings = first_innings;
    f.second_innings = second_innings;
    f.first_runs = runs(f.first_innings);
    f.second_runs = runs(f.second_innings);
    f.attendance = attendance;
    f.year = ascii(season.disp_year);
    f.month = month;
    f.day = day;
    season.game_at(first, league_index(second), meet) = format_game(f);
}

// The tables a commit builds beside the games (the home-run tallies are filled by hand).
void build_tables(Season& season) {
    season.score_list = build_score_list(season);
    season.pitcher_c = build_pitcher_table(season, 1, 6).table;
    season.pitcher_p = build_pitcher_table(season, 7, 12).table;
    season.pitcher_all = build_pitcher_table(season, 1, 12).table;
}

// A tally entry: club, name padded with full-width blanks, count in two.
Text tally(int team, const char32_t* name, int count) {
    return right_num(team, 2) + pad_wide(name, 10) + right_num(count, 2);
}

std::vector<Text> page_of(const Season& season) {
    return topics_page(season, build_inning_totals(season));
}

// Six Central games and three Pacific ones: leading pitchers on both sides, two scores that
// share the lead, a slugfest, two games on the smallest crowd, and home runs.
std::unique_ptr<Season> small_season() {
    auto season = std::make_unique<Season>();
    Season& s = *season;
    add_game(s, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 5,
                 .attendance = 45000, .first_pitcher = U"斎藤", .second_pitcher = U"藪", .save = U"石毛"});
    add_game(s, {.first = 4, .second = 1, .meet = 2, .first_runs = 0, .second_runs = 5, .month = 4, .day = 6,
                 .attendance = 48000, .first_pitcher = U"川尻", .second_pitcher = U"桑田"});
    add_game(s, {.first = 2, .second = 3, .meet = 1, .first_runs = 7, .second_runs = 1, .month = 4, .day = 9,
                 .attendance = 15000, .first_pitcher = U"岡林", .second_pitcher = U"盛田"});
    add_game(s, {.first = 3, .second = 2, .meet = 2, .first_runs = 4, .second_runs = 4, .month = 4, .day = 10,
                 .attendance = 15000});
    add_game(s, {.first = 5, .second = 6, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 5, .day = 1,
                 .attendance = 30000, .first_pitcher = U"紀藤", .second_pitcher = U"今中", .save = U"佐々岡"});
    add_innings_game(s, 6, 5, 2, U" 2 0 0 4 0 0 3 0 1", U" 0 1 0 0 5 0 0 2 0", U"31000", 5, 2);
    add_game(s, {.first = 7, .second = 9, .meet = 1, .first_runs = 6, .second_runs = 2, .month = 4, .day = 5,
                 .attendance = 20000, .first_pitcher = U"星野", .second_pitcher = U"野茂"});
    add_game(s, {.first = 9, .second = 7, .meet = 2, .first_runs = 3, .second_runs = 1, .month = 4, .day = 6,
                 .attendance = 21000, .first_pitcher = U"野茂", .second_pitcher = U"星野", .save = U"赤堀"});
    add_game(s, {.first = 11, .second = 12, .meet = 1, .first_runs = 1, .second_runs = 0, .month = 4, .day = 7,
                 .attendance = 18000, .first_pitcher = U"伊良部", .second_pitcher = U"工藤"});
    build_tables(s);
    s.homeruns.bat_all[0] = tally(1, U"松井", 2);
    s.homeruns.bat_all[1] = tally(4, U"新庄", 1);
    s.homeruns.bat_all[2] = tally(1, U"落合", 1);
    s.homeruns.bat_all[3] = tally(7, U"イチロー", 1);
    s.homeruns.pit_all[0] = tally(4, U"藪", 2);
    s.homeruns.pit_all[1] = tally(4, U"川尻", 1);
    s.homeruns.pit_all[2] = tally(9, U"野茂", 1);
    return season;
}

TEST(TopicsPage, ASmallSeason) {
    const auto season = small_season();
    EXPECT_TRUE(matches_golden("topics/small_season.txt", page_of(*season)));
}

TEST(TopicsPage, AGeneratedSeason) {
    auto season = std::make_unique<Season>(gen::generate_season("1996", 7));
    build_tables(*season);
    EXPECT_TRUE(matches_golden("topics/generated.txt", page_of(*season)));
}

TEST(TopicsPage, AnEmptySeason) {
    const auto season = std::make_unique<Season>();
    const auto page = page_of(*season);
    EXPECT_TRUE(matches_golden("topics/empty.txt", page));
    // Title, nine blocks and the four closing lines; nothing is listed under the game headings.
    EXPECT_EQ(page.front(), Text());
    EXPECT_EQ(page[1], U"       ========= トピックス ========= ");
    EXPECT_TRUE(std::all_of(page.end() - 5, page.end(), [](const Text& l) { return l.empty(); }));
}

TEST(PitcherTopics, TiedLeadersAreAllListedInRowOrder) {
    Season season;
    // 桑田 and 紀藤 (met later) win two each, 藪 and 岡林 one: both leaders, in table order.
    add_game(season, {.first = 1, .second = 2, .meet = 1, .first_runs = 5, .second_runs = 1,
                      .first_pitcher = U"桑田", .second_pitcher = U"高津"});
    add_game(season, {.first = 1, .second = 2, .meet = 2, .first_runs = 4, .second_runs = 1,
                      .first_pitcher = U"桑田", .second_pitcher = U"高津"});
    add_game(season, {.first = 3, .second = 4, .meet = 1, .first_runs = 1, .second_runs = 2,
                      .first_pitcher = U"盛田", .second_pitcher = U"藪"});
    add_game(season, {.first = 5, .second = 6, .meet = 1, .first_runs = 6, .second_runs = 0,
                      .first_pitcher = U"紀藤", .second_pitcher = U"今中"});
    add_game(season, {.first = 2, .second = 1, .meet = 3, .first_runs = 3, .second_runs = 0,
                      .first_pitcher = U"岡林", .second_pitcher = U"斎藤"});
    add_game(season, {.first = 5, .second = 6, .meet = 2, .first_runs = 3, .second_runs = 1,
                      .first_pitcher = U"紀藤", .second_pitcher = U"山本昌広"});
    build_tables(season);
    const auto lines = pitcher_topics(season);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], U"【セ・最多勝利投手】  2勝");
    EXPECT_EQ(lines[1], Text(23, U' ') + U"桑田　　　　巨　人　　");
    EXPECT_EQ(lines[2], Text(23, U' ') + U"紀藤　　　　広　島　　");
    EXPECT_EQ(lines[3], Text());
    // 高津 alone lost twice.
    const auto losses = std::find(lines.begin(), lines.end(), U"【セ・最多敗け投手】  2敗");
    ASSERT_NE(losses, lines.end());
    EXPECT_EQ(*(losses + 1), Text(23, U' ') + U"高津　　　　ヤクルト　");
    EXPECT_EQ(*(losses + 2), Text());
}

TEST(PitcherTopics, ACountNobodyReachedListsNobody) {
    // Games without saves: every pitcher has 0 saves, and none of them leads with 0.
    const auto season = small_season();
    Season& s = *season;
    for (PitcherRow& row : s.pitcher_c) row.saves = 0;
    const auto lines = pitcher_topics(s);
    const auto at = std::find(lines.begin(), lines.end(), U"【セ・最多ｾｰﾌﾞ投手】  0Ｓ");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), Text());
    EXPECT_EQ(*(at + 2), U"【パ・最多ｾｰﾌﾞ投手】  1Ｓ");
}

TEST(PitcherTopics, ANameIsCutToSixCharactersAndABadClubShowsBlank) {
    Season season;
    season.pitcher_c[0] = {U" 1長い名前の投手です", 3, 0, 0};
    season.pitcher_c[1] = {U"99誰か", 3, 1, 0};
    const auto lines = pitcher_topics(season);
    EXPECT_EQ(lines[1], Text(23, U' ') + U"長い名前の投" + default_club_names().team_name(1));
    EXPECT_EQ(lines[2], Text(23, U' ') + U"誰か　　　　" + default_club_names().team_name(13));
}

TEST(ScoreTopics, AnEmptyListShowsTheHeadingsWithoutCounts) {
    Season season;
    EXPECT_EQ(most_frequent_score_topic(season), std::vector<Text>{U"【最多得点回数】    回"});
    EXPECT_EQ(highest_score_topic(season), std::vector<Text>{U"【最多得点試合】    回"});
    EXPECT_EQ(slugfest_topic(season), std::vector<Text>{U"【最多乱打戦】      合計得点＝  0"});
}

TEST(ScoreTopics, TheMostFrequentScoresStopAtTheFirstOtherCount) {
    const auto season = small_season();
    // 3-2 twice leads alone; every other score came once.
    const auto lines = most_frequent_score_topic(*season);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], U"【最多得点回数】      2回");
    EXPECT_EQ(lines[1], Text(8, kWideBlank) + U"      3 - 2  ");
}

TEST(ScoreTopics, AFullListOfEqualCountsEndsWithItsLastEntry) {
    // 150 scores met once each: every entry shares the lead, and the list ends at entry 150.
    Season season;
    for (int e = 0; e < kScoreListEntries; ++e)
        season.score_list[e] = right_num(e / 10 + 10, 2) + U" -" + right_num(e % 10, 2) + U"    1 回      1 回     0 回";
    const auto lines = most_frequent_score_topic(season);
    ASSERT_EQ(lines.size(), 1u + kScoreListEntries);
    EXPECT_EQ(lines.back(), Text(8, kWideBlank) + U"     24 - 9  ");
}

TEST(ScoreTopics, ShutoutsOnlyStillNameTheirScore) {
    // Only 0-0 draws: the highest score is 0-0 and the slugfest lists it with its games, and
    // nothing for the empty entries after it.
    Season season;
    add_game(season, {.first = 1, .second = 2, .meet = 1, .month = 4, .day = 5});
    add_game(season, {.first = 8, .second = 7, .meet = 1, .month = 6, .day = 1});
    build_tables(season);
    EXPECT_EQ(highest_score_topic(season),
              (std::vector<Text>{U"【最多得点試合】      2回", Text(7, kWideBlank) + U"        0 - 0  "}));
    EXPECT_EQ(slugfest_topic(season),
              (std::vector<Text>{U"【最多乱打戦】      合計得点＝  0", U"  0 - 0  ",
                                 U"    4/ 5   巨　人　　 対   ヤクルト　  1回戦  ",
                                 U"    6/ 1   西　武　　 対   オリックス  1回戦  "}));
}

TEST(ScoreTopics, TheHighestScoreIsTheFirstEntryWithIt) {
    Season season;
    season.score_list[0] = U" 3 - 2    4 回      3 回     1 回";
    season.score_list[1] = U" 9 - 1    2 回      1 回     1 回";
    season.score_list[2] = U" 9 - 8    1 回      1 回     0 回";
    const auto lines = highest_score_topic(season);
    EXPECT_EQ(lines, (std::vector<Text>{U"【最多得点試合】      2回", Text(7, kWideBlank) + U"        9 - 1  "}));
    // 9-8 has the most runs of both clubs.
    EXPECT_EQ(slugfest_topic(season)[0], U"【最多乱打戦】      合計得点＝ 17");
}

TEST(GameTopics, EqualSmallestCrowdsAreAllListed) {
    const auto season = small_season();
    EXPECT_EQ(smallest_crowd_topic(*season),
              (std::vector<Text>{U"【最小観客試合】    観客数＝15000人 ",
                                 U"    4/ 9 ○ヤクルト　 対 ●横　浜　　  1回戦  ",
                                 U"    4/10   横　浜　　 対   ヤクルト　  2回戦  "}));
}

TEST(GameTopics, ABlankAttendanceIsTheSmallestCrowd) {
    auto season = small_season();
    add_innings_game(*season, 12, 11, 2, U" 0 0 0 0 0 0 0 0 1", U" 0 0 0 0 0 0 0 0 0", U"     ", 9, 28);
    // A one-digit crowd keeps the cell's short form: four characters.
    EXPECT_EQ(smallest_crowd_topic(*season),
              (std::vector<Text>{U"【最小観客試合】    観客数＝   0人 ",
                                 U"    9/28 ○ダイエー　 対 ●ロッテ　　  2回戦  "}));
}

TEST(GameTopics, CrowdsAbove70000AreStillMeasured) {
    Season season;
    add_game(season, {.first = 4, .second = 1, .meet = 1, .first_runs = 2, .second_runs = 1, .attendance = 75000});
    add_game(season, {.first = 4, .second = 1, .meet = 2, .first_runs = 2, .second_runs = 1, .attendance = 72000});
    const auto lines = smallest_crowd_topic(season);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], U"【最小観客試合】    観客数＝72000人 ");
    EXPECT_EQ(lines[1], U"    4/ 5 ○阪　神　　 対 ●巨　人　　  2回戦  ");
}

TEST(GameTopics, NoGamesLeaveTheCrowdBlank) {
    EXPECT_EQ(smallest_crowd_topic(Season{}), std::vector<Text>{U"【最小観客試合】    観客数＝     人 "});
}

TEST(GameTopics, OnlyTheFirstBiggestInningIsListed) {
    Season season;
    add_innings_game(season, 2, 1, 1, U" 0 0 0 0 0 0 0 0 0", U" 0 0 6 0 0 0 0 0 X", U"30000", 4, 5);
    add_innings_game(season, 1, 2, 2, U" 6 0 0 0 0 0 0 0 0", U" 0 0 0 0 0 0 0 0 0", U"30000", 4, 6);
    add_innings_game(season, 7, 8, 1, U" 0 0 0 0 0 0 0 0 0 0 0 6", U" 0 0 0 0 0 0 0 0 0 0 0 0", U"30000", 4, 7);
    // The first in storage order is 巨人 at ヤクルト (1, 2, 2), though it was played later.
    EXPECT_EQ(biggest_inning_topic(season),
              (std::vector<Text>{U"【イニング最高得点】 6点", U"    4/ 6 ○巨　人　　 対 ●ヤクルト　  2回戦  "}));
}

TEST(GameTopics, NoScoringInningListsNoGame) {
    Season season;
    add_game(season, {.first = 3, .second = 5, .meet = 1});
    EXPECT_EQ(biggest_inning_topic(season), std::vector<Text>{U"【イニング最高得点】 0点"});
    EXPECT_EQ(biggest_inning_topic(Season{}), std::vector<Text>{U"【イニング最高得点】 0点"});
}

TEST(TeamTopics, HomeRunsAddUpPerClubFromBothTallies) {
    const auto season = small_season();
    const auto lines = team_homerun_topic(*season);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], U"【チェーム別ホームラン数】");
    EXPECT_EQ(lines[1], U"   チーム名　　本塁打数　 被本塁打数");
    EXPECT_EQ(lines[2], U"   巨　人　　　　  3本　　　  0本");
    EXPECT_EQ(lines[5], U"   阪　神　　　　  1本　　　  3本");
    EXPECT_EQ(lines[8], Text());
    EXPECT_EQ(lines[9], U"   オリックス　　  1本　　　  0本");
    EXPECT_EQ(lines[11], U"   近　鉄　　　　  0本　　　  1本");
}

TEST(TeamTopics, TallyEntriesOfNoClubAreLeftOut) {
    Season season;
    season.homeruns.bat_all[0] = tally(13, U"誰か", 5);
    season.homeruns.bat_all[1] = U" 0名無し　　　　　　　 4";
    season.homeruns.bat_all[3] = tally(12, U"小久保", 9);  // after an empty entry
    const auto lines = team_homerun_topic(season);
    for (int team = 1; team <= 11; ++team)
        EXPECT_EQ(lines[team + 1 + (team >= 7 ? 1 : 0)], U"   " + default_club_names().team_name(team) + U"　　  0本　　　  0本");
    EXPECT_EQ(lines[14], U"   ダイエー　　　  9本　　　  0本");
}

TEST(TeamTopics, AClubWhoseInningsAllScoredTheSameHasInningOneAsBothEnds) {
    InningTotals innings;
    for (int i = 1; i <= kInnings; ++i) {
        innings.first[3][i] = 4;
        innings.second[3][i] = 0;
    }
    const auto best = best_inning_topic(innings);
    const auto worst = worst_inning_topic(innings);
    EXPECT_EQ(best[4], U"   横　浜　　   1回  4点   1回  0点");
    EXPECT_EQ(worst[4], U"   横　浜　　   1回  4点   1回  0点");
}

TEST(TeamTopics, TiesGoToTheEarlierInningAndExtraInningsDoNotCount) {
    InningTotals innings;
    innings.first[8] = {0, 3, 5, 1, 5, 2, 2, 1, 4, 1, 40, 0, 0, 0, 0, 0};
    innings.second[8] = {0, 6, 2, 3, 4, 2, 2, 8, 1, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(best_inning_topic(innings)[10], U"   西　武　　   2回  5点   7回  8点");
    EXPECT_EQ(worst_inning_topic(innings)[10], U"   西　武　　   3回  1点   8回  1点");
}

TEST(TeamTopics, ASeasonsRunsInOneInningKeepEveryDigit) {
    InningTotals innings;
    innings.first[1][5] = 103;
    EXPECT_EQ(best_inning_topic(innings)[2], U"   巨　人　　   5回 103点   1回  0点");
}

TEST(TopicLines, TheGameLineMarksWinnerAndLoser) {
    const Text home_win = test::make_game({.first = 7, .second = 12, .first_runs = 1, .second_runs = 4, .month = 10, .day = 12});
    EXPECT_EQ(topic_game_line({7, 6, 25}, home_win), U"   10/12 ●オリックス 対 ○ダイエー　 25回戦  ");
    EXPECT_EQ(topic_cell(7, 3), U"  7");
    EXPECT_EQ(topic_cell(18, 3), U" 18");
    EXPECT_EQ(topic_cell(12345, 5), U"12345");
    EXPECT_EQ(topic_cell(123, 5), U"  123");
}

}  // namespace
}  // namespace tev
