// Every save of the main window runs between open_save and close_save: the marker of the save
// journal is on the disk for as long as the folder may be mixed, and a start that finds one mends
// the folder first (mend_interrupted_saves). See docs/saving.md for why this keeps the season
// whole across a crash or a power loss.
#include "core/store/save_journal.h"
#include "core/years/save_recovery.h"
#include "core/text/data_file.h"
#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

bool MainWindow::open_save(SaveKind kind, const std::string& year) {
    saving_ = SaveState{true, false, year};
    if (const Status begun = begin_save(dir_, year, kind); !begun) {
        saving_.failed = true;
        services_.message(U"データを保存できませんでした。入力したデータはまだ保存されていません。\r\n\r\n" +
                          from_utf8(begun.error().describe()));
        return false;
    }
    return true;
}

bool MainWindow::close_save() {
    const bool whole = saving_.open && !saving_.failed;
    saving_.open = false;
    // A failed save keeps its marker: the next start rebuilds what the save left mixed.
    if (whole && !end_save(dir_, saving_.year)) return false;
    return whole;
}

bool MainWindow::write_save_files(const std::vector<const ItemWriter*>& writers, const Text& failure) {
    if (saving_.open && saving_.failed) return false;  // told already; the marker stays
    const Status written = commit_writers(dir_, writers);
    if (written) return true;
    if (saving_.open) saving_.failed = true;
    services_.message(failure + U"\r\n\r\n" + from_utf8(written.error().describe()));
    return false;
}

void MainWindow::mend_interrupted_saves(const std::string& year) {
    const Recovery mended = year.empty() ? recover_interrupted_saves(dir_) : recover_year(dir_, year);
    for (const std::string& rebuilt : mended.rebuilt)
        services_.message(U"前回のデータ保存が途中で終わっていました。\r\n" + ascii(rebuilt) +
                          U"年の試合データ（" + ascii(year_file_names(rebuilt).game_file) +
                          U"）に合わせて、得点・投手成績・ホームラン・履歴のデータを作り直しました。\r\n"
                          U"最後に入力した試合が見当たらない場合は、もう一度入力して下さい。");
    if (mended.failure)
        services_.message(U"前回のデータ保存が途中で終わっていましたが、データを作り直せませんでした。\r\n\r\n" +
                          from_utf8(mended.failure->describe()));
}

}  // namespace tev::ui
