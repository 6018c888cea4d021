// The data files on Windows: CreateFileW on wide paths, FlushFileBuffers, and MoveFileExW with
// write-through, which puts the rename on the disk before it returns.
#include "core/platform/os_files.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "core/platform/last_error.h"
#include "core/platform/windows_handle.h"
#include "core/platform/utf8_path.h"

namespace tev::os {

namespace {

// Closes `handle` keeping the errno of the failure that made the caller give up.
void close_keeping_errno(HANDLE handle) {
    const int saved = errno;
    ::CloseHandle(handle);
    errno = saved;
}

// The errno value of the last error on `path`: Windows refuses a folder in the way of a file as
// access denied, which POSIX names as a folder.
int errno_for(const std::filesystem::path& path) {
    const int why = errno_of_last_error();
    std::error_code ec;
    if (why == EACCES && std::filesystem::is_directory(path, ec)) return EISDIR;
    return why;
}

// A file of the data folder as another program may have it open too (an editor, a viewer).
HANDLE open_file(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::optional<ReadFailure> read_whole_file(const std::filesystem::path& path, std::string& content) {
    const HANDLE file = open_file(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) return ReadFailure{ReadFailure::Step::open, errno_of_last_error()};
    content.clear();
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file, &size) && size.QuadPart > 0) content.resize(static_cast<std::size_t>(size.QuadPart) + 1);
    std::size_t used = 0;
    while (true) {
        if (used == content.size()) content.resize(std::max<std::size_t>(4096, content.size() * 2));
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(content.size() - used, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(file, content.data() + used, wanted, &got, nullptr)) {
            const int why = errno_of_last_error();
            ::CloseHandle(file);
            return ReadFailure{ReadFailure::Step::read, why};
        }
        if (got == 0) break;
        used += got;
    }
    ::CloseHandle(file);
    content.resize(used);
    return std::nullopt;
}

OutputFile::OutputFile(const std::filesystem::path& path) {
    const HANDLE file = open_file(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        errno = errno_for(path);
        return;
    }
    handle_ = held_handle(file);
}

OutputFile::~OutputFile() {
    if (is_open()) close_keeping_errno(as_handle(handle_));
}

long long OutputFile::write_some(const char* data, std::size_t size) {
    DWORD written = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!::WriteFile(as_handle(handle_), data, wanted, &written, nullptr)) {
        errno = errno_of_last_error();
        return -1;
    }
    return written;
}

bool OutputFile::flush_to_disk() {
    if (::FlushFileBuffers(as_handle(handle_))) return true;
    errno = errno_of_last_error();
    return false;
}

bool OutputFile::close() {
    const HANDLE file = as_handle(handle_);
    handle_ = kClosed;
    if (::CloseHandle(file)) return true;
    errno = errno_of_last_error();
    return false;
}

bool sync_folder(const std::filesystem::path&) {
    return true;  // the write-through rename has already put the folder's entry on the disk
}

bool replace_file(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    errno = errno_for(to);
    return false;
}

std::optional<std::string> stored_name(const std::filesystem::path& folder, const std::string& name) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder / utf8_path(name)).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    ::FindClose(search);
    return utf8_string(std::filesystem::path(found.cFileName));
}

bool remove_file(const std::filesystem::path& path) {
    if (::DeleteFileW(path.c_str())) return true;
    errno = errno_of_last_error();
    return false;
}

}  // namespace tev::os
