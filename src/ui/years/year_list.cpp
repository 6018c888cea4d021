// The "ファイル(&F)" menu's year list: 新規作成, ﾃﾞｰﾀ読込 and ﾃﾞｰﾀﾌｧｲﾙ削除 fill List3 (over the
// input panel's home-run list, which hides meanwhile) and remember what a click on a year will
// do; the click carries it out. Also the settings kept in step with the registered years.
#include "core/settings/settings.h"
#include "core/text/fixed_width.h"
#include "core/years/year_files.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::bind_years() {
    const auto click = [this](const std::string& name, auto handler) {
        main_.on(name, Event::click, handler);
    };
    click("mnuNewFileItem", [this](int) { mnuNewFileItem_Click(); });
    click("mnuNewDatReadItem", [this](int) { mnuNewDatReadItem_Click(); });
    click("mnudat_add", [this](int) { mnudat_add_Click(); });
    click("mnudatfile_del", [this](int) { mnudatfile_del_Click(); });
    click("List3", [this](int) { List3_Click(); });
    click("mnudat_del", [this](int) { mnudat_del_Click(); });
}

bool MainWindow::year_menus_blocked() const {
    // Entry, the meeting browser, a report pane closed by a click, and the history rebuild.
    return entry_mode_ == 1 || view_.date_mode == 1 || report_on_ || kaiten_mode_ ||
           history_state_ == 1;
}

void MainWindow::hide_year_list() {
    Control& list3 = main_.at("List3");
    if (!list3.visible) return;
    list3.visible = false;
    main_.at("List6").visible = true;
    years_.pending = YearOperation::none;
    status(Text());
}

void MainWindow::close_year_list() {
    status(Text());
    main_.at("List3").visible = false;
    main_.at("List6").visible = true;
    years_.pending = YearOperation::none;
    years_.year_switch = 0;
}

void MainWindow::show_year_list(std::vector<Text> items, const Text& prompt,
                                YearOperation pending) {
    Control& list3 = main_.at("List3");
    list3.lines = std::move(items);
    list3.list_index = -1;
    status(prompt);
    main_.at("List6").visible = false;
    list3.visible = true;
    years_.pending = pending;
}

void MainWindow::set_list3() {
    show_year_list(unregistered_year_items(settings_.rec_year, last_offered_year(services_.now().year)),
                   U"新規登録データ年度を選択して下さい。", YearOperation::new_year);
}

void MainWindow::mnuNewFileItem_Click() {
    if (year_menus_blocked()) return;
    hide_year_list();
    set_list3();
}

void MainWindow::mnuNewDatReadItem_Click() {
    if (year_menus_blocked()) return;
    hide_year_list();
    show_year_list(registered_year_items(settings_.rec_year),
                   U"読み込みデータ年度を選択して下さい。", YearOperation::read_year);
}

void MainWindow::mnudatfile_del_Click() {
    if (year_menus_blocked()) return;
    hide_year_list();
    show_year_list(registered_year_items(settings_.rec_year),
                   U"削除するデータ年度を選択して下さい。", YearOperation::delete_year);
}

void MainWindow::List3_Click() {
    const Control& list3 = main_.at("List3");
    const int line = list3.list_index;
    const Text item =
        line >= 0 && line < static_cast<int>(list3.lines.size()) ? list3.lines[line] : Text();
    const std::string year = year_of_item(item);
    // The year in use can be neither re-read, re-created nor deleted.
    if (trim_both(item).empty() || item == kCancelItem || year == season_->disp_year)
        return close_year_list();
    const YearOperation pending = years_.pending;
    if (pending == YearOperation::new_year) new_year(year);
    if (pending == YearOperation::read_year) read_year(year);
    if (pending == YearOperation::delete_year) delete_year(year);
    if (pending == YearOperation::none) close_year_list();
}

bool MainWindow::remember_settings() {
    if (const Status written = write_settings(dir_, settings_); !written) {
        services_.message(
            U"[Tevardin.ini] "
            U"に書き込めませんでした。表示年度と登録年度は次回の起動に残りません。\r\n\r\n" +
            from_utf8(written.error().describe()));
        return false;
    }
    if (auto read = read_settings(dir_)) settings_ = *read;
    return true;
}

void MainWindow::registered_years_changed() {
    // The cumulative records run over every registered year.
    step(U"累計データ作成中です。", true);
    rebuild_pitcher_cum();
    step(U"ホームラン累計データ作成中です。", true);
    rebuild_homerun_cum();
    status(Text());
}

}  // namespace tev::ui
