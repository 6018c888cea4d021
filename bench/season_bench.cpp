// Reading a full generated season and building its tables.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/stats/head_to_head_report.h"
#include "core/stats/inning_totals.h"
#include "core/stats/monthly_report.h"
#include "core/stats/score_list.h"
#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_make.h"
#include "core/homeruns/homerun_cum.h"
#include "core/homeruns/homerun_file.h"
#include "core/pitchers/pitcher_cum.h"
#include "core/settings/settings.h"
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "core/pitchers/pitcher_make.h"
#include "core/stats/standings.h"
#include "core/stats/standings_as_of.h"
#include "core/stats/streaks.h"
#include "core/stats/streaks_report.h"
#include "core/stats/tallies.h"
#include "core/store/season_files.h"
#include "season_gen.h"
#include "support/interleague_season_gen.h"
#include "support/temp_dir.h"

namespace {

using namespace tev;

// The five per-year files of start-up, in its reading order.
std::vector<std::string> startup_files(const FileNames& names) {
    return {names.history_file, names.game_file, names.best_file, names.pitcher_file, names.homerun_file};
}

// Writes the generated full 1996 season that the reading benchmarks read into `dir`.
void write_full_season(const test::TempDir& dir, benchmark::State& state) {
    const auto generated = std::make_unique<Season>(gen::generate_season("1996", 1));
    if (!gen::write_generated(dir.path(), *generated).ok()) state.SkipWithError("cannot write season");
}

// The floor under start-up's reading: one pass per whole file, read it and decode it with one
// iconv call, nothing else.
void BM_BareReadAndDecode(benchmark::State& state) {
    test::TempDir dir;
    write_full_season(dir, state);
    const std::vector<std::string> files = startup_files(year_file_names("1996"));
    std::size_t decoded = 0;
    for (auto _ : state) {
        for (const std::string& name : files) {
            std::ifstream in(dir.path() / name, std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::u32string text(bytes.size(), U'\0');
            iconv_t cd = iconv_open("UTF-32LE", "CP932");
            char* src = bytes.data();
            std::size_t src_left = bytes.size();
            char* dst = reinterpret_cast<char*>(text.data());
            std::size_t dst_left = text.size() * sizeof(char32_t);
            if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1))
                state.SkipWithError("not code page 932");
            iconv_close(cd);
            text.resize(text.size() - dst_left / sizeof(char32_t));
            decoded += text.size();
            benchmark::DoNotOptimize(text.data());
        }
    }
    benchmark::DoNotOptimize(decoded);
}
BENCHMARK(BM_BareReadAndDecode)->Unit(benchmark::kMicrosecond);

// Start-up's reading and every table it builds, in its order: the history file, the season
// file set, the home-run file, both standings, the tallies, the inning tables and the streaks.
void BM_StartupReadAndBuild(benchmark::State& state) {
    test::TempDir dir;
    write_full_season(dir, state);
    const FileNames names = year_file_names("1996");
    for (auto _ : state) {
        auto season = std::make_unique<Season>();
        auto history = read_history_file(dir.path(), names.history_file);
        if (!history || history_rebuild_needed(*history)) state.SkipWithError("cannot read the history");
        if (!read_season_files(dir.path(), names, *season).ok())
            state.SkipWithError("cannot read season");
        auto homeruns = read_homerun_file(dir.path(), names.homerun_file);
        if (!homeruns) state.SkipWithError("cannot read the home runs");
        auto central = build_standings(*season, 1, 6);
        auto pacific = build_standings(*season, 7, 12);
        auto tallies = build_team_tallies(*season);
        auto innings = build_inning_totals(*season);
        auto streaks = build_streaks(*season);
        benchmark::DoNotOptimize(central);
        benchmark::DoNotOptimize(pacific);
        benchmark::DoNotOptimize(tallies);
        benchmark::DoNotOptimize(innings);
        benchmark::DoNotOptimize(streaks);
    }
}
BENCHMARK(BM_StartupReadAndBuild)->Unit(benchmark::kMicrosecond);

