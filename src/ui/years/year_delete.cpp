// ﾃﾞｰﾀﾌｧｲﾙ削除: after a question, a registered year leaves the settings and its five files leave
// the folder. 1996 and the year in use are never deleted; other files that merely name the year
// stay where they are.
#include "core/settings/settings.h"
#include "core/years/year_files.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::delete_year(const std::string& year) {
    status(Text());
    recalc_busy_ = 0;
    years_.pending = YearOperation::none;
    if (year != kFirstSeasonYear &&
        services_.ask(U"ﾃﾞｰﾀﾌｧｲﾙ削除",
                      U"選択されたﾃﾞｰﾀﾌｧｲﾙを削除します。\r\n        よろしいですか？",
                      Icon::question, false))
        datfile_del(year);
    close_year_list();
}

void MainWindow::datfile_del(const std::string& year) {
    const std::string kept = settings_.rec_year;
    // From the settings' rewrite on, an interrupted deletion is finished by the next start.
    if (!open_save(SaveKind::delete_year, year)) {
        saving_.open = false;
        return;
    }
    settings_.rec_year = rec_year_without(settings_.rec_year, year);
    // A year still registered in the file must keep its files, or it could not be read.
    if (!remember_settings()) {
        settings_.rec_year = kept;
        saving_.open = false;
        end_save(dir_, year);
        return;
    }
    if (const Status removed = delete_year_files(dir_, year); !removed) {
        saving_.failed = true;  // the marker stays: the next start removes what is left
        services_.message(U"ﾃﾞｰﾀﾌｧｲﾙを削除できませんでした。\r\n\r\n" +
                          from_utf8(removed.error().describe()));
    }
    close_save();
    registered_years_changed();
}

}  // namespace tev::ui
