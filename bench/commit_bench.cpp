// The commit of one game on a full generated season: 入力終了 rebuilds every table that exists
// and saves the season, as the user waits for it.
#include <benchmark/benchmark.h>

#include <memory>

#include "season_gen.h"
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
