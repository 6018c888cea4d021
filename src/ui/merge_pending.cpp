// TEMPORARY, for the parallel branches only; never on main. Each branch deletes the definitions
// it implements; the merge deletes this file.
#include "ui/main_window.h"

namespace tev::ui {

// --- home-run entry branch ---
void MainWindow::bind_homerun_entry() {}
void MainWindow::homerun_entry_file() {}
void MainWindow::run_homerun_make() {}

// --- pitcher and home-run reports branch ---

// --- history branch ---
void MainWindow::bind_history() {}

// --- year-file branch ---
void MainWindow::bind_years() {}

// --- topics branch ---
void MainWindow::bind_topics() {}

}  // namespace tev::ui
