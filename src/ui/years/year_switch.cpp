// Switching the season in memory to another year: 新規作成 starts an empty year (its files
// written, the settings kept in step, entry opened at once) and ﾃﾞｰﾀ読込 reads a registered year
// and rebuilds the tables, keeping the year in use when the chosen year's files cannot be read.
#include "core/history/history_file.h"
#include "core/homeruns/homerun_file.h"
#include "core/store/club_file.h"
#include "core/store/season_files.h"
#include "core/text/fixed_width.h"
#include "core/years/year_files.h"
#include "ui/main_window.h"

namespace tev::ui {

namespace {

const Text kFileNotFound = U"指定されたデータファイルが見つかりません。";

}  // namespace

bool MainWindow::overwrite_confirmed(const std::string& year) {
    // Files of an unregistered year are often a season handed out by someone else.
    const std::vector<std::string> present = year_files_present(dir_, year);
    if (present.empty()) return true;
    Text names;
    for (const std::string& name : present) names += U"\r\n    " + from_utf8(name);
    return services_.ask(
        U"新規作成",
        ascii(year) + U"年のデータファイルが既にあります。" + names +
            U"\r\n\r\n新規作成すると、これらのファイルは空のデータで置き換えられます。"
            U"\r\n（使うには「ﾃﾞｰﾀﾌｧｲﾙ登録」で登録して下さい。）\r\n\r\nよろしいですか？",
        Icon::question, false);
}

bool MainWindow::old_year_files_removed(const std::string& year) {
    const Status removed = delete_year_files(dir_, year);
    if (removed) return true;
    services_.message(U"ﾃﾞｰﾀﾌｧｲﾙを削除できませんでした。新規作成を中止します。\r\n\r\n" +
                      from_utf8(removed.error().describe()));
    return false;
}

bool MainWindow::new_year_undone(const std::string& year, std::unique_ptr<Season> previous) {
    // What the unfinished year wrote goes again; the marker stays if even that fails, so that the
    // next start removes it.
    if (delete_year_files(dir_, year)) end_save(dir_, year);
    saving_.open = false;
    season_ = std::move(previous);
    show_club_names();
    names_ = year_file_names(season_->disp_year);
    settings_.disp_year = season_->disp_year;
    settings_.rec_year = rec_year_without(settings_.rec_year, year);
    close_year_list();
    newdat_disp();
    return false;
}

void MainWindow::new_year(const std::string& year) {
    if (!overwrite_confirmed(year)) return close_year_list();
    // From here until the settings register the year, an interruption leaves files that the
    // next start removes (the year was never registered).
    if (!open_save(SaveKind::new_year, year)) {
        saving_.open = false;
        return close_year_list();
    }
    if (!old_year_files_removed(year)) {
        saving_.open = false;
        end_save(dir_, year);
        return close_year_list();
    }
    std::unique_ptr<Season> previous = std::move(season_);
    season_ = std::make_unique<Season>();
    season_->disp_year = year;
    season_->clubs = club_names_of_new_year(year);
    club_file_refused_ = false;
    datbox_clear();
    names_ = year_file_names(year);
    // The files come first: a year registered without its files could not be started.
    if (!save_season(false)) {
        new_year_undone(year, std::move(previous));
        return;
    }
    // A year whose history file is missing would end the next start-up.
    rireki_make();
    if (saving_.failed) {
        new_year_undone(year, std::move(previous));
        return;
    }
    settings_.disp_year = year;
    settings_.rec_year = rec_year_with(settings_.rec_year, year);
    if (!remember_settings()) {
        new_year_undone(year, std::move(previous));
        return;
    }
    close_save();
    main_.at("List3").visible = false;
    main_.at("List6").visible = true;
    const Text shown = ascii(year);
    main_.at("Label10").text = U"Tevardin " + shown;
    main_.caption = U"Tevardin  " + shown;
    registered_years_changed();
    show_club_names();
    dat_changed_ = 1;  // the next 入力終了 rebuilds everything
    newdat_disp();
    years_.pending = YearOperation::none;
    mnudat_in_Click();
}

bool MainWindow::read_year_season(const std::string& year, const std::string& leaving) {
    auto fresh = std::make_unique<Season>();
    fresh->disp_year = year;
    const Status read = read_season_files(dir_, names_, *fresh, [this](ReadStep step) {
        switch (step) {
            case ReadStep::games:
                status(U"メインデータ読み込み中です。");
                break;
            case ReadStep::best:
                status(U"得点データ読み込み中です。");
                pump();
                break;
            case ReadStep::pitchers:
                status(U"投手成績データ読み込み中です。");
                pump();
                break;
        }
    });
    if (read) {
        season_ = std::move(fresh);
        years_.year_switch = 0;
        return true;
    }
    // The year in use is still in memory, as its files hold it: it simply stays.
    if (read.error().kind == ErrorKind::missing)
        services_.message(kFileNotFound);
    else
        services_.message(U"指定されたデータファイルが壊れているため読み込めません。\r\n" +
                          ascii(leaving) + U"年のデータをそのまま使います。\r\n\r\n" +
                          from_utf8(read.error().describe()));
    names_ = year_file_names(leaving);
    return false;
}

void MainWindow::read_year_homeruns() {
    auto homeruns = read_homerun_file(dir_, names_.homerun_file);
    if (homeruns) {
        season_->homeruns = *homeruns;
        return;
    }
    services_.message(U"ホームランデータが壊れているため、試合から作り直します。\r\n\r\n" +
                      from_utf8(homeruns.error().describe()));
    season_->homeruns = HomerunTables{};
    run_homerun_make();
}

void MainWindow::read_year(const std::string& year) {
    const std::string leaving = season_->disp_year;
    // A save of that year cut off earlier in this run is mended before its files are read.
    mend_interrupted_saves(year);
    datbox_clear();
    years_.year_switch = std::stoi(leaving);
    names_ = year_file_names(year);
    main_.at("List3").visible = false;
    status(U"選択されたデータを読み込み中です。");
    pump();
    if (read_year_season(year, leaving)) read_year_clubs();
    show_club_names();
    read_history_file(true);
    read_year_homeruns();
    if (history_state_ == 5) rireki_make();

    const Text shown = ascii(season_->disp_year);
    main_.caption = U"Tevardin  " + shown;
    main_.at("Label10").text = U"Tevardin " + shown;
    pump();
    status(U"ｾﾝﾄﾗﾙﾘｰｸﾞデータ作成中です。");
    central_rec_ = build_standings(*season_, 1, 6);
    status(U"ﾊﾟｼﾌｨｯｸデータ作成中です。");
    pacific_rec_ = build_standings(*season_, 7, 12);
    tallies_ = TeamTallies{};
    status(U"月別勝敗データ作成中です。");
    tallies_ = build_team_tallies(*season_);
    status(U"連勝、連敗データ作成中です。");
    pump();
    *streaks_ = build_streaks(*season_);
    settings_.disp_year = season_->disp_year;
    remember_settings();
    recalc_busy_ = 1;
    status(U"回数別データ作成中です。");
    pump();
    *innings_ = build_inning_totals(*season_);
    newdat_disp();
    status(Text());
    years_.year_switch = 0;
    history_file_readable();
    if (history_state_ == 0) rireki_make();
    main_.at("List3").visible = false;
    main_.at("List6").visible = true;
    recalc_busy_ = 0;
    years_.pending = YearOperation::none;
}

}  // namespace tev::ui
