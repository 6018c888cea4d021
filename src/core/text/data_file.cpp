#include "core/text/data_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>

#include "core/platform/os_files.h"
#include "core/platform/utf8_path.h"
#include "core/text/cp932.h"
#include "core/text/file_seam.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace fs = std::filesystem;

namespace {

using Spans = std::vector<ItemFile::Span>;

bool is_item_blank(char32_t c) { return c == U' ' || c == U'\t'; }

// Appends the items of the line text[begin, end) to `out`; the detail of the fault, or nullptr
// when the line parses. A line of blanks alone holds no item.
const char* parse_line(TextView text, std::size_t begin, std::size_t end, Spans& out) {
    std::size_t first = begin;
    while (first < end && is_blank(text[first])) ++first;
    if (first == end) return nullptr;
    std::size_t i = begin;
    const auto skip_blanks = [&] {
        while (i < end && is_item_blank(text[i])) ++i;
    };
    const auto span = [](std::size_t pos, std::size_t len, bool quoted) {
        return ItemFile::Span{static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(len), quoted};
    };
    while (true) {
        skip_blanks();
        if (i < end && text[i] == U'"') {
            std::size_t close = i + 1;
            while (close < end && text[close] != U'"') ++close;
            if (close == end) return "引用符が閉じていません";
            out.push_back(span(i + 1, close - i - 1, true));
            i = close + 1;
            skip_blanks();
            if (i < end && text[i] != U',') return "引用符の後に余分な文字があります";
        } else {
            std::size_t comma = i;
            while (comma < end && text[comma] != U',') ++comma;
            std::size_t b = i, e = comma;  // a bare item loses its blanks of either kind
            while (b < e && is_blank(text[b])) ++b;
            while (e > b && is_blank(text[e - 1])) --e;
            out.push_back(span(b, e - b, false));
            i = comma;
        }
        if (i >= end) break;
        ++i;  // the comma
    }
    return nullptr;
}

}  // namespace

Result<ItemLine> parse_items(TextView line) {
    Spans spans;
    if (const char* fault = parse_line(line, 0, line.size(), spans))
        return Error{ErrorKind::damaged, "", 0, fault};
    ItemLine items;
    items.reserve(spans.size());
    for (const ItemFile::Span& s : spans) items.push_back(Item{Text(line.substr(s.pos, s.len)), s.quoted});
    return items;
}

std::string name_on_disk(const fs::path& dir, const std::string& name) {
    if (auto stored = os::stored_name(dir, name)) return *stored;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return name;
    for (const bool upper : {false, true}) {
        std::string other = name;
        for (std::size_t i = dot + 1; i < other.size(); ++i)
            other[i] = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(other[i]))
                                               : std::tolower(static_cast<unsigned char>(other[i])));
        if (other == name) continue;
        if (auto stored = os::stored_name(dir, other)) return *stored;
    }
    return name;
}

Result<std::string> read_file_bytes(const fs::path& dir, const std::string& name) {
    const fs::path path = dir / utf8_path(name_on_disk(dir, name));
    std::error_code ec;
    if (!fs::exists(path, ec)) return Error{ErrorKind::missing, name, 0, "ファイルがありません"};
    if (fs::is_directory(path, ec)) return Error{ErrorKind::damaged, name, 0, "同じ名前のフォルダがあります"};
    if (const int fault = at_file_point(FilePoint::before_open_read, path); fault != 0)
        return Error{ErrorKind::damaged, name, 0, "ファイルを開けません（" + read_failure_reason(fault) + "）"};
    std::string content;
    if (const auto failure = os::read_whole_file(path, content)) {
        if (failure->step == os::ReadFailure::Step::read) return Error{ErrorKind::damaged, name, 0, "ファイルを読めません"};
        if (failure->why == ENOENT) return Error{ErrorKind::missing, name, 0, "ファイルがありません"};
        return Error{ErrorKind::damaged, name, 0, "ファイルを開けません（" + read_failure_reason(failure->why) + "）"};
    }
    return content;
}

