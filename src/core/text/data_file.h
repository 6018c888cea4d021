// The data files' item format: one record per line ending in CR LF, items separated by commas,
// strings in double quotes, integers as plain decimals, bytes in code page 932. The reader never
// trusts a file; the writer refuses what the format cannot hold, and a set of files is put in
// place all together or not at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/text/error.h"
#include "core/text/text.h"

namespace tev {

// One item of a line: a quoted string, or a bare token (a number) with its blanks trimmed.
struct Item {
    Text text;
    bool quoted = false;
};

using ItemLine = std::vector<Item>;

// The items of one decoded line; an unterminated quote or text after a closing quote is an
// error whose detail says so (the caller adds the file and line).
Result<ItemLine> parse_items(TextView line);

// One item of an ItemFile: a view into the file's decoded text, valid while the file lives.
struct ItemView {
    TextView text;
    bool quoted = false;
};

// A data file decoded in one pass, its items kept as places in the decoded text rather than as
// strings of their own, so that reading a file allocates a few buffers instead of one string
// per item.
class ItemFile {
public:
    // Number of lines.
    std::size_t size() const { return line_starts_.size() - 1; }
    // Number of items of line `line` (0-based).
    std::size_t items_in(std::size_t line) const { return line_starts_[line + 1] - line_starts_[line]; }
    // Item `k` of line `line` (both 0-based).
    ItemView item(std::size_t line, std::size_t k) const {
        const Span& s = spans_[line_starts_[line] + k];
        return ItemView{TextView(text_).substr(s.pos, s.len), s.quoted};
    }

    // Where an item lies in the decoded text.
    struct Span {
        std::uint32_t pos = 0;
        std::uint32_t len = 0;
        bool quoted = false;
    };

private:
    friend Result<ItemFile> items_of_bytes(std::string_view content, const std::string& name);

    Text text_;
    std::vector<Span> spans_;
    std::vector<std::uint32_t> line_starts_{0};  // line i's items are spans_[starts[i], starts[i+1])
};

// The data file `dir`/`name` decoded and split into items, with the errors of `read_item_file`.
Result<ItemFile> read_items(const std::filesystem::path& dir, const std::string& name);

// The bytes `content` of the data file `name` (for its errors) decoded and split into items,
// as `read_items` does once it has read them.
Result<ItemFile> items_of_bytes(std::string_view content, const std::string& name);

// Every line of the data file `dir`/`name`, split into items. Errors: `missing` when the file
// does not exist, `damaged` (with the 1-based line) for bytes that are not code page 932 or a
// line that does not parse. A last line ending in CR LF, and trailing empty lines or an end-of-
// file mark (0x1A) left by other programs, add no lines.
Result<std::vector<ItemLine>> read_item_file(const std::filesystem::path& dir,
                                             const std::string& name);

// The name under which the data file `name` exists in `dir`: `name` itself, else `name` with its
// extension in the other letter case (files handed out by other installations end in ".dat");
// `name` when neither exists. Writers keep their own names.
std::string name_on_disk(const std::filesystem::path& dir, const std::string& name);

// The whole file `dir`/`name` (or its other extension case) as bytes; `missing` when neither
// exists.
Result<std::string> read_file_bytes(const std::filesystem::path& dir, const std::string& name);

// Writes the lines of one data file. Each string is checked before it is written: a double
// quote or a character outside code page 932 makes the writer fail with `unencodable`, naming
// the line, and the file is then never written.
class ItemWriter {
public:
    explicit ItemWriter(std::string file_name) : file_(std::move(file_name)) {}

    ItemWriter& string(TextView text);
    ItemWriter& integer(long long value);
    // A bare item written as is (used for numbers printed with a sign blank).
    ItemWriter& bare(TextView text);
    void end_line();

    bool ok() const { return error_.detail.empty(); }
    const Error& error() const { return error_; }
    const std::string& file_name() const { return file_; }
    const std::string& bytes() const { return bytes_; }

private:
    void separate();

    std::string file_;
    std::string bytes_;
    int line_ = 1;
    bool line_started_ = false;
    Error error_;
};

// A file to be written: bare name and its whole content.
struct PendingFile {
    std::string name;
    std::string bytes;
};

// Writes every file to "NAME.tmp" in `dir`, flushes each to disk, then renames them over the
// real names, then flushes the folder so that the renames survive a power loss. When any file
// cannot be written, nothing is renamed, the temporaries are removed and the files already in
// place stay as they were. (A rename that fails after others succeeded leaves a mixed set: the
// save journal, core/store/save_journal.h, tells the next start to mend it.)
Status write_files_atomically(const std::filesystem::path& dir,
                              const std::vector<PendingFile>& files);

// Removes `dir`/`name` and puts the removal on the disk (fsync of the folder); success when
// the file was not there.
Status remove_file_durably(const std::filesystem::path& dir, const std::string& name);

// Removes every file of `names` that is in `dir`, then flushes the folder once. A removal that
// fails does not stop the others; the first failure is returned (and the folder not flushed).
Status remove_files_durably(const std::filesystem::path& dir, const std::vector<std::string>& names);

// The files of `writers` written together as above; a writer that failed fails the whole set
// before anything is written.
Status commit_writers(const std::filesystem::path& dir, const std::vector<const ItemWriter*>& writers);

}  // namespace tev
