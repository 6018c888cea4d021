#include <gtest/gtest.h>

#include <memory>

#include "core/pitchers/pick_list.h"
#include "core/pitchers/pitcher_make.h"
#include "core/store/season_files.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::add_game;

class PitcherTableTest : public ::testing::Test {
protected:
    // A game of `first` at `second` decided by the runs, with its pitchers of record and save.
    void play(int first, int second, int r1, int r2, const char32_t* p1, const char32_t* p2,
              const char32_t* save = U"") {
        add_game(*season, {.first = first, .second = second, .meet = ++meet[first][second], .first_runs = r1,
                           .second_runs = r2, .first_pitcher = p1, .second_pitcher = p2, .save = save});
    }

    // "key wins-losses-saves" as rows() writes it.
    static std::string row(int team, const char32_t* name, const char* counts) {
        return to_utf8(pitcher_key(team, name)) + " " + counts;
    }

    // "key wins-losses-saves" of the used rows.
    std::vector<std::string> rows(const PitcherTable& table) {
        std::vector<std::string> out;
        for (const PitcherRow& row : table) {
            if (row.key.empty()) break;
            out.push_back(to_utf8(row.key) + " " + std::to_string(row.wins) + "-" + std::to_string(row.losses) + "-" +
                          std::to_string(row.saves));
        }
        return out;
    }

    std::unique_ptr<Season> season = std::make_unique<Season>();
    int meet[13][13] = {};
};

TEST_F(PitcherTableTest, DecisionsAndSavesAreCreditedToTheRightClub) {
    play(1, 4, 5, 3, U"斎藤", U"藪", U"石毛");  // 巨人 win: save to 巨人's 石毛
    play(1, 4, 2, 4, U"桑田", U"藪");          // 阪神 win
    play(1, 4, 2, 2, U"槙原", U"川尻", U"x");  // a draw credits nobody, not even the save
    // Equal wins are ordered by losses: the save-only row before the losing one.
    EXPECT_EQ(rows(build_pitcher_table(*season, 1, 6).table),
              (std::vector<std::string>{row(1, U"斎藤", "1-0-0"), row(4, U"藪", "1-1-0"), row(1, U"石毛", "0-0-1"),
                                        row(1, U"桑田", "0-1-0")}));
}

TEST_F(PitcherTableTest, OrderIsWinsThenLossesThenFirstAppearance) {
    // A and B reach 10-3 (A met first), C 10-4, D 9-0, E 10-2; S has saves only.
    for (int k = 0; k < 10; ++k) play(1, 2, 2, 1, U"A", U"z");
    for (int k = 0; k < 3; ++k) play(1, 2, 1, 2, U"A", U"z");
    for (int k = 0; k < 10; ++k) play(1, 3, 2, 1, U"B", U"y", U"S");
    for (int k = 0; k < 3; ++k) play(1, 3, 1, 2, U"B", U"y");
    for (int k = 0; k < 10; ++k) play(5, 6, 2, 1, U"C", U"x");
    for (int k = 0; k < 4; ++k) play(5, 6, 1, 2, U"C", U"x");
    for (int k = 0; k < 9; ++k) play(5, 4, 2, 1, U"D", U"w");
    for (int k = 0; k < 10; ++k) play(6, 4, 2, 1, U"E", U"v");
    for (int k = 0; k < 2; ++k) play(6, 4, 1, 2, U"E", U"v");
    const auto order = rows(build_pitcher_table(*season, 1, 6).table);
    ASSERT_EQ(order.size(), 11u);
    EXPECT_EQ(order[0], row(6, U"E", "10-2-0"));
    EXPECT_EQ(order[1], row(1, U"A", "10-3-0"));
    EXPECT_EQ(order[2], row(1, U"B", "10-3-0"));
    EXPECT_EQ(order[3], row(5, U"C", "10-4-0"));
    EXPECT_EQ(order[4], row(5, U"D", "9-0-0"));
    EXPECT_EQ(order[5], row(6, U"x", "4-10-0"));
    EXPECT_EQ(order[6], row(2, U"z", "3-10-0"));
    EXPECT_EQ(order[7], row(3, U"y", "3-10-0"));
    EXPECT_EQ(order[8], row(4, U"v", "2-10-0"));
    EXPECT_EQ(order[9], row(1, U"S", "0-0-10"));  // saves only: after every row with wins
    EXPECT_EQ(order[10], row(4, U"w", "0-9-0"));
}

