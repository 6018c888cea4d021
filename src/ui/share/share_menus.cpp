// The ファイル menu's items for taking the pane on display away: saved as a table (CSV) or as
// text, printed, or saved as a PDF. They can be used only while a report pane is on display;
// the dialogs, the printer and the PDF are the services' business.
#include <cctype>

#include "core/text/data_file.h"
#include "ui/main_window.h"
#include "ui/share/pane_export.h"

namespace tev::ui {

namespace {

const char* const kShareMenus[] = {"mnuSavePane", "mnuPrintPane", "mnuPdfPane"};

bool has_extension(const std::filesystem::path& file, const char* extension) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == extension;
}

}  // namespace

void MainWindow::bind_share() {
    main_.on("mnuSavePane", Event::click, [this](int) { mnuSavePane_Click(); });
    main_.on("mnuPrintPane", Event::click, [this](int) { mnuPrintPane_Click(); });
    main_.on("mnuPdfPane", Event::click, [this](int) { mnuPdfPane_Click(); });
    for (Window* window : windows()) window->after_event([this] { refresh_share_menus(); });
    refresh_share_menus();
}

void MainWindow::refresh_share_menus() {
    const bool on_display = shown_pane(*this).has_value();
    for (const char* name : kShareMenus) main_.at(name).enabled = on_display;
}

void MainWindow::tell_not_saved(const Text& what, const std::filesystem::path& file, const std::string& why) {
    Text text = what + U"\r\n" + from_utf8(file.string());
    if (!why.empty()) text += U"\r\n\r\n" + from_utf8(why);
    services_.message(text, U"Tevardin", Icon::exclamation);
}

void MainWindow::mnuSavePane_Click() {
    const auto pane = shown_pane(*this);
    if (!pane) return;
    const std::filesystem::path file =
        services_.choose_save_file(U"表示中の表を保存", {U"CSV (*.csv)", U"テキスト (*.txt)"});
    if (file.empty()) return;
    // A text file keeps the pane as it looks; anything else is the table a spreadsheet opens.
    const std::string bytes = has_extension(file, ".txt") ? pane_text(*pane) : pane_csv(*pane);
    // A name without a folder (the driver's) is in the data folder.
    const std::filesystem::path target = file.is_absolute() ? file : dir_ / file;
    const std::filesystem::path folder = target.parent_path();
    const Status written = write_files_atomically(folder, {{target.filename().string(), bytes}});
    if (!written.ok()) tell_not_saved(U"ファイルを保存できませんでした。", file, written.error().describe());
}

void MainWindow::mnuPrintPane_Click() {
    if (const auto pane = shown_pane(*this)) services_.print_page(pane_page(*pane));
}

void MainWindow::mnuPdfPane_Click() {
    const auto pane = shown_pane(*this);
    if (!pane) return;
    const std::filesystem::path file = services_.choose_save_file(U"PDFに保存", {U"PDF (*.pdf)"});
    if (file.empty()) return;
    const std::filesystem::path target = file.is_absolute() ? file : dir_ / file;
    if (!services_.write_pdf(pane_page(*pane), target)) tell_not_saved(U"PDFを保存できませんでした。", file, "");
}

}  // namespace tev::ui
