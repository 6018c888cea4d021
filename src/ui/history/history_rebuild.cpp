// The season history of the year on screen: checked and read from its file at start-up and on
// a year switch, rebuilt from the games when the file cannot be used (ended early, damaged) and
// whenever the games change, then written to the history file.
#include <string>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/data_file.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

const Text kFilesMissing = U"データファイルが見つかりません\r\n   プログラムを終了します！！";
const Text kYearFileMissing = U"指定されたデータファイルが見つかりません。";

}  // namespace

void MainWindow::history_file_readable() {
    history_state_ = tev::history_file_readable(dir_, name_on_disk(dir_, names_.history_file)) ? 2 : 0;
}

bool MainWindow::read_history_file(bool year_switch) {
    auto read = tev::read_history_file(dir_, names_.history_file);
    if (!read) {
        if (year_switch && read.error().kind == ErrorKind::missing) {
            services_.message(kYearFileMissing);
            history_state_ = 0;
            return false;
        }
        if (year_switch) {
            // The year in use is still whole: a history that cannot be read is rebuilt from the games.
            services_.message(U"履歴データが壊れているため、試合から作り直します。\r\n\r\n" +
                              from_utf8(read.error().describe()));
            history_state_ = 5;
            return false;
        }
        fatal(kFilesMissing, &read.error());
        return false;
    }
    // A file that cannot be used is not shown at all: the games rebuild it.
    season_->history = history_rebuild_needed(*read) ? History{} : read->history;
    history_state_ = history_rebuild_needed(*read) ? 5 : 2;
    return true;
}

void MainWindow::rebuild_history_if_needed() {
    if (history_state_ == 5) rireki_make();
}

void MainWindow::rireki_make() {
    history_state_ = 1;
    status(U"只今履歴データ作成中");
    pump();
    season_->history = history_make(*season_);
    const ItemWriter writer = history_file_writer(season_->history, names_.history_file);
    write_save_files({&writer}, U"履歴データを保存できませんでした。");
    history_state_ = 2;
    status(Text());
    tell_left_out_games();
}

void MainWindow::tell_left_out_games() {
    // Each such game is named once a run, not at every later rebuild.
    Text names;
    for (const Slot& slot : history_left_out(*season_)) {
        const Text& game = season_->game_at(slot.team, slot.opp, slot.meet);
        const Text date = month_day_text(game);
        const std::string key = season_->disp_year + " " + std::to_string(slot.team) + " " +
                                std::to_string(slot.opp) + " " + std::to_string(slot.meet) + " " + to_utf8(date);
        if (!hist_.told_left_out.insert(key).second) continue;
        names += U"\r\n" + season_->clubs.team_short(slot.team) + U" 対 " + season_->clubs.team_short(home_team(slot)) + U" " + plain_num(slot.meet) +
                 U"回戦 (" + date + U")";
    }
    if (names.empty()) return;
    services_.message(U"次の試合は日付が3月19日から10月31日の間にないため、履歴データに含めていません。\r\n" + names);
}

}  // namespace tev::ui
