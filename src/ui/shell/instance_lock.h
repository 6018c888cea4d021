// The single-instance guard: a per-user lock for one data folder, held for the life of the
// process. The system releases it when the process ends, so a crashed copy never leaves it
// stuck. Copies on different data folders do not block each other.
#pragma once

#include <filesystem>
#include <string>

#include "core/platform/os_lock.h"
#include "core/text/text.h"

namespace tev::ui {

class InstanceLock {
public:
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock for `data_dir`; false when another process holds it. A lock that cannot be
    // made at all (no writable runtime folder) does not stop the program: it counts as taken.
    bool acquire(const std::filesystem::path& data_dir);

    // Why the lock could not be made at all (the guard is then skipped), for the user's eyes;
    // empty when it was made.
    const std::string& unavailable_reason() const { return unavailable_; }

private:
    os::LockFile file_;
    std::string unavailable_;
};

// The message telling the user that a second copy on the same folder cannot be ruled out.
Text lock_unavailable_text(const std::string& reason);

}  // namespace tev::ui
