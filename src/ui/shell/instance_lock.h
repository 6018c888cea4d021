// The single-instance guard: a per-user lock for one data folder, held for the life of the
// process. The system releases it when the process ends, so a crashed copy never leaves it
// stuck. Copies on different data folders do not block each other.
#pragma once

#include <filesystem>

namespace tev::ui {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock for `data_dir`; false when another process holds it. A lock that cannot be
    // made at all (no writable runtime folder) does not stop the program: it counts as taken.
    bool acquire(const std::filesystem::path& data_dir);

private:
    int fd_ = -1;
};

}  // namespace tev::ui
