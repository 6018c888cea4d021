// The errno value that names the last Windows error, so that the messages written for POSIX
// errors name Windows failures too.
#pragma once

namespace tev::os {

int errno_of_last_error();

}  // namespace tev::os
