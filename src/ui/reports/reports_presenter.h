// The team reports reached through ﾃﾞｰﾀ参照: the standings, head-to-head, meeting status, monthly,
// streaks, scores and standings as of a chosen day, each in a report pane, with the details a
// click on a line opens; the inning totals shown in the input panel (各回得点累計); and 窓消去,
// which closes whatever report holds the window.
#pragma once

#include <string>

#include "core/stats/standings.h"
#include "ui/app/presenter.h"

namespace tev::ui {

class ReportsPresenter : public Presenter {
public:
    explicit ReportsPresenter(const Context& context) : Presenter(context) {}

    void bind() override;

private:
    // Standings and closing (standings_view.cpp).
    void Command9_Click();
    void Command7_Click();
    bool List4_Click(int line);
    bool List1_Click();

    // The other team reports (team_reports.cpp).
    void Command10_Click();
    void Command13_Click();
    void Command15_Click();
    void Command5_Click();
    void Command14_Click();
    void Command17_Click();
    void Command6_Click();
    void Command16_Click();
    void show_standings_as_of();
    void mnukaiten_Click();
    void show_inning_totals(int team);

    LeagueTable central_as_of_{}, pacific_as_of_{};
};

}  // namespace tev::ui
