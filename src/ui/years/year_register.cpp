// ﾃﾞｰﾀﾌｧｲﾙ登録: the shared dialog window opens in its year-file search mode, registers every year
// whose game file lies in the folder but is not registered yet, and says how many it added.
#include <algorithm>

#include "core/settings/settings.h"
#include "core/years/year_files.h"
#include "ui/main_window.h"
#include "ui/shell/program_title.h"

namespace tev::ui {

void MainWindow::mnudat_add_Click() {
    if (entry_mode_ == 1 || view_.date_mode == 1 || history_state_ == 1) return;
    hide_year_list();
    years_.pending = YearOperation::none;
    version_ = 0;
    dialog_Form_Load();
    dialog_.visible = true;
}

void MainWindow::file_reference() {
    const std::vector<std::string> registered = registered_years(settings_.rec_year);
    int added = 0;
    for (const std::string& year : years_with_game_file(dir_, last_offered_year(services_.now().year))) {
        if (std::find(registered.begin(), registered.end(), year) != registered.end()) continue;
        settings_.rec_year = rec_year_with(settings_.rec_year, year);
        ++added;
    }
    if (added > 0) {
        remember_settings();
        registered_years_changed();
    }
    dialog_.at("Label1").text = file_reference_text(kProgramTitle, added);
}

}  // namespace tev::ui
