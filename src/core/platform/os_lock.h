// A lock the system releases when the process ends, so that a crashed copy never leaves it
// stuck: an exclusive lock on a file of a per-user folder, taken without waiting. One source
// file per platform implements it (flock on POSIX, LockFileEx on Windows).
#pragma once

#include <filesystem>

namespace tev::os {

// The per-user folder for such lock files (it may not exist yet).
std::filesystem::path user_lock_folder();

class LockFile {
public:
    LockFile() = default;
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Opens `path`, creating it; 0, or the errno value of the failure.
    int open(const std::filesystem::path& path);
    // Takes the lock; false when another process holds it.
    bool try_lock();

private:
    long long handle_ = -1;  // a descriptor or a HANDLE, as the platform has it
};

}  // namespace tev::os
