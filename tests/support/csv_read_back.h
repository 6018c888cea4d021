// Reads a CSV text back with a standard CSV reader (Python's csv module, tests/support/csv_echo.py),
// so that export tests check the files as a spreadsheet's reader would take them.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

// Skips the test where Python cannot be started: the Windows build's tests run under Wine, and
// Python is the Linux machine's. The same exports are read back by the Linux run.
#ifdef _WIN32
#define TEVARDIN_NEEDS_PYTHON_READER() GTEST_SKIP() << "Python's csv reader runs beside the Linux build only"
#else
#define TEVARDIN_NEEDS_PYTHON_READER() static_cast<void>(0)
#endif

namespace tev::test {

// The records Python's csv module finds in `bytes`, as JSON; "python3 failed" when it could not run.
inline std::string read_back_with_python(const std::string& bytes) {
    TempDir tmp;
    spit(tmp / "t.csv", bytes);
    const std::string command = "python3 " TEVARDIN_TEST_SUPPORT "/csv_echo.py " + (tmp / "t.csv").string() +
                                " > " + (tmp / "out.json").string();
    if (std::system(command.c_str()) != 0) return "python3 failed";
    return slurp(tmp / "out.json");
}

}  // namespace tev::test
