#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/race/league_position.h"
#include "core/race/magic.h"
#include "core/race/rank_key.h"

namespace tev {
namespace {

struct Game {
    int a, b;
};

// What every outcome of the remaining games says about each club, found by trying them all.
struct Enumerated {
    std::array<bool, 7> can_be_level{};        // some outcome leaves it at least level with all
    std::array<std::optional<int>, 7> magic;  // fewest own wins after which it is always alone first
};

Enumerated enumerate(const LeaguePosition& pos) {
    std::vector<Game> games;
    for (int i = 1; i <= 6; ++i)
        for (int j = i + 1; j <= 6; ++j)
            for (int n = 0; n < pos.left[i][j]; ++n) games.push_back({i, j});
    int total = 1;
    for (std::size_t g = 0; g < games.size(); ++g) total *= 3;
    // fails_with[c][x]: some outcome in which c wins exactly x of its games leaves it not alone first.
    std::array<std::array<bool, 32>, 7> fails_with{};
    Enumerated e;
    for (int code = 0; code < total; ++code) {
        auto clubs = pos.clubs;
        std::array<int, 7> own_wins{};
        int rest = code;
        for (const Game& g : games) {
            const int result = rest % 3;
            rest /= 3;
            if (result == 0) {
                ++clubs[g.a].wins, ++clubs[g.b].losses, ++own_wins[g.a];
            } else if (result == 1) {
                ++clubs[g.b].wins, ++clubs[g.a].losses, ++own_wins[g.b];
            }
        }
        std::array<RankKey, 7> key;
        for (int c = 1; c <= 6; ++c) key[c] = rank_key(clubs[c].wins, clubs[c].losses, pos.wins_ranked);
        for (int c = 1; c <= 6; ++c) {
            bool alone = true, level = true;
            for (int r = 1; r <= 6; ++r) {
                if (r == c) continue;
                alone = alone && key[c] > key[r];
                level = level && key[c] >= key[r];
            }
            if (level) e.can_be_level[c] = true;
            if (!alone) fails_with[c][own_wins[c]] = true;
        }
    }
    for (int c = 1; c <= 6; ++c) {
        const int left = pos.games_left(c);
        for (int x = 0; x <= left && !e.magic[c]; ++x) {
            bool holds = true;
            for (int y = x; y <= left; ++y) holds = holds && !fails_with[c][y];
            if (holds) e.magic[c] = x;
        }
    }
    return e;
}

LeaguePosition random_position(std::mt19937& rng, int max_games) {
    LeaguePosition pos;
    pos.wins_ranked = std::uniform_int_distribution<int>(0, 3)(rng) == 0;
    std::uniform_int_distribution<int> count(0, 7), draws(0, 2), club(1, 6);
    for (int c = 1; c <= 6; ++c) pos.clubs[c] = {count(rng), count(rng), draws(rng)};
    const int games = std::uniform_int_distribution<int>(0, max_games)(rng);
    for (int g = 0; g < games; ++g) {
        const int a = club(rng);
        int b = club(rng);
        while (b == a) b = club(rng);
        ++pos.left[a][b];
        ++pos.left[b][a];
    }
    return pos;
}

TEST(RaceMagic, AgreesWithEveryOutcomeOnRandomSmallLeagues) {
    std::mt19937 rng(20260517);
    int eliminated_seen = 0, own_chance_lost_seen = 0, clinched_seen = 0;
    for (int round = 0; round < 600; ++round) {
        const LeaguePosition pos = random_position(rng, 7);
        const Enumerated e = enumerate(pos);
        for (int c = 1; c <= 6; ++c) {
            SCOPED_TRACE("round " + std::to_string(round) + " club " + std::to_string(c));
            EXPECT_EQ(eliminated(pos, c), !e.can_be_level[c]);
            EXPECT_EQ(magic_number(pos, c), e.magic[c]);
            eliminated_seen += !e.can_be_level[c];
            own_chance_lost_seen += !e.magic[c] && e.can_be_level[c];
            clinched_seen += e.magic[c] == 0;
        }
    }
    // The positions must reach every case, or the comparison proves little.
    EXPECT_GT(eliminated_seen, 100);
    EXPECT_GT(own_chance_lost_seen, 100);
    EXPECT_GT(clinched_seen, 10);
}

TEST(RaceMagic, AgreesWithEveryOutcomeWhenClubsAreClose) {
    // Records within a game or two of each other, where draws and ties decide.
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        LeaguePosition pos = random_position(rng, 9);
        std::uniform_int_distribution<int> near(0, 2);
        for (int c = 1; c <= 6; ++c) pos.clubs[c] = {5 + near(rng), 5 + near(rng), near(rng)};
        const Enumerated e = enumerate(pos);
        for (int c = 1; c <= 6; ++c) {
            SCOPED_TRACE("round " + std::to_string(round) + " club " + std::to_string(c));
            EXPECT_EQ(eliminated(pos, c), !e.can_be_level[c]);
            EXPECT_EQ(magic_number(pos, c), e.magic[c]);
        }
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
