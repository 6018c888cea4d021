#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/race/league_position.h"
#include "core/race/magic.h"
#include "core/race/rank_key.h"
#include "support/race_oracle.h"

namespace tev {
namespace {

using test::compare_with_every_outcome;
using test::enumerate;
using test::Enumerated;
using test::KindsSeen;
using test::play;


// A random small league as play leaves one: `played` decided or drawn games between random pairs
// (so the league's wins and losses balance, as they always do), then up to `max_games` left.
LeaguePosition random_position(std::mt19937& rng, int played, int max_games) {
    LeaguePosition pos;
    pos.wins_ranked = std::uniform_int_distribution<int>(0, 3)(rng) == 0;
    std::uniform_int_distribution<int> club(1, 6), result(0, 7);
    const auto random_pair = [&] {
        const int a = club(rng);
        int b = club(rng);
        while (b == a) b = club(rng);
        return std::pair{a, b};
    };
    for (int g = 0; g < played; ++g) {
        const auto [a, b] = random_pair();
        play(pos, a, b, result(rng));
    }
    const int games = std::uniform_int_distribution<int>(0, max_games)(rng);
    for (int g = 0; g < games; ++g) {
        const auto [a, b] = random_pair();
        ++pos.left[a][b];
        ++pos.left[b][a];
    }
    return pos;
}

TEST(RaceMagic, AgreesWithEveryOutcomeOnRandomSmallLeagues) {
    std::mt19937 rng(20260517);
    KindsSeen kinds;
    int own_chance_lost_seen = 0, clinched_seen = 0;
    for (int round = 0; round < 600; ++round) {
        const int played = std::uniform_int_distribution<int>(0, 24)(rng);
        const LeaguePosition pos = random_position(rng, played, 7);
        const Enumerated e = compare_with_every_outcome(pos, "round " + std::to_string(round), kinds);
        for (int c = 1; c <= 6; ++c) {
            own_chance_lost_seen += !e.magic[c] && e.can_be_level[c];
            clinched_seen += e.magic[c] == 0;
        }
    }
    // The positions must reach every case, or the comparison proves little.
    EXPECT_GT(own_chance_lost_seen, 100);
    EXPECT_GT(clinched_seen, 10);
    for (int kind = 0; kind < 2; ++kind) {
        EXPECT_GT(kinds.count[kind][true], 50) << "kind " << kind;
        EXPECT_GT(kinds.count[kind][false], 50) << "kind " << kind;
    }
    EXPECT_GT(kinds.count[2][true], 50);
    EXPECT_GT(kinds.count[2][false], 0);  // only a league with no decided game yet
}

TEST(RaceMagic, AgreesWithEveryOutcomeWhenClubsAreClose) {
    // Every pair has met twice or three times, so the records lie close together and draws and
    // ties decide; half the leagues are ranked by wins.
    std::mt19937 rng(7);
    KindsSeen kinds;
    for (int round = 0; round < 300; ++round) {
        LeaguePosition pos = random_position(rng, 0, 9);
        pos.wins_ranked = round % 2 == 0;
        std::uniform_int_distribution<int> meetings(2, 3), result(0, 4);
        for (int a = 1; a <= 6; ++a)
            for (int b = a + 1; b <= 6; ++b)
                for (int n = meetings(rng); n > 0; --n) play(pos, a, b, result(rng));
        compare_with_every_outcome(pos, "round " + std::to_string(round), kinds);
    }
    for (int kind = 0; kind < 2; ++kind) {
        EXPECT_GT(kinds.count[kind][true], 30) << "kind " << kind;
        EXPECT_GT(kinds.count[kind][false], 30) << "kind " << kind;
    }
}

TEST(RaceMagic, ADrawAmongRivalsCanBeTheOnlyWayToStayLevel) {
    // Clubs 2 and 3 are on .500 with one game between them left; club 1 ends on .500 too. Any
    // decision puts the winner above club 1: only a draw keeps club 1 level, so it is not out.
    LeaguePosition pos;
    pos.clubs[1] = {5, 6, 0};
    pos.left[1][4] = pos.left[4][1] = 1;
    pos.clubs[2] = {5, 5, 0};
    pos.clubs[3] = {5, 5, 0};
    pos.left[2][3] = pos.left[3][2] = 1;
    for (int c = 4; c <= 6; ++c) pos.clubs[c] = {1, 9, 0};
    EXPECT_FALSE(eliminated(pos, 1));
    // One more won game for club 2 or 3 against a club it no longer meets would end it.
    pos.clubs[2].wins = 6;
    EXPECT_TRUE(eliminated(pos, 1));
}

TEST(RaceMagic, MagicCountsTheGamesAgainstTheRival) {
    // Club 1 10-5, club 2 9-6, three games left between them and nothing else. One win of three
    // leaves both 11-7, level but not alone; two wins make it 12-6 against 10-8.
    LeaguePosition pos;
    pos.clubs[1] = {10, 5, 0};
    pos.clubs[2] = {9, 6, 0};
    pos.left[1][2] = pos.left[2][1] = 3;
    for (int c = 3; c <= 6; ++c) pos.clubs[c] = {2, 13, 0};
    EXPECT_EQ(magic_number(pos, 1), 2);
    EXPECT_EQ(magic_number(pos, 2), 3);
    EXPECT_FALSE(eliminated(pos, 2));
}

TEST(RaceMagic, ADrawInsteadOfALossLowersTheMagicNumber) {
    // Draws stay out of the percentage: the leader that draws keeps a better record than the one
    // that loses, and needs fewer wins.
    LeaguePosition pos;
    pos.clubs[1] = {10, 5, 0};
    pos.clubs[2] = {10, 6, 0};
    pos.left[1][2] = pos.left[2][1] = 4;
    pos.left[1][3] = pos.left[3][1] = 1;
    for (int c = 3; c <= 6; ++c) pos.clubs[c] = {2, 13, 0};
    LeaguePosition drew = pos, lost = pos;
    drew.left[1][3] = drew.left[3][1] = 0;
    lost.left[1][3] = lost.left[3][1] = 0;
    ++drew.clubs[1].draws;
    ++lost.clubs[1].losses;
    EXPECT_EQ(magic_number(drew, 1), 2);
    EXPECT_EQ(magic_number(lost, 1), 3);
}

}  // namespace
}  // namespace tev