void BM_ReadSeasonAndBuildStandings(benchmark::State& state) {
    test::TempDir dir;
    write_full_season(dir, state);
    const FileNames names = year_file_names("1996");
    for (auto _ : state) {
        auto season = std::make_unique<Season>();
        if (!read_season_files(dir.path(), names, *season).ok())
            state.SkipWithError("cannot read season");
        auto central = build_standings(*season, 1, 6);
        auto pacific = build_standings(*season, 7, 12);
        benchmark::DoNotOptimize(central);
        benchmark::DoNotOptimize(pacific);
    }
}
BENCHMARK(BM_ReadSeasonAndBuildStandings)->Unit(benchmark::kMillisecond);

void BM_BuildStandings(benchmark::State& state) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    for (auto _ : state) {
        auto central = build_standings(*season, 1, 6);
        auto pacific = build_standings(*season, 7, 12);
        benchmark::DoNotOptimize(central);
        benchmark::DoNotOptimize(pacific);
    }
}
BENCHMARK(BM_BuildStandings)->Unit(benchmark::kMicrosecond);

void BM_SaveSeason(benchmark::State& state) {
    test::TempDir dir;
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    const FileNames names = year_file_names("1996");
    for (auto _ : state) {
        if (!write_season_files(dir.path(), names, *season).ok()) state.SkipWithError("cannot save season");
    }
}
BENCHMARK(BM_SaveSeason)->Unit(benchmark::kMillisecond);

// Each team-statistics builder alone on a full season.
template <class Build>
void run_builder_on(benchmark::State& state, const Season& season, Build build) {
    for (auto _ : state) {
        auto table = build(season);
        benchmark::DoNotOptimize(table);
    }
}

template <class Build>
void run_builder(benchmark::State& state, Build build) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    run_builder_on(state, *season, build);
}

void BM_BuildTeamTallies(benchmark::State& state) { run_builder(state, build_team_tallies); }
BENCHMARK(BM_BuildTeamTallies)->Unit(benchmark::kMicrosecond);

void BM_BuildStreaks(benchmark::State& state) { run_builder(state, build_streaks); }
BENCHMARK(BM_BuildStreaks)->Unit(benchmark::kMicrosecond);

void BM_BuildScoreList(benchmark::State& state) { run_builder(state, build_score_list); }
BENCHMARK(BM_BuildScoreList)->Unit(benchmark::kMicrosecond);

void BM_BuildInningTotals(benchmark::State& state) { run_builder(state, build_inning_totals); }
BENCHMARK(BM_BuildInningTotals)->Unit(benchmark::kMicrosecond);

void BM_HomerunMake(benchmark::State& state) {
    run_builder(state, [](const Season& season) { return homerun_make(season); });
}
BENCHMARK(BM_HomerunMake)->Unit(benchmark::kMicrosecond);

void BM_BuildThreePitcherTables(benchmark::State& state) {
    run_builder(state, [](const Season& season) {
        PitcherBuild central = build_pitcher_table(season, 1, 6), pacific = build_pitcher_table(season, 7, 12);
        PitcherBuild both = merge_pitcher_tables(season, central, pacific);
        return std::array{std::move(central), std::move(pacific), std::move(both)};
    });
}
BENCHMARK(BM_BuildThreePitcherTables)->Unit(benchmark::kMicrosecond);

void BM_HistoryMake(benchmark::State& state) {
    run_builder(state, [](const Season& season) { return std::make_unique<History>(history_make(season)); });
}
BENCHMARK(BM_HistoryMake)->Unit(benchmark::kMicrosecond);

void BM_BuildStandingsAsOf(benchmark::State& state) {
    run_builder(state, [](const Season& season) {
        const AsOfDate date{7, 15};
        return std::make_pair(build_standings_as_of(season, 1, 6, date),
                              build_standings_as_of(season, 7, 12, date));
    });
}
BENCHMARK(BM_BuildStandingsAsOf)->Unit(benchmark::kMicrosecond);

