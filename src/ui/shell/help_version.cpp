// The help menu: the help file and the version box (the dialog window it shares with the
// year-file search).
#include "ui/main_window.h"
#include "ui/shell/program_title.h"

namespace tev::ui {

namespace {

const Text kYears = U"1996-2026";

}  // namespace

void MainWindow::mnuHowUseItem_Click() {
    hide_year_list();
    status(Text());
    services_.open_help(dir_ / "TEVARDIN.HLP");
}

void MainWindow::mnuVerItem_Click() {
    if (entry_mode_ == 1) return;
    hide_year_list();
    version_ = 1;
    dialog_Form_Load();
    dialog_.visible = true;
}

void MainWindow::dialog_Form_Load() {
    const int mode = version_;
    version_ = 0;
    if (mode == 1) {
        dialog_.caption = U"ﾊﾞｰｼﾞｮﾝ情報";
        dialog_.at("Label1").text = kProgramTitle + U"\r\n\r\nプロ野球ペナントレース記録\r\n\r\n(C) " + kYears;
        return;
    }
    dialog_.caption = U"ﾃﾞｰﾀﾌｧｲﾙ登録";
    file_reference();  // the year-file search fills Label1
}

void MainWindow::dialog_Command1_Click() {
    status(Text());
    dialog_.visible = false;
    main_.at("Command7").focused = false;
}

}  // namespace tev::ui
