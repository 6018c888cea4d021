// TEMPORARY, for the parallel branches only; never on main. Each branch deletes the definitions
// it implements; the merge deletes this file.
#include "ui/main_window.h"

namespace tev::ui {

// --- home-run entry branch ---

// --- pitcher and home-run reports branch ---
void MainWindow::bind_pitchers() {}
void MainWindow::run_pitcher_rui() {}
void MainWindow::bind_homeruns() {}
void MainWindow::Command19_Click() {}
void MainWindow::run_homerun_rui() {}

// --- year-file branch ---

// --- topics branch ---

}  // namespace tev::ui
