// The data files on POSIX systems: open, read, write, fsync and rename.
#include "core/platform/os_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tev::os {

namespace {

// Closes `fd` keeping the errno of the failure that made the caller give up.
void close_keeping_errno(int fd) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
}

}  // namespace

std::optional<ReadFailure> read_whole_file(const std::filesystem::path& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ReadFailure{ReadFailure::Step::open, errno};
    // One read of the size the file has, then on until the end in case it grew meanwhile. The
    // byte of room past the size lets the read that finds the end see it without the buffer
    // being doubled first (a copy of the whole file into fresh pages).
    struct stat info {};
    content.clear();
    if (::fstat(fd, &info) == 0 && info.st_size > 0) content.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    while (true) {
        if (used == content.size()) content.resize(std::max<std::size_t>(4096, content.size() * 2));
        const ssize_t n = ::read(fd, content.data() + used, content.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int why = errno;
            ::close(fd);
            return ReadFailure{ReadFailure::Step::read, why};
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    content.resize(used);
    return std::nullopt;
}

OutputFile::OutputFile(const std::filesystem::path& path)
    : handle_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {}

OutputFile::~OutputFile() {
    if (is_open()) close_keeping_errno(static_cast<int>(handle_));
}

long long OutputFile::write_some(const char* data, std::size_t size) {
    while (true) {
        const ssize_t n = ::write(static_cast<int>(handle_), data, size);
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

bool OutputFile::flush_to_disk() { return ::fsync(static_cast<int>(handle_)) == 0; }

bool OutputFile::close() {
    const int fd = static_cast<int>(handle_);
    handle_ = kClosed;
    return ::close(fd) == 0;
}

bool sync_folder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    if (::fsync(fd) != 0) {
        close_keeping_errno(fd);
        return false;
    }
    ::close(fd);
    return true;
}

bool replace_file(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

std::optional<std::string> stored_name(const std::filesystem::path& folder, const std::string& name) {
    std::error_code ec;
    if (!std::filesystem::exists(folder / name, ec)) return std::nullopt;
    return name;  // the file systems here tell case apart: the name answers only to itself
}

bool remove_file(const std::filesystem::path& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace tev::os
