// The lock on Windows: LockFileEx on a file of the user's temporary folder (which is the
// user's own on Windows).
#include "core/platform/os_lock.h"

#include <windows.h>


#include "core/platform/last_error.h"
#include "core/platform/windows_handle.h"

namespace tev::os {

std::filesystem::path user_lock_folder() { return std::filesystem::temp_directory_path() / "tevardin"; }

LockFile::~LockFile() {
    if (handle_ != -1) ::CloseHandle(as_handle(handle_));
}

int LockFile::open(const std::filesystem::path& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return errno_of_last_error();
    handle_ = held_handle(file);
    return 0;
}

bool LockFile::try_lock() {
    if (handle_ == -1) return false;
    OVERLAPPED whole{};
    return ::LockFileEx(as_handle(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                        &whole) != 0;
}

}  // namespace tev::os
