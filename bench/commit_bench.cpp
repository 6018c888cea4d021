// The commit of one game on a full generated season: 入力終了 rebuilds every table that exists
// and saves the season, as the user waits for it.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/exchange/game_export.h"
#include "core/exchange/game_import.h"
#include "core/store/club_file.h"
#include "core/text/csv_read.h"
#include "season_gen.h"
#include "support/interleague_season_gen.h"
#include "support/temp_dir.h"
#include "core/settings/settings.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"

namespace {

using namespace tev;

// Starts the program on a generated season, then per iteration re-files meeting 1 of the first
// stored Central pair (answering Yes to the correction question) and commits.
void BM_CommitOneGame(benchmark::State& state) {
    test::TempDir dir;
    if (!gen::write_generated(dir.path(), gen::generate_season("1996", 1)).ok()) state.SkipWithError("no season");
    ui::ScriptedServices services;
    ui::MainWindow program(dir.path(), services);
    if (!program.start()) state.SkipWithError("no start");
    ui::Window& w = program.main();
    const ui::GameViewState view = program.game_view();
    const auto click = [&](const std::string& name, int index = -1) { w.fire(name, index, ui::Event::click); };
    for (auto _ : state) {
        services.answers = {true};
        click("mnudat_in");
        click("Option3", 0);
        click("Option1", view.central.team - 1);
        click("Option2", view.central.opp - 1);
        click("Command4", view.central.meet);
        click("Command1");
        if (!program.document().games_unsaved()) state.SkipWithError("the game was not filed");
        w.fire("Command12", -1, ui::Event::mouse_down);
        click("Command12");
        if (program.document().games_unsaved()) state.SkipWithError("the commit did not save");
    }
}
BENCHMARK(BM_CommitOneGame)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A year switch (ﾃﾞｰﾀ読込) between two registered generated full seasons, 1996 and 1997, as the
// user waits for it: read the other year's files and rebuild its tables.
void BM_YearSwitch(benchmark::State& state) {
    test::TempDir dir;
    for (const char* year : {"1997", "1996"})
        if (!gen::write_generated(dir.path(), gen::generate_season(year, 1)).ok()) state.SkipWithError("no season");
    if (!write_settings(dir.path(), Settings{"1996", "Regi Year= 19961997"}).ok()) state.SkipWithError("no settings");
    ui::ScriptedServices services;
    ui::MainWindow program(dir.path(), services);
    if (!program.start()) state.SkipWithError("no start");
    ui::Window& w = program.main();
    int line = 1;  // the list shows 1996, 1997, ｷｬﾝｾﾙ
    for (auto _ : state) {
        w.fire("mnuNewDatReadItem", -1, ui::Event::click);
        w.at("List3").list_index = line;
        w.fire("List3", -1, ui::Event::click);
        if (program.season().disp_year != (line == 1 ? "1997" : "1996")) state.SkipWithError("no switch");
        line = 1 - line;
    }
}
BENCHMARK(BM_YearSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The import of a whole 2026 season (858 games, league and interleague) from a results table
// into its empty year, as the user waits for it after saying yes: the file read and checked,
// the games filed, every table rebuilt and the season saved. Each iteration's import is taken
// back (元に戻す) outside the timing, so that the next one imports into an empty year again.
struct ImportFixture {
    test::TempDir dir;
    std::filesystem::path table;
    ui::ScriptedServices services;
    std::unique_ptr<ui::MainWindow> program;

    bool ready() {
        Season empty;
        empty.disp_year = "2026";
        empty.clubs = todays_club_names();
        empty.interleague_meetings = 3;
        if (!gen::write_generated(dir.path(), empty).ok()) return false;
        if (!write_settings(dir.path(), Settings{"2026", "Regi Year= 2026"}).ok()) return false;
        const ItemWriter clubs = club_file_writer(todays_club_names(), club_file_name("2026"));
        if (!commit_writers(dir.path(), {&clubs}).ok()) return false;
        table = dir / "season_2026.csv";
        test::spit(table, games_csv(test::generate_2026_season(1)));
        program = std::make_unique<ui::MainWindow>(dir.path(), services);
        return program->start();
    }
};

void BM_ImportSeason858Games(benchmark::State& state) {
    ImportFixture f;
    if (!f.ready()) state.SkipWithError("no start");
    for (auto _ : state) {
        f.services.answers = {true};
        f.services.open_files = {f.table};
        f.program->main().fire("mnuimport_games", -1, ui::Event::click);
        state.PauseTiming();
        if (f.program->document().games_unsaved() || exported_game_count(f.program->season()) != 858)
            state.SkipWithError("not imported whole");
        f.program->main().fire("mnuundo", -1, ui::Event::click);
        if (!f.program->season().empty()) state.SkipWithError("not taken back");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportSeason858Games)->Unit(benchmark::kMillisecond);

// The floor beside it: the same table's bytes read and split into records, nothing checked.
void BM_ReadResultsTableBare(benchmark::State& state) {
    ImportFixture f;
    if (!f.ready()) state.SkipWithError("no start");
    for (auto _ : state) {
        auto bytes = test::slurp(f.table);
        auto records = read_csv(bytes, "season_2026.csv");
        if (!records || records->size() != 859) state.SkipWithError("not read");
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_ReadResultsTableBare)->Unit(benchmark::kMillisecond);

// Reading and checking alone: the summary the user sees before the question.
void BM_PlanImport858Games(benchmark::State& state) {
    ImportFixture f;
    if (!f.ready()) state.SkipWithError("no start");
    for (auto _ : state) {
        auto plan = plan_import(test::slurp(f.table), "season_2026.csv", f.program->season());
        if (!plan || plan->fresh.size() != 858)
            state.SkipWithError(plan ? ("planned " + std::to_string(plan->fresh.size()) + " new games; " + (plan->refused.empty() ? std::string() : to_utf8(plan->refused[0].text))).c_str() : "not planned");
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_PlanImport858Games)->Unit(benchmark::kMillisecond);

}  // namespace
