// ﾃﾞｰﾀﾌｧｲﾙ登録: the shared dialog window opens in its year-file search mode, registers every year
// whose game file lies in the folder but is not registered yet, and says how many it added.
#include <algorithm>

#include "core/settings/settings.h"
#include "core/years/year_files.h"
#include "ui/years/years_presenter.h"
#include "ui/shell/program_title.h"

namespace tev::ui {

void YearsPresenter::mnudat_add_Click() {
    if (modes_.entering || modes_.date_mode || modes_.history_building()) return;
    hide_year_list();
    modes_.year_list = YearOperation::none;
    dialog_.caption = U"ﾃﾞｰﾀﾌｧｲﾙ登録";
    register_year_files();  // fills Label1
    dialog_.visible = true;
}

void YearsPresenter::register_year_files() {
    const std::vector<std::string> registered = registered_years(document_.settings().rec_year);
    int added = 0;
    for (const std::string& year : years_with_game_file(document_.dir(), last_offered_year(services_.now().year))) {
        if (std::find(registered.begin(), registered.end(), year) != registered.end()) continue;
        document_.settings().rec_year = rec_year_with(document_.settings().rec_year, year);
        ++added;
    }
    if (added > 0) {
        document_.remember_settings();
        document_.registered_years_changed();
    }
    dialog_.at("Label1").text = file_reference_text(kProgramTitle, added);
}

}  // namespace tev::ui
