// The rebuild steps that both the commit of 入力終了 and the deletion of a game run, each with
// its progress text. The two chains run them in different orders and let window events run at
// different steps, so each step takes whether to process events before it builds.
#include <algorithm>

#include "core/history/history_make.h"
#include "core/pitchers/pitcher_make.h"
#include "core/stats/score_list.h"
#include "core/store/season_files.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::rebuild_score_list(bool events) {
    step(U"得点一覧作成中です。", events);
    season_->score_list = build_score_list(*season_);
}

void MainWindow::rebuild_pitcher_tables(bool events) {
    step(U"セントラルリーグ投手成績作成中です。", events);
    PitcherBuild central = build_pitcher_table(*season_, 1, 6);
    step(U"パシフィックリーグ投手成績作成中です。", events);
    PitcherBuild pacific = build_pitcher_table(*season_, 7, 12);
    step(U"両リーグ投手成績作成中です。", events);
    PitcherBuild both = merge_pitcher_tables(*season_, central, pacific);
    const int left_out = std::max({central.left_out, pacific.left_out, both.left_out});
    season_->pitcher_c = std::move(central.table);
    season_->pitcher_p = std::move(pacific.table);
    season_->pitcher_all = std::move(both.table);
    if (left_out > 0)
        services_.message(U"投手が250人を超えたため、" + plain_num(left_out) +
                          U"人の投手成績は集計されていません。");
}

void MainWindow::rebuild_standings(bool events) {
    step(U"セントラルリーグ成績一覧作成中です。", events);
    central_rec_ = build_standings(*season_, 1, 6);
    step(U"パシフィックリーグ成績一覧作成中です。", events);
    pacific_rec_ = build_standings(*season_, 7, 12);
}

bool MainWindow::save_season(bool events) {
    step(U"データ保存中です。", events);
    const ItemWriter games = game_file_writer(*season_, names_.game_file);
    const ItemWriter best = best_file_writer(*season_, names_.best_file);
    const ItemWriter pitchers = pitcher_file_writer(*season_, names_.pitcher_file);
    const std::optional<ItemWriter> clubs = club_file_to_write();
    std::vector<const ItemWriter*> writers = {&best, &pitchers, &games};
    if (clubs) writers.insert(writers.begin(), &*clubs);
    // The game file last: derived files never run ahead of the games they follow.
    return write_save_files(writers,
                            U"データを保存できませんでした。入力したデータはまだ保存されていません。");
}

void MainWindow::rebuild_cumulative_pitchers(bool events) {
    step(U"累計データ作成中です。", events);
    rebuild_pitcher_cum();
}

void MainWindow::rebuild_history() {
    step(U"履歴データ作成中です。", false);
    history_state_ = 1;
    rireki_make();
}

void MainWindow::rebuild_innings(bool events) {
    step(U"回数別データ作成中です。", events);
    *innings_ = build_inning_totals(*season_);
}

void MainWindow::rebuild_streaks(bool events) {
    step(U"連勝、連敗データ作成中です。", events);
    *streaks_ = build_streaks(*season_);
}

void MainWindow::rebuild_homeruns(bool events) {
    step(U"ホームランデータ作成中です。", events);
    run_homerun_make();
}

void MainWindow::rebuild_cumulative_homeruns(bool events) {
    step(U"ホームラン累計データ作成中です。", events);
    rebuild_homerun_cum();
}

}  // namespace tev::ui
