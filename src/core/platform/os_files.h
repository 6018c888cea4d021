// The operating system's files as the data files use them: a whole file read at once, a file
// written and put on the disk, a rename over an existing file, and a folder's entries put on
// the disk. One source file per platform implements them; a failure comes back as an errno
// value (ENOENT, EACCES, ENOSPC, ...) on every platform, so that one set of messages names it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tev::os {

// Where reading a whole file failed, and why (an errno value).
struct ReadFailure {
    enum class Step { open, read } step;
    int why;
};

// Reads all of `path` into `content`; the failure, if any.
std::optional<ReadFailure> read_whole_file(const std::filesystem::path& path, std::string& content);

// A file being written, created or emptied when opened. Every call that fails returns false
// (or -1) and leaves errno set; the destructor closes a file still open without touching errno.
class OutputFile {
public:
    explicit OutputFile(const std::filesystem::path& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool is_open() const { return handle_ != kClosed; }
    // Writes up to `size` bytes; how many were written, or -1.
    long long write_some(const char* data, std::size_t size);
    // Puts what was written on the disk (not just in the system's cache).
    bool flush_to_disk();
    bool close();

private:
    static constexpr long long kClosed = -1;
    long long handle_ = kClosed;  // a descriptor or a HANDLE, as the platform has it
};

// Puts the entries of `folder` (renames, new files) on the disk. Where the system does that with
// the rename itself, there is nothing left to do.
bool sync_folder(const std::filesystem::path& folder);

// Renames `from` to `to`, replacing `to` in one step when it exists.
bool replace_file(const std::filesystem::path& from, const std::filesystem::path& to);

// The name under which `folder` stores the file that answers to `name` (which differs from
// `name` in case where the file system ignores case), or nothing when there is none.
std::optional<std::string> stored_name(const std::filesystem::path& folder, const std::string& name);

// Removes the file `path`.
bool remove_file(const std::filesystem::path& path);

}  // namespace tev::os
