// The season history of a full generated season: building it, reading its file back and
// drawing one graph window of it.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/history/history_file.h"
#include "core/history/history_graph.h"
#include "core/history/history_make.h"
#include "core/text/data_file.h"
#include "season_gen.h"
#include "support/temp_dir.h"

namespace {

using namespace tev;

void BM_HistoryMake(benchmark::State& state) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    for (auto _ : state) {
        auto history = std::make_unique<History>(history_make(*season));
        benchmark::DoNotOptimize(history->rank[226][12]);
    }
}
BENCHMARK(BM_HistoryMake)->Unit(benchmark::kMicrosecond);

void BM_ReadHistoryFile(benchmark::State& state) {
    test::TempDir dir;
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    const ItemWriter writer = history_file_writer(history_make(*season), "RIRE1996.DAT");
    if (!commit_writers(dir.path(), {&writer}).ok()) state.SkipWithError("cannot write the history file");
    for (auto _ : state) {
        auto read = read_history_file(dir.path(), "RIRE1996.DAT");
        benchmark::DoNotOptimize(read.ok());
    }
}
BENCHMARK(BM_ReadHistoryFile)->Unit(benchmark::kMicrosecond);

void BM_DrawLeagueGraph(benchmark::State& state) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    const auto history = std::make_unique<History>(history_make(*season));
    int first_day = 1;
    for (auto _ : state) {
        GraphPicture picture = draw_league_graph(*history, GraphMode::pct, first_day, 7);
        benchmark::DoNotOptimize(picture.lines.data());
        first_day = first_day % kGraphFirstMax + 1;
    }
}
BENCHMARK(BM_DrawLeagueGraph)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
