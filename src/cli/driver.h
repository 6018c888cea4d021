// The headless driver: runs the window program's start-up in a data folder, plays events on
// its controls with scripted answers to its dialogs, and prints the controls asked for.
//
//   tevardin-cli [--dir DIR] [--screen WxH[L]] [--answer yes|no]... [--input TEXT]...
//                [--show NAME]... EVENT...
//
// EVENT is NAME or NAME:N (N: index within a control array, the line of a list pane counting
// from 1, or a scroll bar's new value); WINDOW.NAME names a control of another window (notice,
// dialog, graph, summary) and WINDOW.close its frame's close button. --show graph.drawing prints
// the graph's segments, one "x1 y1 x2 y2 RRGGBB W" line each.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tev::cli {

// Runs the driver with `args` (without the program name), printing to `out` and `err`; returns
// the exit status: 0 normally, 1 when the program ended itself, 2 for a usage error.
int run_driver(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tev::cli
