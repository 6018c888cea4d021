#include "ui/shell/user_data_folder.h"

#include "core/platform/os_process.h"
#include "core/platform/utf8_path.h"

#include <system_error>

namespace tev::ui {

namespace fs = std::filesystem;

namespace {

bool is_absolute_folder_name(const char* value) {
    return value != nullptr && *value != '\0' && fs::path(value).is_absolute();
}

Error folder_error(const fs::path& where, const std::error_code& ec, const char* what) {
    return make_error(ErrorKind::write_failed, utf8_string(where), 0,
                      std::string(what) + ": " + write_failure_reason(ec.value()));
}

}  // namespace

fs::path user_data_folder(const char* xdg_data_home, const char* home) {
    if (const fs::path desktop = os::desktop_data_home(); !desktop.empty()) return desktop / "Tevardin";
    // An unset or relative XDG_DATA_HOME is to be ignored, the base directory rules say.
    if (is_absolute_folder_name(xdg_data_home)) return fs::path(xdg_data_home) / "tevardin";
    if (is_absolute_folder_name(home)) return fs::path(home) / ".local" / "share" / "tevardin";
    return {};
}

fs::path shipped_data_folder(const fs::path& program_file, const char* override_dir) {
    if (override_dir != nullptr && *override_dir != '\0') return fs::path(override_dir);
    return (program_file.parent_path() / ".." / "share" / "tevardin" / "data").lexically_normal();
}

Status seed_user_data(const fs::path& shipped, const fs::path& target) {
    std::error_code ec;
    fs::create_directories(target, ec);
    if (ec) return folder_error(target, ec, "データフォルダを作成できません");
    if (!fs::is_directory(shipped, ec)) return ok_status();
    for (const fs::directory_entry& entry : fs::directory_iterator(shipped, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const fs::path destination = target / entry.path().filename();
        // The user's own file stays; a copy never goes over it. (Asked first: some standard
        // libraries report a skipped file as a failure.)
        if (fs::exists(destination, ec)) continue;
        fs::copy_file(entry.path(), destination, fs::copy_options::skip_existing, ec);
        if (ec) return folder_error(destination, ec, "データファイルを複写できません");
    }
    if (ec) return folder_error(shipped, ec, "出荷データを読めません");
    return ok_status();
}

Status seed_new_folder(const fs::path& shipped, const fs::path& target) {
    std::error_code ec;
    const bool exists = fs::exists(target, ec);
    if (ec) return folder_error(target, ec, "データフォルダを調べられません");
    if (exists && !(fs::is_directory(target, ec) && fs::is_empty(target, ec))) return ok_status();
    if (ec) return folder_error(target, ec, "データフォルダを調べられません");
    return seed_user_data(shipped, target);
}

}  // namespace tev::ui
