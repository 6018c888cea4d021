#include "core/settings/year_file.h"

namespace tev {

std::string existing_year_file(const std::filesystem::path& dir, const std::string& name) {
    std::error_code ec;
    if (std::filesystem::exists(dir / name, ec)) return name;
    const std::string ext = ".DAT";
    if (name.size() < ext.size() || name.compare(name.size() - ext.size(), ext.size(), ext) != 0)
        return name;
    const std::string lower = name.substr(0, name.size() - ext.size()) + ".dat";
    return std::filesystem::exists(dir / lower, ec) ? lower : name;
}

}  // namespace tev
