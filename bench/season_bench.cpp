// Reading a full generated season and building its tables.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/stats/standings.h"
#include "core/store/season_files.h"
#include "season_gen.h"
#include "support/temp_dir.h"

namespace {

using namespace tev;

void BM_ReadSeasonAndBuildStandings(benchmark::State& state) {
    test::TempDir dir;
    const auto generated = std::make_unique<Season>(gen::generate_season("1996", 1));
    if (!gen::write_generated(dir.path(), *generated).ok()) state.SkipWithError("cannot write season");
    const FileNames names = paht_set("1996");
    for (auto _ : state) {
        auto season = std::make_unique<Season>();
        if (!read_dat(dir.path(), names, *season).ok()) state.SkipWithError("cannot read season");
        auto central = record_make(*season, 1, 6);
        auto pacific = record_make(*season, 7, 12);
        benchmark::DoNotOptimize(central);
        benchmark::DoNotOptimize(pacific);
    }
}
BENCHMARK(BM_ReadSeasonAndBuildStandings)->Unit(benchmark::kMillisecond);

void BM_BuildStandings(benchmark::State& state) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    for (auto _ : state) {
        auto central = record_make(*season, 1, 6);
        auto pacific = record_make(*season, 7, 12);
        benchmark::DoNotOptimize(central);
        benchmark::DoNotOptimize(pacific);
    }
}
BENCHMARK(BM_BuildStandings)->Unit(benchmark::kMicrosecond);

void BM_SaveSeason(benchmark::State& state) {
    test::TempDir dir;
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    const FileNames names = paht_set("1996");
    for (auto _ : state) {
        if (!datsave_disk(dir.path(), names, *season).ok()) state.SkipWithError("cannot save season");
    }
}
BENCHMARK(BM_SaveSeason)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
