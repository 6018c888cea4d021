// Paths and UTF-8: the program keeps every name as UTF-8 text, and a path meets the system
// only at its edge (wide characters on Windows). These two convert without going through the
// system's narrow code page, which on Windows is not UTF-8 and cannot hold every name.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tev {

// `path` as UTF-8 text.
inline std::string utf8_string(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The path named by the UTF-8 text `text`.
inline std::filesystem::path utf8_path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace tev
