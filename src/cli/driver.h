// The headless driver: runs the window program's start-up in a data folder, plays events on
// its controls with scripted answers to its dialogs, and prints the controls asked for.
//
//   tevardin-cli [--dir DIR] [--screen WxH[L]] [--answer yes|no]... [--input TEXT]...
//                [--show NAME]... [--save-as FILE]... [--export NAME FILE]... EVENT...
//
// EVENT is NAME or NAME:N (N: index within a control array, the line of a list pane counting
// from 1, or a scroll bar's new value); WINDOW.NAME names a control of another window (notice,
// dialog, graph, summary) and WINDOW.close its frame's close button. --show graph.drawing prints
// the graph's segments, one "x1 y1 x2 y2 RRGGBB W" line each.
//
// --export NAME FILE, after the events, writes the list pane NAME (List4, List1, ...) as shown:
// FILE.txt holds its caption and lines in UTF-8; FILE.csv its table (UTF-8 with a byte-order
// mark), cut at the report's columns, or one field per line for a report without columns. A
// pane that is not on display is refused (status 1). --save-as FILE answers the next save dialog
// (a relative name is in the data folder); without one the dialog is cancelled. A PDF cannot
// be drawn without the window program: the driver's PDF always fails.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tev::cli {

// Runs the driver with `args` (without the program name), printing to `out` and `err`; returns
// the exit status: 0 normally, 1 when the program ended itself, 2 for a usage error.
int run_driver(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tev::cli