// Every team-statistics builder in a row, as a rebuild after a change of the games runs them.
void BM_TeamStatisticsBuilders(benchmark::State& state) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    for (auto _ : state) {
        auto score_list = build_score_list(*season);
        auto central = build_standings(*season, 1, 6);
        auto pacific = build_standings(*season, 7, 12);
        auto tallies = build_team_tallies(*season);
        auto innings = build_inning_totals(*season);
        auto streaks = build_streaks(*season);
        auto central2 = build_standings_as_of(*season, 1, 6, {7, 15});
        auto pacific2 = build_standings_as_of(*season, 7, 12, {7, 15});
        benchmark::DoNotOptimize(score_list);
        benchmark::DoNotOptimize(central);
        benchmark::DoNotOptimize(pacific);
        benchmark::DoNotOptimize(tallies);
        benchmark::DoNotOptimize(innings);
        benchmark::DoNotOptimize(streaks);
        benchmark::DoNotOptimize(central2);
        benchmark::DoNotOptimize(pacific2);
    }
}
BENCHMARK(BM_TeamStatisticsBuilders)->Unit(benchmark::kMicrosecond);

// The rebuild of 入力終了 without the save: every builder of the chain that exists, in its order.
void commit_chain_without_save(benchmark::State& state, const Season& season) {
    for (auto _ : state) {
        auto score_list = build_score_list(season);
        auto pitchers_c = build_pitcher_table(season, 1, 6);
        auto pitchers_p = build_pitcher_table(season, 7, 12);
        auto pitchers_all = merge_pitcher_tables(season, pitchers_c, pitchers_p);
        auto central = build_standings(season, 1, 6);
        auto pacific = build_standings(season, 7, 12);
        auto tallies = build_team_tallies(season);
        auto history = std::make_unique<History>(history_make(season));
        auto innings = build_inning_totals(season);
        auto streaks = build_streaks(season);
        auto homeruns = homerun_make(season);
        benchmark::DoNotOptimize(homeruns);
        benchmark::DoNotOptimize(score_list);
        benchmark::DoNotOptimize(pitchers_c);
        benchmark::DoNotOptimize(pitchers_p);
        benchmark::DoNotOptimize(pitchers_all);
        benchmark::DoNotOptimize(central);
        benchmark::DoNotOptimize(pacific);
        benchmark::DoNotOptimize(tallies);
        benchmark::DoNotOptimize(history);
        benchmark::DoNotOptimize(innings);
        benchmark::DoNotOptimize(streaks);
    }
}

void BM_CommitChainWithoutSave(benchmark::State& state) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    commit_chain_without_save(state, *season);
}
BENCHMARK(BM_CommitChainWithoutSave)->Unit(benchmark::kMicrosecond);

// The same builders on a full season of 2026's shape: 143 games a club (125 league, 18
// interleague), 858 games with 108 interleague ones, against the 1996 season's 780. Filter with
// "2026" and compare with the bare read of the same run.
std::unique_ptr<Season> full_2026_season() { return std::make_unique<Season>(test::generate_2026_season(1)); }

void BM_2026BuildStandings(benchmark::State& state) {
    run_builder_on(state, *full_2026_season(), [](const Season& season) {
        return std::make_pair(build_standings(season, 1, 6), build_standings(season, 7, 12));
    });
}
BENCHMARK(BM_2026BuildStandings)->Unit(benchmark::kMicrosecond);

void BM_2026BuildTeamTallies(benchmark::State& state) { run_builder_on(state, *full_2026_season(), build_team_tallies); }
BENCHMARK(BM_2026BuildTeamTallies)->Unit(benchmark::kMicrosecond);

void BM_2026BuildStreaks(benchmark::State& state) { run_builder_on(state, *full_2026_season(), build_streaks); }
BENCHMARK(BM_2026BuildStreaks)->Unit(benchmark::kMicrosecond);

void BM_2026BuildInningTotals(benchmark::State& state) {
    run_builder_on(state, *full_2026_season(), build_inning_totals);
}
BENCHMARK(BM_2026BuildInningTotals)->Unit(benchmark::kMicrosecond);