TEST_F(PitcherTableTest, SameNameInTwoClubsAndBlankNamesAreSeparateKeys) {
    play(1, 2, 3, 1, U"佐藤", U"佐藤");
    play(1, 2, 3, 1, U"", U"佐藤", U"   ");  // blank winner's name, blank save: no save
    const auto order = rows(build_pitcher_table(*season, 1, 6).table);
    EXPECT_EQ(order, (std::vector<std::string>{row(1, U"佐藤", "1-0-0"), row(1, U"", "1-0-0"), row(2, U"佐藤", "0-2-0")}));
}

TEST_F(PitcherTableTest, AFullTableKeepsItsRowsAndCountsWhatWasLeftOut) {
    // 30 meetings of each of the 66 pairs is more than the store holds per pair; use distinct
    // names in every game until more than 250 pitchers are needed.
    int n = 0;
    for (int first = 1; first <= 12; ++first)
        for (int opp = 1; opp <= 6; ++opp)
            for (int m = 1; m <= 3; ++m) {
                const int second = first > 6 ? opp + 6 : opp;
                if (second == first) continue;
                Text p1(1, U'P'), p2(1, U'P');
                p1 += plain_num(n++);
                p2 += plain_num(n++);
                season->game_at(first, opp, m) = test::make_game({.first = first, .second = second, .meet = m,
                                                                  .first_runs = 2, .second_runs = 1,
                                                                  .first_pitcher = p1.c_str(), .second_pitcher = p2.c_str()});
            }
    const PitcherBuild all = build_pitcher_table(*season, 1, 12);
    EXPECT_EQ(rows(all.table).size(), 250u);
    EXPECT_EQ(all.left_out, n - 250);
    EXPECT_EQ(all.table[0].wins, 1);
    EXPECT_EQ(all.table[249].losses, 1);
    EXPECT_EQ(build_pitcher_table(*season, 1, 6).left_out, 0);  // a league alone still fits
}

TEST_F(PitcherTableTest, BothLeaguesFromTheLeagueTablesEqualsTheTableBuiltFromTheGames) {
    const auto both_ways = [&] {
        const PitcherBuild central = build_pitcher_table(*season, 1, 6), pacific = build_pitcher_table(*season, 7, 12);
        const PitcherBuild merged = merge_pitcher_tables(*season, central, pacific);
        const PitcherBuild direct = build_pitcher_table(*season, 1, 12);
        EXPECT_EQ(merged.table, direct.table);
        EXPECT_EQ(merged.left_out, direct.left_out);
        return rows(merged.table);
    };
    EXPECT_TRUE(both_ways().empty());
    // Equal records in both leagues, the Pacific's filed first: the Central row still comes
    // first, as the Central games are counted first.
    play(7, 8, 3, 1, U"P1", U"Q1", U"PS");
    play(1, 2, 3, 1, U"C1", U"D1");
    play(1, 2, 1, 3, U"C2", U"D2", U"DS");
    play(9, 10, 2, 1, U"P2", U"Q2");
    EXPECT_EQ(both_ways(), (std::vector<std::string>{row(1, U"C1", "1-0-0"), row(2, U"D2", "1-0-0"),
                                                     row(7, U"P1", "1-0-0"), row(9, U"P2", "1-0-0"),
                                                     row(2, U"DS", "0-0-1"), row(7, U"PS", "0-0-1"),
                                                     row(2, U"D1", "0-1-0"), row(1, U"C2", "0-1-0"),
                                                     row(8, U"Q1", "0-1-0"), row(10, U"Q2", "0-1-0")}));
}

