#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "core/race/final_order.h"
#include "core/race/place_search.h"
#include "core/race/tie_rules.h"
#include "support/race_oracle.h"

namespace tev {
namespace {

using test::enumerate_places;
using test::PlacesEnumerated;
using test::play;

// A small league as play leaves one: `played` games between random pairs (a quarter of them
// against the other league when it plays one), then up to `max_left` games left.
LeaguePosition random_league(std::mt19937& rng, int played, int max_left) {
    LeaguePosition pos;
    pos.interleague_play = std::uniform_int_distribution<int>(0, 1)(rng) == 1;
    test::random_games(rng, pos, played, max_left, 6, pos.interleague_play ? 4 : 0);
    return pos;
}

// The rules of a league and era, with the previous year's places known or not.
TieRules random_rules(std::mt19937& rng) {
    const int pick = std::uniform_int_distribution<int>(0, 2)(rng);
    TieRules rules = pick == 0 ? tie_rules(1, 2024) : pick == 1 ? tie_rules(1, 2010) : tie_rules(2, 2024);
    if (std::uniform_int_distribution<int>(0, 1)(rng)) {
        std::array<int, 6> places{};
        std::iota(places.begin(), places.end(), 1);
        std::shuffle(places.begin(), places.end(), rng);
        for (int c = 1; c <= 6; ++c) rules.previous_place[c] = places[c - 1];
    }
    return rules;
}

// How often each kind of answer was compared, so that a test can insist on reaching them all.
struct PlaceKinds {
    int out = 0, in = 0, clinched = 0, counting = 0, own_chance_lost = 0;
    int level_decides = 0, level_with_games_between = 0;
};

void compare(const LeaguePosition& pos, const TieRules& rules, int places, const std::string& where,
             PlaceKinds& kinds) {
    const PlacesEnumerated e = enumerate_places(pos, rules, places);
    for (int c = 1; c <= 6; ++c) {
        SCOPED_TRACE(where + " club " + std::to_string(c) + " places " + std::to_string(places));
        EXPECT_EQ(can_finish_within(pos, rules, c, places), e.can_finish[c]);
        EXPECT_EQ(clinch_number(pos, rules, c, places), e.clinch[c]);
        EXPECT_EQ(keeps_own_chance(pos, rules, c, places), e.clinch[c].has_value());
        EXPECT_EQ(has_clinched(pos, rules, c, places), e.clinch[c] == 0);
        (e.can_finish[c] ? kinds.in : kinds.out)++;
        if (e.clinch[c] == 0) ++kinds.clinched;
        if (e.clinch[c] > 0) ++kinds.counting;
        if (!e.clinch[c] && e.can_finish[c]) ++kinds.own_chance_lost;
        kinds.level_decides += e.level_decides[c];
        kinds.level_with_games_between += e.level_with_games_between[c];
    }
}

void compare_pennant_and_climax(const LeaguePosition& pos, const TieRules& rules, int round,
                                std::array<PlaceKinds, 2>& kinds) {
    compare(pos, rules, 1, "round " + std::to_string(round), kinds[0]);
    compare(pos, rules, kClimaxSeriesPlaces, "round " + std::to_string(round), kinds[1]);
}

TEST(RaceTieRules, ClinchAndEliminationAgreeWithEveryOutcomeOnRandomSmallLeagues) {
    std::mt19937 rng(20261209);
    std::array<PlaceKinds, 2> kinds;
    for (int round = 0; round < 500; ++round) {
        const LeaguePosition pos = random_league(rng, std::uniform_int_distribution<int>(0, 24)(rng), 7);
        compare_pennant_and_climax(pos, random_rules(rng), round, kinds);
    }
    for (const PlaceKinds& k : kinds) {
        EXPECT_GT(k.out, 100);
        EXPECT_GT(k.in, 100);
        EXPECT_GT(k.clinched, 30);
        EXPECT_GT(k.counting, 30);
        EXPECT_GT(k.own_chance_lost, 30);
        EXPECT_GT(k.level_decides, 100);
        EXPECT_GT(k.level_with_games_between, 30);
    }
    for (int p = 0; p < 2; ++p)
        std::printf("places %d: out %d, in %d, clinched %d, counting %d, own chance lost %d, level %d, "
                    "level with games between %d\n",
                    p ? 3 : 1, kinds[p].out, kinds[p].in, kinds[p].clinched, kinds[p].counting,
                    kinds[p].own_chance_lost, kinds[p].level_decides, kinds[p].level_with_games_between);
}

TEST(RaceTieRules, ClinchAndEliminationAgreeWithEveryOutcomeWhenClubsAreClose) {
    // Every pair has met two or three times, so records lie close together and the rules after
    // the percentage decide often.
    std::mt19937 rng(11);
    std::array<PlaceKinds, 2> kinds;
    for (int round = 0; round < 300; ++round) {
        LeaguePosition pos = random_league(rng, 0, 7);
        std::uniform_int_distribution<int> meetings(2, 3), result(0, 4);
        for (int a = 1; a <= 6; ++a)
            for (int b = a + 1; b <= 6; ++b)
                for (int n = meetings(rng); n > 0; --n) play(pos, a, b, result(rng));
        compare_pennant_and_climax(pos, random_rules(rng), round, kinds);
    }
    for (const PlaceKinds& k : kinds) {
        EXPECT_GT(k.level_decides, 100);
        EXPECT_GT(k.level_with_games_between, 30);
    }
}

TEST(RaceTieRules, AnEarlyNumberIsProvedWhenOnlyOneRivalCanDrawLevelAndLosesHeadToHead) {
    // A Pacific League of the first week of a 143-game season, too large for every outcome to be
    // tried. Club 4 (1-2) winning 129 of its 140 games left ends 130-13. Club 1 or club 3 (3-0)
    // could draw level only by taking all eleven of its losses and winning every other game, and
    // then club 4 leads that rival 13-12 head to head; two rivals cannot both draw level. With
    // 128 wins one of them passes it outright, so 129 is the number.
    const int beat[7][7] = {{0}, {0, 0, 0, 0, 1, 1, 1}, {0, 0, 0, 0, 0, 1, 1}, {0, 0, 1, 0, 1, 1, 0},
                            {0, 0, 0, 0, 0, 0, 1}, {0}, {0}};
    const int left[7][7] = {{0},
                            {0, 0, 25, 25, 24, 24, 24},
                            {0, 25, 0, 24, 25, 24, 24},
                            {0, 25, 24, 0, 24, 24, 25},
                            {0, 24, 25, 24, 0, 25, 24},
                            {0, 24, 24, 24, 25, 0, 25},
                            {0, 24, 24, 25, 24, 25, 0}};
    LeaguePosition pos;
    pos.league = 2;
    pos.interleague_play = true;
    for (int a = 1; a <= 6; ++a) {
        pos.interleague_left[a] = 18;
        for (int b = 1; b <= 6; ++b) {
            pos.beat[a][b] = beat[a][b];
            pos.played[a][b] = beat[a][b] + beat[b][a];
            pos.left[a][b] = left[a][b];
            pos.clubs[a].wins += beat[a][b];
            pos.clubs[a].losses += beat[b][a];
        }
    }
    ASSERT_EQ(pos.games_left(4), 140);
    EXPECT_EQ(clinch_number(pos, tie_rules(2, 2026), 4, 1), 129);
    EXPECT_EQ(clinch_number(pos, tie_rules(1, 2026), 4, 1), 129);
}

}  // namespace
}  // namespace tev