namespace {

// The raw lines of `bytes`: split at LF with a CR before it dropped; a final line ending, an
// end-of-file mark and trailing empty lines add nothing.
std::vector<std::string_view> split_lines(std::string_view bytes) {
    while (!bytes.empty() && bytes.back() == '\x1a') bytes.remove_suffix(1);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t lf = bytes.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = lf == std::string_view::npos ? bytes.size() : lf + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace

namespace {

// The first fault of `bytes` line by line, as a file read line by line meets it: a line that is
// not code page 932 or that does not parse. Only a file that failed to decode whole comes here.
Error first_fault(std::string_view bytes, const std::string& name) {
    int number = 0;
    for (std::string_view raw : split_lines(bytes)) {
        ++number;
        auto text = decode_cp932(raw);
        if (!text) return Error{ErrorKind::damaged, name, number, "シフトJISとして読めない文字があります"};
        auto items = parse_items(*text);
        if (!items) return Error{ErrorKind::damaged, name, number, items.error().detail};
    }
    return Error{ErrorKind::damaged, name, 0, "シフトJISとして読めない文字があります"};
}

}  // namespace

Result<ItemFile> read_items(const fs::path& dir, const std::string& wanted) {
    const std::string name = name_on_disk(dir, wanted);  // errors name the file the user has
    auto bytes = read_file_bytes(dir, name);
    if (!bytes) return bytes.error();
    return items_of_bytes(*bytes, name);
}

Result<ItemFile> items_of_bytes(std::string_view content, const std::string& name) {
    while (!content.empty() && content.back() == '\x1a') content.remove_suffix(1);
    // Line ends and item separators are single bytes that never occur inside a two-byte
    // character, so the whole file decodes at once and splits afterwards.
    auto text = decode_cp932(content);
    if (!text) return first_fault(content, name);
    ItemFile file;
    file.text_ = std::move(*text);
    const TextView all = file.text_;
    file.spans_.reserve(all.size() / 8);
    std::size_t start = 0;
    std::size_t kept_lines = 0, kept_spans = 0;  // up to the last line that is not empty
    int number = 0;
    while (start < all.size()) {
        const std::size_t lf = all.find(U'\n', start);
        const std::size_t stop = lf == TextView::npos ? all.size() : lf;
        const std::size_t end = stop > start && all[stop - 1] == U'\r' ? stop - 1 : stop;
        ++number;
        if (const char* fault = parse_line(all, start, end, file.spans_))
            return Error{ErrorKind::damaged, name, number, fault};
        file.line_starts_.push_back(static_cast<std::uint32_t>(file.spans_.size()));
        if (end > start) {
            kept_lines = file.line_starts_.size();
            kept_spans = file.spans_.size();
        }
        start = lf == TextView::npos ? all.size() : lf + 1;
    }
    // Trailing empty lines add nothing.
    file.line_starts_.resize(std::max<std::size_t>(kept_lines, 1));
    file.spans_.resize(kept_spans);
    return file;
}

Result<std::vector<ItemLine>> read_item_file(const fs::path& dir, const std::string& wanted) {
    auto file = read_items(dir, wanted);
    if (!file) return file.error();
    std::vector<ItemLine> lines(file->size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].reserve(file->items_in(i));
        for (std::size_t k = 0; k < file->items_in(i); ++k) {
            const ItemView item = file->item(i, k);
            lines[i].push_back(Item{Text(item.text), item.quoted});
        }
    }
    return lines;
}

void ItemWriter::separate() {
    if (line_started_) bytes_ += ',';
    line_started_ = true;
}

ItemWriter& ItemWriter::string(TextView text) {
    separate();
    if (!ok()) return *this;
    if (text.find(U'"') != TextView::npos) {
        error_ = Error{ErrorKind::unencodable, file_, line_, "文字列に二重引用符（\"）が含まれています"};
        return *this;
    }
    auto encoded = encode_cp932(text);
    if (!encoded) {
        error_ = Error{ErrorKind::unencodable, file_, line_,
                       "シフトJISで保存できない文字が含まれています"};
        return *this;
    }
    bytes_ += '"';
    bytes_ += *encoded;
    bytes_ += '"';
    return *this;
}

ItemWriter& ItemWriter::integer(long long value) {
    separate();
    bytes_ += std::to_string(value);
    return *this;
}

ItemWriter& ItemWriter::bare(TextView text) {
    separate();
    for (char32_t c : text) bytes_ += static_cast<char>(c < 0x80 ? c : '?');
    return *this;
}

void ItemWriter::end_line() {
    bytes_ += "\r\n";
    line_started_ = false;
    ++line_;
}

namespace {

std::string system_reason() { return write_failure_reason(errno); }

// The seam's answer before a step: true when the step may go ahead, else false with errno set.
bool seam_allows(FilePoint point, const fs::path& path) {
    if (const int fault = at_file_point(point, path); fault != 0) {
        errno = fault;
        return false;
    }
    return true;
}

// Writes bytes [from, to) of `bytes` to `file`; false (errno set) when a write fails.
bool write_range(os::OutputFile& file, const fs::path& path, const std::string& bytes, std::size_t from, std::size_t to) {
    while (from < to) {
        if (!seam_allows(FilePoint::before_write, path)) return false;
        const long long n = file.write_some(bytes.data() + from, to - from);
        if (n < 0) return false;
        from += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes `bytes` to `path`, flushed to the disk; false (errno set) when anything fails. Written
// in two halves so that a test can stop the program in the middle of a file.
bool write_and_sync(const fs::path& path, const std::string& bytes) {
    if (!seam_allows(FilePoint::before_open_write, path)) return false;
    os::OutputFile file(path);
    if (!file.is_open()) return false;
    const std::size_t half = bytes.size() / 2;
    if (!write_range(file, path, bytes, 0, half)) return false;
    at_file_point(FilePoint::half_written, path);
    if (!write_range(file, path, bytes, half, bytes.size())) return false;
    at_file_point(FilePoint::flushed, path);
    if (recording_file_steps()) record_file_step({FileStep::Kind::write, path, {}, bytes});
    if (!file.flush_to_disk()) return false;
    record_file_step({FileStep::Kind::sync, path, {}, {}});
    at_file_point(FilePoint::synced, path);
    return file.close();
}

// Puts the folder's entries (renames, removals) on the disk; false (errno set) when it fails.
bool sync_directory(const fs::path& dir) {
    const fs::path folder = dir.empty() ? fs::path(".") : dir;
    if (!os::sync_folder(folder)) return false;
    record_file_step({FileStep::Kind::sync_folder, folder, {}, {}});
    at_file_point(FilePoint::folder_synced, folder);
    return true;
}

bool rename_over(const fs::path& from, const fs::path& to) {
    if (!seam_allows(FilePoint::before_rename, to)) return false;
    if (!os::replace_file(from, to)) return false;
    record_file_step({FileStep::Kind::rename, from, to, {}});
    at_file_point(FilePoint::renamed, to);
    return true;
}

}  // namespace

Status write_files_atomically(const fs::path& dir, const std::vector<PendingFile>& files) {
    std::vector<fs::path> written;
    for (const PendingFile& file : files) {
        const fs::path temp = dir / utf8_path(file.name + ".tmp");
        if (!write_and_sync(temp, file.bytes)) {
            Error error{ErrorKind::write_failed, file.name, 0, system_reason()};
            std::error_code ec;
            fs::remove(temp, ec);
            for (const fs::path& done : written) fs::remove(done, ec);
            return error;
        }
        written.push_back(temp);
    }
    // A folder in a file's place would stop the renames half-way: refuse before the first one.
    for (const PendingFile& file : files) {
        std::error_code ec;
        if (fs::is_directory(dir / utf8_path(file.name), ec)) {
            for (const fs::path& done : written) fs::remove(done, ec);
            return Error{ErrorKind::write_failed, file.name, 0, write_failure_reason(EISDIR)};
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!rename_over(written[i], dir / utf8_path(files[i].name))) {
            Error error{ErrorKind::write_failed, files[i].name, 0, system_reason()};
            std::error_code ec;
            for (std::size_t k = i; k < written.size(); ++k) fs::remove(written[k], ec);
            return error;
        }
    }
    // Until the folder is on the disk the renames may still be undone by a power loss.
    if (!sync_directory(dir)) return Error{ErrorKind::write_failed, files.empty() ? "" : files.back().name, 0, system_reason()};
    return ok_status();
}

Status remove_files_durably(const fs::path& dir, const std::vector<std::string>& names) {
    std::optional<Error> first_failure;
    bool removed_any = false;
    for (const std::string& name : names) {
        const fs::path path = dir / utf8_path(name);
        std::error_code ec;
        if (!fs::exists(path, ec)) continue;
        removed_any = true;
        if (!seam_allows(FilePoint::before_remove, path) || !os::remove_file(path)) {
            if (!first_failure) first_failure = Error{ErrorKind::write_failed, name, 0, system_reason()};
            continue;
        }
        record_file_step({FileStep::Kind::remove, path, {}, {}});
        at_file_point(FilePoint::removed, path);
    }
    if (first_failure) return *first_failure;
    if (!removed_any) return ok_status();
    if (!sync_directory(dir)) return Error{ErrorKind::write_failed, names.back(), 0, system_reason()};
    return ok_status();
}

Status remove_file_durably(const fs::path& dir, const std::string& name) {
    return remove_files_durably(dir, {name});
}

Status commit_writers(const fs::path& dir, const std::vector<const ItemWriter*>& writers) {
    std::vector<PendingFile> files;
    for (const ItemWriter* writer : writers) {
        if (!writer->ok()) return writer->error();
        files.push_back({writer->file_name(), writer->bytes()});
    }
    return write_files_atomically(dir, files);
}

}  // namespace tev