void BM_2026BuildThreePitcherTables(benchmark::State& state) {
    run_builder_on(state, *full_2026_season(), [](const Season& season) {
        PitcherBuild central = build_pitcher_table(season, 1, 6), pacific = build_pitcher_table(season, 7, 12);
        PitcherBuild both = merge_pitcher_tables(season, central, pacific);
        return std::array{std::move(central), std::move(pacific), std::move(both)};
    });
}
BENCHMARK(BM_2026BuildThreePitcherTables)->Unit(benchmark::kMicrosecond);

void BM_2026HomerunMake(benchmark::State& state) {
    run_builder_on(state, *full_2026_season(), [](const Season& season) { return homerun_make(season); });
}
BENCHMARK(BM_2026HomerunMake)->Unit(benchmark::kMicrosecond);

void BM_2026HistoryMake(benchmark::State& state) {
    run_builder_on(state, *full_2026_season(),
                   [](const Season& season) { return std::make_unique<History>(history_make(season)); });
}
BENCHMARK(BM_2026HistoryMake)->Unit(benchmark::kMicrosecond);

void BM_2026CommitChainWithoutSave(benchmark::State& state) { commit_chain_without_save(state, *full_2026_season()); }
BENCHMARK(BM_2026CommitChainWithoutSave)->Unit(benchmark::kMicrosecond);

// The lines of every team-statistics report pane from built tables.
void BM_TeamStatisticsReports(benchmark::State& state) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    const auto central = build_standings(*season, 1, 6);
    const auto pacific = build_standings(*season, 7, 12);
    const auto tallies = build_team_tallies(*season);
    const auto streaks = build_streaks(*season);
    const auto score_list = build_score_list(*season);
    for (auto _ : state) {
        auto panes = {vs_record_report(tallies, central, pacific, "1996", 0),
                      vs_pct_report(tallies, central, pacific, "1996", 0), meeting_status_report(*season, 0),
                      monthly_record_report(tallies, 0), monthly_pct_report(tallies, 0), streaks_report(streaks),
                      score_list_report(score_list), standings_as_of_report(central, pacific, "1996", {7, 15}, 0)};
        benchmark::DoNotOptimize(panes);
    }
}
BENCHMARK(BM_TeamStatisticsReports)->Unit(benchmark::kMicrosecond);

// A data folder with 26 registered generated years, 1985..2010 (every year the cumulative
// records can hold), and the year shown (1996) in memory.
struct RegisteredYears {
    test::TempDir dir;
    std::vector<std::string> years;
    std::unique_ptr<Season> current;

    RegisteredYears() {
        for (int y = 1985; y <= 2010; ++y) {
            const std::string year = std::to_string(y);
            auto season = std::make_unique<Season>(gen::generate_season(year, static_cast<std::uint32_t>(y)));
            (void)gen::write_generated(dir.path(), *season);
            years.push_back(year);
            if (year == "1996") {
                season->pitcher_all = build_pitcher_table(*season, 1, 12).table;
                season->homeruns = homerun_make(*season).tables;
                current = std::move(season);
            }
        }
    }
};

void BM_AddUpPitcherYears26(benchmark::State& state) {
    const RegisteredYears data;
    for (auto _ : state) {
        auto cum =
            add_up_pitcher_years(data.dir.path(), data.years, "1996", data.current->pitcher_all);
        // Generated staffs change every year: the 1,000 rows fill up, the worst case.
        state.counters["rows"] = static_cast<double>(cum.table.size());
        benchmark::DoNotOptimize(cum);
    }
}
BENCHMARK(BM_AddUpPitcherYears26)->Unit(benchmark::kMillisecond);

void BM_AddUpHomerunYears26(benchmark::State& state) {
    const RegisteredYears data;
    for (auto _ : state) {
        auto cum =
            add_up_homerun_years(data.dir.path(), data.years, "1996", data.current->homeruns);
        state.counters["batters"] = static_cast<double>(cum.batters.size());
        state.counters["pitchers"] = static_cast<double>(cum.pitchers.size());
        benchmark::DoNotOptimize(cum);
    }
}
BENCHMARK(BM_AddUpHomerunYears26)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
