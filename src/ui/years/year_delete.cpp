// ﾃﾞｰﾀﾌｧｲﾙ削除: after a question, a registered year leaves the settings and its five files leave
// the folder. 1996 and the year in use are never deleted; other files that merely name the year
// stay where they are.
#include "core/settings/settings.h"
#include "core/years/year_files.h"
#include "ui/years/years_presenter.h"

namespace tev::ui {

void YearsPresenter::delete_year(const std::string& year) {
    status(Text());
    modes_.rebuilding = false;
    modes_.year_list = YearOperation::none;
    if (year != kFirstSeasonYear &&
        services_.ask(U"ﾃﾞｰﾀﾌｧｲﾙ削除",
                      U"選択されたﾃﾞｰﾀﾌｧｲﾙを削除します。\r\n        よろしいですか？",
                      Icon::question, false))
        delete_year_files_and_registration(year);
    close_year_list();
}

void YearsPresenter::delete_year_files_and_registration(const std::string& year) {
    Settings& settings = document_.settings();
    const std::string kept = settings.rec_year;
    // From the settings' rewrite on, an interrupted deletion is finished by the next start.
    if (!document_.saves().open(SaveKind::delete_year, year)) {
        document_.saves().abandon();
        return;
    }
    settings.rec_year = rec_year_without(settings.rec_year, year);
    // A year still registered in the file must keep its files, or it could not be read.
    if (!document_.remember_settings()) {
        document_.settings().rec_year = kept;
        document_.saves().abandon();
        end_save(document_.dir(), year);
        return;
    }
    if (const Status removed = delete_year_files(document_.dir(), year); !removed) {
        document_.saves().mark_failed();  // the marker stays: the next start removes what is left
        services_.message(U"ﾃﾞｰﾀﾌｧｲﾙを削除できませんでした。\r\n\r\n" + from_utf8(removed.error().describe()));
    }
    document_.saves().close();
    document_.registered_years_changed();
}

}  // namespace tev::ui