TEST_F(PitcherTableTest, BothLeaguesPastTheTableIsBuiltFromTheGames) {
    // 130 pitchers a league: each fits alone, together they do not.
    for (int k = 0; k < 65; ++k) {
        Text a = U"C" + plain_num(k), b = U"D" + plain_num(k), c = U"P" + plain_num(k), d = U"Q" + plain_num(k);
        season->game_at(1 + k % 6, 1 + (k + 1) % 6, 1 + k / 6) =
            test::make_game({.first = 1 + k % 6, .second = 1 + (k + 1) % 6, .meet = 1 + k / 6, .first_runs = 2,
                             .second_runs = 1, .first_pitcher = a.c_str(), .second_pitcher = b.c_str()});
        season->game_at(7 + k % 6, 1 + (k + 1) % 6, 1 + k / 6) =
            test::make_game({.first = 7 + k % 6, .second = 7 + (k + 1) % 6, .meet = 1 + k / 6, .first_runs = 1,
                             .second_runs = 2, .first_pitcher = c.c_str(), .second_pitcher = d.c_str()});
    }
    const PitcherBuild central = build_pitcher_table(*season, 1, 6), pacific = build_pitcher_table(*season, 7, 12);
    ASSERT_EQ(rows(central.table).size(), 130u);
    const PitcherBuild merged = merge_pitcher_tables(*season, central, pacific);
    EXPECT_EQ(merged.table, build_pitcher_table(*season, 1, 12).table);
    EXPECT_EQ(merged.left_out, 10);
}

TEST_F(PitcherTableTest, AnEmptySeasonGivesEmptyTablesAndAFullFile) {
    EXPECT_TRUE(rows(build_pitcher_table(*season, 1, 12).table).empty());
}

TEST(PickList, RowsWithCompetitionRanksAndSpecialRows) {
    PitcherTable table{};
    table[0] = {U" 1斎藤雅    ", 10, 3, 0};
    table[1] = {U" 4藪        ", 10, 3, 1};
    table[2] = {U" 1ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ", 10, 3, 0};
    table[3] = {U" 1桑田      ", 9, 0, 12};
    const auto rows = pitcher_pick_rows(table, 1, false);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], U"  1] 斎藤雅\u3000\u3000\u3000\u3000\u3000\u3000\u300010勝   3敗   0Ｓ   ");
    EXPECT_EQ(rows[1], U"  1] ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ10勝   3敗   0Ｓ   ");
    EXPECT_EQ(rows[2], U"  4] 桑田\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 9勝   0敗  12Ｓ   ");
    EXPECT_EQ(rows[3], U"**1] キーボード入力より入力");
    EXPECT_EQ(rows[4], U"**2] キャンセル");
    EXPECT_EQ(pitcher_pick_rows(table, 2, false).size(), 2u);
    EXPECT_EQ(pitcher_pick_rows(table, 4, true).back(), U"***] キーボード入力より入力");

    EXPECT_EQ(pick_kind(rows[3]), PickKind::keyboard);
    EXPECT_EQ(pick_kind(rows[4]), PickKind::cancel);
    EXPECT_EQ(pick_kind(rows[0]), PickKind::pitcher);
    EXPECT_EQ(picked_name(rows[0]), U"斎藤雅");
}

TEST(PickList, ANineCharacterNameIsPaddedOnceAndStoredWithoutIt) {
    PitcherTable table{};
    table[0] = {U" 2ﾊﾞｰﾌｨｰﾙﾄﾞ ", 1, 0, 0};
    const auto rows = pitcher_pick_rows(table, 2, false);
    EXPECT_EQ(mid(rows[0], 6, 10), U"ﾊﾞｰﾌｨｰﾙﾄﾞ\u3000");
    EXPECT_EQ(picked_name(rows[0]), U"ﾊﾞｰﾌｨｰﾙﾄﾞ");
}

}  // namespace
}  // namespace tev
