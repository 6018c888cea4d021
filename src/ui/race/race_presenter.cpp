#include "core/race/club_records.h"
#include "core/race/game_log.h"
#include "core/race/league_rules.h"
#include "core/race/meetings.h"
#include "core/race/race_table.h"
#include "core/stats/interleague_ranking.h"
#include "core/stats/interleague_table.h"
#include "core/store/teams.h"
#include "ui/race/race_presenter.h"

namespace tev::ui {

void RacePresenter::bind() {
    on_click("mnurace", [this](int) { mnurace_Click(); });
    on_click("mnurace_rec", [this](int) { mnurace_rec_Click(); });
    on_click("mnukouryu", [this](int) { mnukouryu_Click(); });
    on_click("mnulog", [this](int team) { mnulog_Click(team); });
    main_.claim("List4", Event::click, [this](int) { return race_line_click(main_.at("List4").list_index + 1); });
    // While the race table follows the as-of calendar, the keypad and month buttons step its day.
    claim_as_of_calendar(PaneReport::race_as_of, [this] { show_race_as_of(); });
}

void RacePresenter::open_race_view(const ReportPane& pane, PaneReport view) {
    // Outside ﾃﾞｰﾀ参照 the report holds the window until 窓消去, as a pitcher list does.
    if (!modes_.report_open) panes_.open_record_view();
    panes_.show_list4_report(pane, view);
}

void RacePresenter::mnurace_Click() {
    if (modes_.as_of_calendar_up()) {
        // The calendar stays: its day buttons now step the race table's day.
        modes_.pane = PaneReport::race_as_of;
        return show_race_as_of();
    }
    if (!modes_.can_show_race()) return;
    hide_year_list();
    open_race_view(race_report(season(), meetings_per_pair(season()), std::nullopt, previous_places()), PaneReport::race);
}

void RacePresenter::show_race_as_of() {
    panes_.fill_report("List4", "Label7", race_report(season(), meetings_per_pair(season()), modes_.as_of, previous_places()),
                       kRed);
}

void RacePresenter::mnurace_rec_Click() {
    if (!modes_.can_show_race()) return;
    hide_year_list();
    open_race_view(club_records_report(season()), PaneReport::race_detail);
}

void RacePresenter::mnukouryu_Click() {
    if (!modes_.can_show_race()) return;
    hide_year_list();
    const std::unique_ptr<Season> previous = document_.previous_season();
    // That year's own ties are parted without going further back.
    std::optional<InterleaguePlaces> places;
    if (previous) places = interleague_places(*previous, std::nullopt);
    open_race_view(interleague_report(season(), places), PaneReport::race_detail);
}

void RacePresenter::mnulog_Click(int team) {
    if (!modes_.can_show_race() || team < 1 || team > kTeamCount) return;
    hide_year_list();
    open_race_view(game_log_report(season(), team, previous_places()), PaneReport::race_detail);
}

std::optional<LeaguePlaces> RacePresenter::previous_places() const {
    const std::unique_ptr<Season> previous = document_.previous_season();
    if (!previous) return std::nullopt;
    return final_places(*previous);
}

bool RacePresenter::race_line_click(int line) {
    if (modes_.pane != PaneReport::race && modes_.pane != PaneReport::race_as_of) return false;
    if (const auto team = race_line_team(main_.at("List4").lines, line, season().clubs))
        open_race_view(game_log_report(season(), *team, previous_places()), PaneReport::race_detail);
    return true;
}

}  // namespace tev::ui
