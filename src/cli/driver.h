// The headless driver tevardin-cli: starts the window program's model in a data folder, plays
// the events named on its command line on the controls of its windows, answers the dialogs from
// scripted queues, prints every dialog as a line and then the controls asked for. Its usage (the
// options, the events, the output lines and the exit statuses) is written once, in README.md,
// section "The headless driver `tevardin-cli`".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tev::cli {

// Runs the driver with `args` (without the program name), printing to `out` and `err`; returns
// the exit status: 0 normally, 1 when the program ended itself, 2 for a usage error.
int run_driver(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tev::cli
