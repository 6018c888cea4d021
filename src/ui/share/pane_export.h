// Saving the pane on display as a table: the CSV of the main window's list pane List4, cut at the
// columns of the report it holds. Only reports that describe their columns can be saved.
#pragma once

#include <optional>
#include <string>

#include "ui/main_window.h"

namespace tev::ui {

// The CSV bytes of List4's report; nothing when List4 holds no report with known columns.
std::optional<std::string> list4_csv(MainWindow& window);

}  // namespace tev::ui
