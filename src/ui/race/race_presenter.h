// The pennant race reports under データ操作: the race table (also as of the day the 指定日成績
// calendar shows, when chosen while that calendar is up), the expanded records, the interleague
// table (交流戦成績) and a club's game log, from the menu or from a club's line of the race table. They fill List4 as the team
// reports do and close as they do: the closing line, or 窓消去.
#pragma once

#include <optional>

#include "core/race/league_rules.h"
#include "core/stats/report_pane.h"
#include "ui/app/presenter.h"

namespace tev::ui {

class RacePresenter : public Presenter {
public:
    explicit RacePresenter(const Context& context) : Presenter(context) {}

    void bind() override;

private:
    void mnurace_Click();
    void mnurace_rec_Click();
    void mnukouryu_Click();
    void mnulog_Click(int team);
    void open_race_view(const ReportPane& pane, PaneReport view);
    void show_race_as_of();
    bool race_line_click(int line);
    // The places of the year before, where it is registered: the rules' last step.
    std::optional<LeaguePlaces> previous_places() const;
};

}  // namespace tev::ui
