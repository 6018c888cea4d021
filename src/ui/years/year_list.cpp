// The "ファイル(&F)" menu's year list: 新規作成, ﾃﾞｰﾀ読込 and ﾃﾞｰﾀﾌｧｲﾙ削除 fill List3 (over the
// input panel's home-run list, which hides meanwhile) and remember what a click on a year will
// do; the click carries it out.
#include "core/settings/settings.h"
#include "core/text/fixed_width.h"
#include "core/years/year_files.h"
#include "ui/years/years_presenter.h"

namespace tev::ui {

void YearsPresenter::bind() {
    on_click("mnuNewFileItem", [this](int) { mnuNewFileItem_Click(); });
    on_click("mnuNewDatReadItem", [this](int) { mnuNewDatReadItem_Click(); });
    on_click("mnudat_add", [this](int) { mnudat_add_Click(); });
    on_click("mnudatfile_del", [this](int) { mnudatfile_del_Click(); });
    on_click("List3", [this](int) { List3_Click(); });
    build_club_dialog();
}

void YearsPresenter::close_year_list() {
    status(Text());
    main_.at("List3").visible = false;
    main_.at("List6").visible = true;
    modes_.year_list = YearOperation::none;
}

void YearsPresenter::show_year_list(std::vector<Text> items, const Text& prompt, YearOperation pending) {
    Control& list3 = main_.at("List3");
    list3.lines = std::move(items);
    list3.list_index = -1;
    status(prompt);
    main_.at("List6").visible = false;
    list3.visible = true;
    modes_.year_list = pending;
}

bool YearsPresenter::pending_games_settled() {
    const int pending = document_.pending().count();
    if (pending == 0) return true;
    // Another year replaces the season in memory: games whose save failed would go with it.
    const Text question = U"保存していない試合が " + plain_num(pending) + U" 試合あります。保存してから切り替えますか？";
    switch (services_.ask_yes_no_cancel(U"データ切替", question, Icon::question)) {
        case Answer::yes:
            hooks_.save_pending_games();
            return document_.pending().count() == 0;
        case Answer::no: document_.pending().clear(); return true;
        case Answer::cancel: return false;
    }
    return false;
}

void YearsPresenter::mnuNewFileItem_Click() {
    if (!modes_.can_change_season()) return;
    hide_year_list();
    if (!pending_games_settled()) return;
    show_year_list(unregistered_year_items(document_.settings().rec_year, last_offered_year(services_.now().year)),
                   U"新規登録データ年度を選択して下さい。", YearOperation::new_year);
}

void YearsPresenter::mnuNewDatReadItem_Click() {
    if (!modes_.can_change_season()) return;
    hide_year_list();
    if (!pending_games_settled()) return;
    show_year_list(registered_year_items(document_.settings().rec_year), U"読み込みデータ年度を選択して下さい。",
                   YearOperation::read_year);
}

void YearsPresenter::mnudatfile_del_Click() {
    if (!modes_.can_change_season()) return;
    hide_year_list();
    show_year_list(registered_year_items(document_.settings().rec_year), U"削除するデータ年度を選択して下さい。",
                   YearOperation::delete_year);
}

void YearsPresenter::List3_Click() {
    const Control& list3 = main_.at("List3");
    const int line = list3.list_index;
    const Text item = line >= 0 && line < static_cast<int>(list3.lines.size()) ? list3.lines[line] : Text();
    const std::string year = year_of_item(item);
    // The year in use can be neither re-read, re-created nor deleted.
    if (trim_both(item).empty() || item == kCancelItem || year == season().disp_year) return close_year_list();
    const YearOperation pending = modes_.year_list;
    if (pending == YearOperation::new_year) new_year(year);
    if (pending == YearOperation::read_year) read_year(year);
    if (pending == YearOperation::delete_year) delete_year(year);
    if (pending == YearOperation::none) close_year_list();
}

}  // namespace tev::ui
