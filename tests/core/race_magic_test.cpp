#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
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

// A played game between clubs a and b: a draw for result 0, else a win for a when it is odd and
// for b when it is even.
void play(LeaguePosition& pos, int a, int b, int result) {
    if (result == 0) {
        ++pos.clubs[a].draws, ++pos.clubs[b].draws;
    } else if (result % 2 == 1) {
        ++pos.clubs[a].wins, ++pos.clubs[b].losses;
    } else {
        ++pos.clubs[b].wins, ++pos.clubs[a].losses;
    }
}

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

// How often each way of deciding elimination was compared, eliminated and not, so that a test
// can insist that every one of them was reached.
struct KindsSeen {
    // [kind][eliminated]: 0 ranked by wins, 1 a percentage target of .5000 or more, 2 below it.
    std::array<std::array<int, 2>, 3> count{};

    void add(const LeaguePosition& pos, int club, bool out) {
        const ClubRecord& c = pos.clubs[club];
        const RankKey target = rank_key(c.wins + pos.games_left(club), c.losses, pos.wins_ranked);
        const int kind = pos.wins_ranked ? 0 : target.first >= 5000 ? 1 : 2;
        ++count[kind][out];
    }
};

Enumerated compare_with_every_outcome(const LeaguePosition& pos, const std::string& where,
                                     KindsSeen& kinds) {
    const Enumerated e = enumerate(pos);
    for (int c = 1; c <= 6; ++c) {
        SCOPED_TRACE(where + " club " + std::to_string(c));
        EXPECT_EQ(eliminated(pos, c), !e.can_be_level[c]);
        EXPECT_EQ(magic_number(pos, c), e.magic[c]);
        kinds.add(pos, c, !e.can_be_level[c]);
    }
    return e;
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
