#include "ui/shell/file_patterns.h"
#include "core/platform/utf8_path.h"

#include <cctype>

namespace tev::ui {

bool matches_pattern(const std::string& name, const std::string& pattern) {
    std::size_t n = 0, p = 0, star = std::string::npos, resume = 0;
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

int delete_matching_files(const std::filesystem::path& dir, const std::string& pattern) {
    int deleted = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        if (!matches_pattern(utf8_string(entry.path().filename()), pattern)) continue;
        if (std::filesystem::remove(entry.path(), ec)) ++deleted;
    }
    return deleted;
}

}  // namespace tev::ui
