#include <cctype>

#include "core/text/data_file.h"
#include "ui/share/share_presenter.h"
#include "ui/share/pane_export.h"
#include "core/platform/utf8_path.h"

namespace tev::ui {

namespace {

const char* const kShareMenus[] = {"mnuSavePane", "mnuPrintPane", "mnuPdfPane"};

bool has_extension(const std::filesystem::path& file, const char* extension) {
    std::string ext = utf8_string(file.extension());
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == extension;
}

}  // namespace

void SharePresenter::bind() {
    on_click("mnuSavePane", [this](int) { mnuSavePane_Click(); });
    on_click("mnuPrintPane", [this](int) { mnuPrintPane_Click(); });
    on_click("mnuPdfPane", [this](int) { mnuPdfPane_Click(); });
    for (Window* window : windows_.all()) window->after_event([this] { refresh_share_menus(); });
    refresh_share_menus();
}

void SharePresenter::refresh_share_menus() {
    const bool on_display = shown_pane(main_, panes_.drawn()).has_value();
    for (const char* name : kShareMenus) main_.at(name).enabled = on_display;
}

void SharePresenter::tell_not_saved(const Text& what, const std::filesystem::path& file, const std::string& why) {
    Text text = what + U"\r\n" + from_utf8(utf8_string(file));
    if (!why.empty()) text += U"\r\n\r\n" + from_utf8(why);
    services_.message(text, U"Tevardin", Icon::exclamation);
}

void SharePresenter::mnuSavePane_Click() {
    const auto pane = shown_pane(main_, panes_.drawn());
    if (!pane) return;
    const std::filesystem::path file = services_.choose_save_file(
        U"表示中の表を保存", {U"CSV (*.csv)", U"テキスト (*.txt)"}, suggested_file_name(*pane, season().disp_year, ".csv"));
    if (file.empty()) return;
    // A text file keeps the pane as it looks; anything else is the table a spreadsheet opens.
    const std::string bytes = has_extension(file, ".txt") ? pane_text(*pane) : pane_csv(*pane);
    // A name without a folder (the driver's) is in the data folder.
    const std::filesystem::path target = file.is_absolute() ? file : document_.dir() / file;
    const std::filesystem::path folder = target.parent_path();
    const Status written = write_files_atomically(folder, {{utf8_string(target.filename()), bytes}});
    if (!written.ok()) return tell_not_saved(U"ファイルを保存できませんでした。", file, written.error().describe());
    status(saved_status(target));
}

PanePage SharePresenter::page_of(const ShownPane& pane) const {
    PanePage page = pane_page(pane);
    page.heading = page_heading(season().disp_year, modes_.as_of_calendar_up() ? std::optional(modes_.as_of) : std::nullopt);
    return page;
}

void SharePresenter::mnuPrintPane_Click() {
    if (const auto pane = shown_pane(main_, panes_.drawn())) services_.print_page(page_of(*pane));
}

void SharePresenter::mnuPdfPane_Click() {
    const auto pane = shown_pane(main_, panes_.drawn());
    if (!pane) return;
    const std::filesystem::path file =
        services_.choose_save_file(U"PDFに保存", {U"PDF (*.pdf)"}, suggested_file_name(*pane, season().disp_year, ".pdf"));
    if (file.empty()) return;
    const std::filesystem::path target = file.is_absolute() ? file : document_.dir() / file;
    if (!services_.write_pdf(page_of(*pane), target)) return tell_not_saved(U"PDFを保存できませんでした。", file, "");
    status(saved_status(target));
}

}  // namespace tev::ui
