#include "ui/shell/instance_lock.h"

#include "core/platform/os_lock.h"
#include "core/text/error.h"
#include "core/text/file_seam.h"
#include "core/platform/utf8_path.h"
#include <functional>
#include <string>

namespace tev::ui {

bool InstanceLock::acquire(const std::filesystem::path& data_dir) {
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(data_dir, ec), ec);
    const auto folder = os::user_lock_folder();
    if (const int fault = at_file_point(FilePoint::before_make_folder, folder); fault != 0) {
        ec = std::error_code(fault, std::generic_category());
    } else {
        std::filesystem::create_directories(folder, ec);
    }
    if (ec) {
        unavailable_ = utf8_string(folder) + ": " + write_failure_reason(ec.value());
        return true;
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
    const auto name = std::to_string(std::hash<std::string>{}(utf8_string(canonical))) + ".lock";
    if (const int why = file_.open(folder / name); why != 0) {
        unavailable_ = utf8_string(folder / name) + ": " + write_failure_reason(why);
        return true;
    }
    return file_.try_lock();
}

Text lock_unavailable_text(const std::string& reason) {
    return U"二重起動を確かめるためのロックを作れませんでした。\r\n"
           U"同じデータフォルダで2つのTevardinを同時に使わないで下さい。\r\n\r\n" +
           from_utf8(reason);
}

}  // namespace tev::ui
