#include "core/store/save_journal.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "core/text/data_file.h"
#include "core/platform/utf8_path.h"

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

// FNV-1a: enough to tell whether a file holds the bytes a save wrote.
std::uint64_t digest_of(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::optional<std::string> bytes_on_disk(const fs::path& dir, const std::string& name) {
    auto bytes = read_file_bytes(dir, name);
    if (!bytes) return std::nullopt;
    return std::move(*bytes);
}

// The marker's text after its first line, for a rebuild that holds a put-back:
// "put_back", the commit point's name, its digest, the first file's name, then "absent" or
// "present" followed by the first file's old bytes to the end.
std::string put_back_text(const PutBack& p) {
    std::string text = "put_back\r\n" + p.commit_point + "\r\n" + std::to_string(p.commit_digest) + "\r\n" + p.name + "\r\n";
    if (!p.bytes) return text + "absent\r\n";
    return text + "present\r\n" + *p.bytes;
}

// Cuts the next CR LF line off `rest`; false when there is none.
bool next_line(std::string_view& rest, std::string& line) {
    const std::size_t end = rest.find("\r\n");
    if (end == std::string_view::npos) return false;
    line.assign(rest.substr(0, end));
    rest.remove_prefix(end + 2);
    return true;
}

std::optional<PutBack> put_back_of(std::string_view marker) {
    std::string kind, tag, digest, presence;
    PutBack p;
    if (!next_line(marker, kind) || !next_line(marker, tag) || tag != "put_back") return std::nullopt;
    if (!next_line(marker, p.commit_point) || !next_line(marker, digest) || !next_line(marker, p.name) ||
        !next_line(marker, presence))
        return std::nullopt;
    const auto [end, fault] = std::from_chars(digest.data(), digest.data() + digest.size(), p.commit_digest);
    if (digest.empty() || fault != std::errc() || end != digest.data() + digest.size()) return std::nullopt;
    if (presence == "present") p.bytes = std::string(marker);
    else if (presence != "absent") return std::nullopt;
    return p;
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
    error.file = utf8_string(dir);
    return error;
}

Status hold_put_back(const fs::path& dir, const std::string& year, const PendingFile& first,
                     const PendingFile& commit_point) {
    PutBack p{commit_point.name, digest_of(commit_point.bytes), first.name, bytes_on_disk(dir, first.name)};
    if (!p.bytes) {
        // Only a file that is not there may be put back as "absent".
        if (auto read = read_file_bytes(dir, first.name); !read && read.error().kind != ErrorKind::missing)
            return read.error();
    }
    if (p.bytes == first.bytes || bytes_on_disk(dir, commit_point.name) == commit_point.bytes) return ok_status();
    return write_files_atomically(dir, {{save_marker_name(year), std::string(kind_word(SaveKind::rebuild)) + "\r\n" + put_back_text(p)}});
}

Status apply_put_back(const fs::path& dir, const PutBack& p) {
    const std::optional<std::string> commit_point = bytes_on_disk(dir, p.commit_point);
    if (commit_point && digest_of(*commit_point) == p.commit_digest) return ok_status();
    if (p.bytes) return write_files_atomically(dir, {{p.name, *p.bytes}});
    return remove_file_durably(dir, name_on_disk(dir, p.name));
}

Status end_save(const fs::path& dir, const std::string& year) {
    return remove_file_durably(dir, save_marker_name(year));
}

std::optional<PendingSave> pending_save(const fs::path& dir, const std::string& year) {
    std::error_code ec;
    const fs::path marker = dir / save_marker_name(year);
    if (!fs::exists(marker, ec)) return std::nullopt;
    auto bytes = read_file_bytes(dir, save_marker_name(year));
    if (!bytes) return PendingSave{year, SaveKind::rebuild, std::nullopt};
    const SaveKind kind = kind_of(*bytes);
    return PendingSave{year, kind, kind == SaveKind::rebuild ? put_back_of(*bytes) : std::nullopt};
}

std::vector<PendingSave> pending_saves(const fs::path& dir) {
    std::vector<PendingSave> found;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = utf8_string(entry.path().filename());
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
