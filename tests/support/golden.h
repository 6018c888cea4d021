// Golden files: the expected lines of a report, verbatim (trailing blanks included), in UTF-8
// under tests/data. With TEVARDIN_UPDATE_GOLDEN=1 in the environment the files are rewritten
// from the actual output instead of compared, for reviewing the change with git diff.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/stats/report_pane.h"
#include "core/text/text.h"

namespace tev::test {

// Compares `lines` with the golden file `name` (relative to tests/data); on a difference the
// failure shows the first differing line of both.
::testing::AssertionResult matches_golden(const std::string& name, const std::vector<std::string>& lines);
::testing::AssertionResult matches_golden(const std::string& name, const std::vector<Text>& lines);

// A report pane as its golden file holds it: the caption's lines, "--", the list lines, "--",
// the status text.
std::vector<Text> pane_lines(const ReportPane& pane);

}  // namespace tev::test
