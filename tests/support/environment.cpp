#include "support/environment.h"

#include <cstdlib>

namespace tev::test {

void set_environment(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value == nullptr ? "" : value);  // an empty value removes it on Windows
#else
    if (value == nullptr)
        ::unsetenv(name);
    else
        ::setenv(name, value, 1);
#endif
}

}  // namespace tev::test
