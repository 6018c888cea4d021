#include "core/store/save_journal.h"

#include <algorithm>
#include <cctype>

#include "core/text/data_file.h"

namespace tev {

namespace fs = std::filesystem;

namespace {

const std::string kPrefix = "Tevardin_";
const std::string kSuffix = ".SAV";

const char* kind_word(SaveKind kind) {
    switch (kind) {
        case SaveKind::rebuild: return "rebuild";
        case SaveKind::new_year: return "new_year";
        case SaveKind::delete_year: return "delete_year";
    }
    return "rebuild";
}

SaveKind kind_of(const std::string& bytes) {
    if (bytes.rfind("new_year", 0) == 0) return SaveKind::new_year;
    if (bytes.rfind("delete_year", 0) == 0) return SaveKind::delete_year;
    return SaveKind::rebuild;
}

bool four_digits(const std::string& s) {
    return s.size() == 4 && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

std::string save_marker_name(const std::string& year) { return kPrefix + year + kSuffix; }

Status begin_save(const fs::path& dir, const std::string& year, SaveKind kind) {
    Status written = write_files_atomically(dir, {{save_marker_name(year), std::string(kind_word(kind)) + "\r\n"}});
    if (written.ok()) return written;
    // The marker is the save's first write and a file the user never meets: what failed is the
    // folder, so the message names it.
    Error error = written.error();
    error.file = dir.string();
    return error;
}

Status end_save(const fs::path& dir, const std::string& year) {
    return remove_file_durably(dir, save_marker_name(year));
}

std::optional<PendingSave> pending_save(const fs::path& dir, const std::string& year) {
    std::error_code ec;
    const fs::path marker = dir / save_marker_name(year);
    if (!fs::exists(marker, ec)) return std::nullopt;
    auto bytes = read_file_bytes(dir, save_marker_name(year));
    return PendingSave{year, bytes ? kind_of(*bytes) : SaveKind::rebuild};
}

std::vector<PendingSave> pending_saves(const fs::path& dir) {
    std::vector<PendingSave> found;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != kPrefix.size() + 4 + kSuffix.size()) continue;
        if (name.rfind(kPrefix, 0) != 0 || name.substr(name.size() - kSuffix.size()) != kSuffix) continue;
        const std::string year = name.substr(kPrefix.size(), 4);
        if (!four_digits(year)) continue;
        if (auto save = pending_save(dir, year)) found.push_back(*save);
    }
    std::sort(found.begin(), found.end(), [](const PendingSave& a, const PendingSave& b) { return a.year < b.year; });
    return found;
}

}  // namespace tev
