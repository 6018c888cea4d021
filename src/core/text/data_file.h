// The data files' item format: one record per line ending in CR LF, items separated by commas,
// strings in double quotes, integers as plain decimals, bytes in code page 932. The reader never
// trusts a file; the writer refuses what the format cannot hold, and a set of files is put in
// place all together or not at all.
#pragma once

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

// The files of `writers` written together as above; a writer that failed fails the whole set
// before anything is written.
Status commit_writers(const std::filesystem::path& dir, const std::vector<const ItemWriter*>& writers);

}  // namespace tev
