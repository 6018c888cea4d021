#include <gtest/gtest.h>

#include "core/race/club_games.h"
#include "core/race/club_records.h"
#include "core/race/games_behind.h"
#include "support/season_builder.h"

namespace tev {
namespace {

// A game of `innings` innings: the visitor's runs in the first, the home club's in the last.
Text long_game(int first_runs, int second_runs, int innings, int day) {
    GameFields f;
    f.first_runs = first_runs;
    f.second_runs = second_runs;
    f.attendance = U"20000";
    for (int i = 1; i <= innings; ++i) {
        f.first_innings += right_num(i == 1 ? first_runs : 0, 2);
        f.second_innings += right_num(i == innings ? second_runs : 0, 2);
    }
    f.year = U"1996";
    f.month = 5;
    f.day = day;
    return format_game(f);
}

TEST(RaceRecords, ExtraInningsAreGamesOfMoreThanNine) {
    Season season;
    season.game_at(1, 2, 1) = long_game(2, 3, 12, 1);   // 巨人 loses at ヤクルト in the 12th
    season.game_at(1, 2, 2) = long_game(1, 1, 10, 2);   // a ten-inning draw
    season.game_at(1, 2, 3) = long_game(4, 0, 9, 3);    // nine innings: not extra
    const auto games = club_games(season, 1);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].innings, 12);
    EXPECT_EQ(games[2].innings, 9);
    const ClubRecords r = club_records(games);
    EXPECT_EQ(r.extra_innings.wins, 0);
    EXPECT_EQ(r.extra_innings.losses, 1);
    EXPECT_EQ(r.extra_innings.draws, 1);
    EXPECT_EQ(r.one_run.losses, 1);
    EXPECT_EQ(r.shutouts_won, 1);
    EXPECT_EQ(r.streak, 1);
}

TEST(RaceRecords, LastTenAndStreakReadThePlayingOrder) {
    Season season;
    // Twelve games stored out of date order: wins on days 1..8, then losses on days 9..12.
    for (int day = 12; day >= 1; --day)
        test::add_game(season, {.first = 1, .second = 2, .meet = 13 - day, .first_runs = day <= 8 ? 5 : 1,
                                .second_runs = 3, .month = 6, .day = day});
    const ClubRecords r = club_records(club_games(season, 1));
    EXPECT_EQ(r.last_ten.wins, 6);
    EXPECT_EQ(r.last_ten.losses, 4);
    EXPECT_EQ(r.streak, -4);
}

TEST(RaceRecords, PythagoreanShareUsesTheExponent) {
    EXPECT_DOUBLE_EQ(pythagorean_share(600, 600), 0.5);
    EXPECT_NEAR(pythagorean_share(700, 600), 0.5700, 0.0005);  // 700^1.83 / (700^1.83 + 600^1.83)
    EXPECT_DOUBLE_EQ(pythagorean_share(0, 0), 0.5);
}

TEST(RaceRecords, GamesBehindIsHalfTheMarginDifference) {
    EXPECT_EQ(half_games_behind({10, 5, 0}, {8, 6, 3}), 3);
    EXPECT_EQ(games_behind_text(3), U"1.5");
    EXPECT_EQ(half_games_behind({2, 0, 0}, {5, 1, 0}), -2);
    EXPECT_EQ(games_behind_text(-2), U"-1.0");
    EXPECT_EQ(games_behind_text(-1), U"-0.5");
    EXPECT_EQ(games_behind_text(0), U"0.0");
}

}  // namespace
}  // namespace tev
