// Setting an environment variable of the test process on every platform.
#pragma once

namespace tev::test {

// Sets `name` to `value`, or removes it when `value` is nullptr.
void set_environment(const char* name, const char* value);

}  // namespace tev::test
