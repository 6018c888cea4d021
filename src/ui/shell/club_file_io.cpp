// The year's club file: read with the season (never trusted: a file that cannot be used is told
// and the default names hold, the file itself left alone) and written with the year's save.
#include <filesystem>

#include "core/store/club_file.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::read_year_clubs() {
    const std::string name = club_file_name(season_->disp_year);
    const auto read = read_club_file(dir_, name);
    club_file_refused_ = !read;
    season_->clubs = read ? read->value_or(default_club_names()) : default_club_names();
    show_club_names();
    if (read) return;
    services_.message(U"球団名設定ファイル " + from_utf8(name) + U" が正しくないため、元の球団名を使います。\r\n\r\n" +
                      from_utf8(read.error().describe()));
}

std::optional<ItemWriter> MainWindow::club_file_to_write() const {
    const std::string name = club_file_name(season_->disp_year);
    if (club_file_refused_) return std::nullopt;  // the user's file stays as it is
    std::error_code ec;
    // A year that keeps the default names stays a year any installation reads as it always did.
    if (season_->clubs == default_club_names() && !std::filesystem::exists(dir_ / name_on_disk(dir_, name), ec))
        return std::nullopt;
    return club_file_writer(season_->clubs, name);
}

}  // namespace tev::ui
