// The pennant race table as of every day of a generated full season: what the 指定日成績 calendar
// asks for when the user steps through the season with the race on display. The wins-first season
// (2001) and a percentage season (1996); the slowest single day is kept as a counter, since the
// elimination test's cost depends on the position.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "core/race/magic.h"
#include "core/race/meetings.h"
#include "core/race/race_table.h"
#include "season_gen.h"
#include "support/interleague_season_gen.h"

namespace {

using namespace tev;

void race_every_day_of(benchmark::State& state, const Season& built) {
    const auto season = std::make_unique<Season>(built);
    const int meetings = meetings_per_pair(*season);
    double slowest_ms = 0;
    for (auto _ : state) {
        for (int month = 3; month <= 10; ++month)
            for (int day = 1; day <= 31; ++day) {
                const auto start = std::chrono::steady_clock::now();
                benchmark::DoNotOptimize(race_report(*season, meetings, AsOfDate{month, day}));
                const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
                slowest_ms = std::max(slowest_ms, took.count());
            }
    }
    state.counters["slowest_day_ms"] = slowest_ms;
}

void race_every_day(benchmark::State& state, const char* year) {
    race_every_day_of(state, gen::generate_season(year, 5));
}

void BM_RaceEveryDayPercentage(benchmark::State& state) { race_every_day(state, "1996"); }
BENCHMARK(BM_RaceEveryDayPercentage)->Unit(benchmark::kMillisecond);

void BM_RaceEveryDayWinsFirst(benchmark::State& state) { race_every_day(state, "2001"); }
BENCHMARK(BM_RaceEveryDayWinsFirst)->Unit(benchmark::kMillisecond);

// A season of today: 143 games a club, interleague games among them, the Climax Series' places
// chased beside the pennant, and each league's tie rules.
void BM_RaceEveryDay2026(benchmark::State& state) { race_every_day_of(state, test::generate_2026_season(5)); }
BENCHMARK(BM_RaceEveryDay2026)->Unit(benchmark::kMillisecond);

// Random positions of a 26-meeting league at every stage of the season, each pair having played a
// random share of its games with random results: the elimination test for every club, the slowest
// single call kept as a counter.
std::vector<LeaguePosition> random_positions(bool wins_ranked) {
    std::mt19937 rng(2001);
    std::vector<LeaguePosition> positions;
    for (int n = 0; n < 400; ++n) {
        LeaguePosition pos;
        pos.wins_ranked = wins_ranked;
        std::uniform_int_distribution<int> played(0, 26), result(0, 20);
        for (int a = 1; a <= 6; ++a)
            for (int b = a + 1; b <= 6; ++b) {
                const int games = played(rng);
                for (int g = 0; g < games; ++g) {
                    const int r = result(rng);
                    if (r == 0) {
                        ++pos.clubs[a].draws, ++pos.clubs[b].draws;
                    } else if (r <= 10) {
                        ++pos.clubs[a].wins, ++pos.clubs[b].losses;
                    } else {
                        ++pos.clubs[b].wins, ++pos.clubs[a].losses;
                    }
                }
                pos.left[a][b] = pos.left[b][a] = 26 - games;
            }
        positions.push_back(pos);
    }
    return positions;
}

void eliminate_random(benchmark::State& state, bool wins_ranked) {
    const std::vector<LeaguePosition> positions = random_positions(wins_ranked);
    double slowest_ms = 0;
    for (auto _ : state)
        for (const LeaguePosition& pos : positions)
            for (int club = 1; club <= 6; ++club) {
                const auto start = std::chrono::steady_clock::now();
                benchmark::DoNotOptimize(eliminated(pos, club));
                const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
                slowest_ms = std::max(slowest_ms, took.count());
            }
    state.counters["slowest_call_ms"] = slowest_ms;
}

void BM_EliminationRandomPercentage(benchmark::State& state) { eliminate_random(state, false); }
BENCHMARK(BM_EliminationRandomPercentage)->Unit(benchmark::kMillisecond);

void BM_EliminationRandomWinsFirst(benchmark::State& state) { eliminate_random(state, true); }
BENCHMARK(BM_EliminationRandomWinsFirst)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
