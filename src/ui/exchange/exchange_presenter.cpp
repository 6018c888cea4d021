#include "ui/exchange/exchange_presenter.h"

#include <fstream>
#include <sstream>

#include "core/exchange/game_export.h"
#include "core/exchange/game_import.h"
#include "core/exchange/import_summary.h"
#include "core/text/data_file.h"
#include "core/text/fixed_width.h"
#include "core/platform/utf8_path.h"

namespace tev::ui {

namespace {

// A season's results table is some hundred kilobytes; anything far larger is not one.
constexpr std::uintmax_t kLargestTable = 16u << 20;

const Text kImportTitle = U"試合結果の取り込み";
const Text kExportTitle = U"試合結果の書き出し";

}  // namespace

void ExchangePresenter::bind() {
    on_click("mnuimport_games", [this](int) { mnuimport_games_Click(); });
    on_click("mnuexport_games", [this](int) { mnuexport_games_Click(); });
}

std::filesystem::path ExchangePresenter::in_data_folder(const std::filesystem::path& file) const {
    return file.is_absolute() ? file : document_.dir() / file;
}

std::optional<std::string> ExchangePresenter::read_table(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || std::filesystem::is_directory(file, ec)) {
        services_.message(U"ファイルを読めません。\r\n" + from_utf8(utf8_string(file.filename())), kImportTitle, Icon::exclamation);
        return std::nullopt;
    }
    if (size > kLargestTable) {
        services_.message(U"試合結果の表としては大きすぎるファイルです（16MBまで）。\r\n" + from_utf8(utf8_string(file.filename())),
                          kImportTitle, Icon::exclamation);
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in && !in.eof()) {
        services_.message(U"ファイルを読めません。\r\n" + from_utf8(utf8_string(file.filename())), kImportTitle, Icon::exclamation);
        return std::nullopt;
    }
    return bytes.str();
}

bool ExchangePresenter::agreed(const ImportPlan& plan, bool& replace_differing) {
    replace_differing = false;
    if (!plan.changes_something()) {
        services_.message(U"取り込む試合はありません（表の試合はすべて登録済みか、取り込めない行です）。", kImportTitle,
                          Icon::information);
        return false;
    }
    if (!plan.fresh.empty() && !services_.ask(kImportTitle, import_new_games_question(plan), Icon::question, true))
        return false;
    if (!plan.differing.empty())
        replace_differing = services_.ask(kImportTitle, replace_differing_question(plan), Icon::question, false);
    return !plan.fresh.empty() || replace_differing;
}

void ExchangePresenter::file_games(const ImportPlan& plan, bool replace_differing) {
    const std::size_t count = plan.fresh.size() + (replace_differing ? plan.differing.size() : 0);
    document_.name_next_change(U"取り込み " + plain_num(static_cast<long long>(count)) + U"試合");
    main_.at("Label10").fore_color = kRed;
    modes_.rebuilding = true;
    apply_import(season(), plan, replace_differing);
    document_.set_games_unsaved(true);
    document_.rebuild_and_save();
    modes_.rebuilding = false;
    main_.at("Label10").fore_color = kBlue;
    hooks_.games_changed();
    status(document_.games_unsaved() ? Text(U"取り込んだ試合を保存できませんでした。")
                                     : U"試合結果を取り込みました：" + plain_num(static_cast<long long>(count)) + U"試合");
}

void ExchangePresenter::mnuimport_games_Click() {
    if (!modes_.can_change_season()) return;
    hide_year_list();
    const std::filesystem::path chosen = services_.choose_open_file(kImportTitle, {U"CSV (*.csv)", U"すべてのファイル (*)"});
    if (chosen.empty()) return;
    const std::filesystem::path file = in_data_folder(chosen);
    const std::optional<std::string> bytes = read_table(file);
    if (!bytes) return;
    status(U"試合結果を読んでいます。");
    pump();
    const auto plan = plan_import(*bytes, utf8_string(file.filename()), season());
    if (!plan) {
        status(Text());
        services_.message(U"試合結果を取り込めません。\r\n\r\n" + from_utf8(plan.error().describe()), kImportTitle,
                          Icon::exclamation);
        return;
    }
    panes_.show_list4_report(import_summary_pane(*plan, utf8_string(file.filename())), PaneReport::none);
    pump();  // the summary stands in the window behind the question
    bool replace_differing = false;
    if (!agreed(*plan, replace_differing)) {
        status(U"取り込みませんでした。");
        return;
    }
    file_games(*plan, replace_differing);
}

void ExchangePresenter::mnuexport_games_Click() {
    if (modes_.busy()) return;
    hide_year_list();
    const std::filesystem::path chosen =
        services_.choose_save_file(kExportTitle, {U"CSV (*.csv)"}, "試合結果_" + season().disp_year + ".csv");
    if (chosen.empty()) return;
    const std::filesystem::path target = in_data_folder(chosen);
    const Status written = write_files_atomically(target.parent_path(), {{utf8_string(target.filename()), games_csv(season())}});
    if (!written) {
        services_.message(U"ファイルを保存できませんでした。\r\n" + from_utf8(utf8_string(chosen)) + U"\r\n\r\n" +
                              from_utf8(written.error().describe()),
                          U"Tevardin", Icon::exclamation);
        return;
    }
    status(U"試合結果を書き出しました：" + plain_num(exported_game_count(season())) + U"試合　" + from_utf8(utf8_string(target)));
}

}  // namespace tev::ui
