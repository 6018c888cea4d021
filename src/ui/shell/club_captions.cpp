// Putting the season's club names into every caption that shows one.
#include "ui/shell/club_captions.h"

#include "core/text/fixed_width.h"
#include "ui/main_window.h"

namespace tev::ui {

void MainWindow::show_club_names() {
    const ClubNames& clubs = season_->clubs;
    for (int team = 1; team <= 12; ++team) {
        main_.at(kHomerunClubItems[team - 1]).caption = clubs.form(ClubForm::hr_menu, team);
        main_.at(kPitcherClubItems[team - 1]).caption = clubs.form(ClubForm::pitcher_menu, team);
    }
    for (std::size_t f = 0; f < kClubOptionArrays.size(); ++f)
        for (Control* option : main_.array(kClubOptionArrays[f]))
            option->caption = clubs.form(ClubForm::option, (f < 2 ? 1 : 7) + option->index);
    for (Control* item : main_.array("mnulog")) item->caption = trim_right(clubs.team_name(item->index));
}

}  // namespace tev::ui
