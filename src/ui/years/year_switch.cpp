// Switching the season in memory to another year: 新規作成 starts an empty year (its files
// written, the settings kept in step, entry opened at once) and ﾃﾞｰﾀ読込 reads a registered year
// and rebuilds the tables, keeping the year in use when the chosen year's files cannot be read.
#include "core/homeruns/homerun_file.h"
#include "core/store/club_file.h"
#include "core/store/season_files.h"
#include "core/text/fixed_width.h"
#include "core/years/year_files.h"
#include "ui/years/years_presenter.h"

namespace tev::ui {

namespace {

const Text kFileNotFound = U"指定されたデータファイルが見つかりません。";

}  // namespace

// ---- 新規作成 ----

bool YearsPresenter::overwrite_confirmed(const std::string& year) {
    // Files of an unregistered year are often a season handed out by someone else.
    const std::vector<std::string> present = year_files_present(document_.dir(), year);
    if (present.empty()) return true;
    Text names;
    for (const std::string& name : present) names += U"\r\n    " + from_utf8(name);
    return services_.ask(U"新規作成",
                         ascii(year) + U"年のデータファイルが既にあります。" + names +
                             U"\r\n\r\n新規作成すると、これらのファイルは空のデータで置き換えられます。"
                             U"\r\n（使うには「ﾃﾞｰﾀﾌｧｲﾙ登録」で登録して下さい。）\r\n\r\nよろしいですか？",
                         Icon::question, false);
}

bool YearsPresenter::old_year_files_removed(const std::string& year) {
    const Status removed = delete_year_files(document_.dir(), year);
    if (removed) return true;
    services_.message(U"ﾃﾞｰﾀﾌｧｲﾙを削除できませんでした。新規作成を中止します。\r\n\r\n" +
                      from_utf8(removed.error().describe()));
    return false;
}

void YearsPresenter::undo_new_year(const std::string& year, std::unique_ptr<Season> previous) {
    // What the unfinished year wrote goes again; the marker stays if even that fails, so that the
    // next start removes it.
    if (delete_year_files(document_.dir(), year)) end_save(document_.dir(), year);
    document_.saves().abandon();
    document_.replace(std::move(previous));
    hooks_.club_names_changed();
    document_.use_files_of(season().disp_year);
    Settings& settings = document_.settings();
    settings.disp_year = season().disp_year;
    settings.rec_year = rec_year_without(settings.rec_year, year);
    close_year_list();
    hooks_.games_changed();
}

void YearsPresenter::new_year(const std::string& year) {
    if (!overwrite_confirmed(year)) return close_year_list();
    // From here until the settings register the year, an interruption leaves files that the
    // next start removes (the year was never registered).
    if (!document_.saves().open(SaveKind::new_year, year)) {
        document_.saves().abandon();
        return close_year_list();
    }
    if (!old_year_files_removed(year)) {
        document_.saves().abandon();
        end_save(document_.dir(), year);
        return close_year_list();
    }
    auto fresh = std::make_unique<Season>();
    fresh->disp_year = year;
    fresh->clubs = club_names_of_new_year(year);
    fresh->interleague_meetings = era_shape(year).interleague_meetings;
    std::unique_ptr<Season> previous = document_.replace(std::move(fresh));
    const bool clubs_refused = document_.club_file_refused();
    document_.set_club_file_refused(false);
    panel_.clear_boxes();
    document_.use_files_of(year);
    const auto undo = [&] {
        document_.set_club_file_refused(clubs_refused);
        undo_new_year(year, std::move(previous));
    };
    // The files come first: a year registered without its files could not be started.
    if (!document_.save_season(false)) return undo();
    // A year whose history file is missing would end the next start-up.
    document_.rebuild_history();
    if (document_.saves().failed()) return undo();
    Settings& settings = document_.settings();
    settings.disp_year = year;
    settings.rec_year = rec_year_with(settings.rec_year, year);
    if (!document_.remember_settings()) return undo();
    document_.saves().close();
    main_.at("List3").visible = false;
    main_.at("List6").visible = true;
    show_year_in_title();
    document_.registered_years_changed();
    hooks_.club_names_changed();
    document_.set_games_unsaved(true);  // the next 入力終了 rebuilds everything
    hooks_.games_changed();
    modes_.year_list = YearOperation::none;
    hooks_.year_created();
}

void YearsPresenter::show_year_in_title() {
    const Text shown = ascii(season().disp_year);
    main_.at("Label10").text = U"Tevardin " + shown;
    main_.caption = U"Tevardin  " + shown;
}

// ---- ﾃﾞｰﾀ読込 ----

void YearsPresenter::read_year(const std::string& year) {
    const std::string leaving = season().disp_year;
    // A save of that year cut off earlier in this run is mended before its files are read.
    document_.saves().mend_interrupted(year);
    panel_.clear_boxes();
    document_.use_files_of(year);
    main_.at("List3").visible = false;
    status(U"選択されたデータを読み込み中です。");
    pump();
    if (read_year_season(year, leaving)) document_.read_year_clubs();
    hooks_.club_names_changed();
    read_year_history();
    read_year_homeruns();
    document_.rebuild_history_if_stale();
    show_year_in_title();
    pump();
    rebuild_year_tables();
    hooks_.games_changed();
    status(Text());
    document_.check_history_file();
    if (modes_.history == HistoryState::unread) document_.rebuild_history();
    main_.at("List3").visible = false;
    main_.at("List6").visible = true;
    modes_.rebuilding = false;
    modes_.year_list = YearOperation::none;
    hooks_.season_opened();
}

bool YearsPresenter::read_year_season(const std::string& year, const std::string& leaving) {
    auto fresh = std::make_unique<Season>();
    fresh->disp_year = year;
    const Status read = document_.read_year_files(*fresh);
    if (read) {
        document_.replace(std::move(fresh));
        return true;
    }
    // The year in use is still in memory, as its files hold it: it simply stays.
    if (read.error().kind == ErrorKind::missing)
        services_.message(kFileNotFound);
    else
        services_.message(U"指定されたデータファイルが壊れているため読み込めません。\r\n" + ascii(leaving) +
                          U"年のデータをそのまま使います。\r\n\r\n" + from_utf8(read.error().describe()));
    document_.use_files_of(leaving);
    return false;
}

bool YearsPresenter::read_year_history() {
    const Status read = document_.read_history_file();
    if (read) return true;
    if (read.error().kind == ErrorKind::missing) {
        services_.message(kFileNotFound);
        modes_.history = HistoryState::unread;
        return false;
    }
    // The year in use is still whole: a history that cannot be read is rebuilt from the games.
    services_.message(U"履歴データが壊れているため、試合から作り直します。\r\n\r\n" + from_utf8(read.error().describe()));
    modes_.history = HistoryState::stale;
    return false;
}

void YearsPresenter::read_year_homeruns() {
    auto homeruns = read_homerun_file(document_.dir(), document_.files().homerun_file);
    if (homeruns) {
        season().homeruns = *homeruns;
        return;
    }
    services_.message(U"ホームランデータが壊れているため、試合から作り直します。\r\n\r\n" +
                      from_utf8(homeruns.error().describe()));
    season().homeruns = HomerunTables{};
    document_.rebuild_homeruns();
}

void YearsPresenter::rebuild_year_tables() {
    status(U"ｾﾝﾄﾗﾙﾘｰｸﾞデータ作成中です。");
    document_.rebuild_standings_of(1);
    status(U"ﾊﾟｼﾌｨｯｸデータ作成中です。");
    document_.rebuild_standings_of(2);
    document_.clear_tallies();
    status(U"月別勝敗データ作成中です。");
    document_.rebuild_tallies();
    status(U"連勝、連敗データ作成中です。");
    pump();
    document_.rebuild_streaks();
    document_.settings().disp_year = season().disp_year;
    document_.remember_settings();
    modes_.rebuilding = true;
    status(U"回数別データ作成中です。");
    pump();
    document_.rebuild_inning_totals();
}

}  // namespace tev::ui
