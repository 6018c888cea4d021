// The season history: rebuilt from the games at the commit and whenever its file could not be
// used, then written to the history file.
#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/text/data_file.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::rireki_make() {
    history_state_ = 1;
    status(U"只今履歴データ作成中");
    pump();
    season_->history = history_make(*season_);
    const ItemWriter writer = history_file_writer(season_->history, names_.history_file);
    if (const Status saved = commit_writers(dir_, {&writer}); !saved)
        services_.message(U"履歴データを保存できませんでした。\r\n\r\n" + from_utf8(saved.error().describe()));
    history_state_ = 2;
    status(Text());
}

}  // namespace tev::ui
