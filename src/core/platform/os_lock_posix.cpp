// The lock on POSIX systems: flock on a file of the user's runtime folder.
#include "core/platform/os_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace tev::os {

std::filesystem::path user_lock_folder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0')
        return std::filesystem::path(runtime) / "tevardin";
    return std::filesystem::temp_directory_path() / ("tevardin-" + std::to_string(::getuid()));
}

LockFile::~LockFile() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

int LockFile::open(const std::filesystem::path& path) {
    handle_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return handle_ < 0 ? errno : 0;
}

bool LockFile::try_lock() { return handle_ >= 0 && ::flock(static_cast<int>(handle_), LOCK_EX | LOCK_NB) == 0; }

}  // namespace tev::os
