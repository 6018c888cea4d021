// The standings report in List4, closing the reports with 窓消去, and the club game list opened
// from a club's line.
#include "core/stats/detail_lines.h"
#include "core/stats/match_details.h"
#include "core/stats/score_list.h"
#include "core/stats/standings_report.h"
#include "core/stats/stored_games.h"
#include "core/store/teams.h"
#include "ui/reports/reports_presenter.h"

namespace tev::ui {

void ReportsPresenter::bind() {
    on_click("Command9", [this](int) { Command9_Click(); });
    on_click("Command7", [this](int) { Command7_Click(); });
    on_click("Command10", [this](int) { Command10_Click(); });
    on_click("Command13", [this](int) { Command13_Click(); });
    on_click("Command15", [this](int) { Command15_Click(); });
    on_click("Command5", [this](int) { Command5_Click(); });
    on_click("Command14", [this](int) { Command14_Click(); });
    on_click("Command17", [this](int) { Command17_Click(); });
    on_click("Command6", [this](int) { Command6_Click(); });
    on_click("Command16", [this](int) { Command16_Click(); });
    on_click("mnukaiten", [this](int) { mnukaiten_Click(); });
    main_.claim("List4", Event::click, [this](int) { return List4_Click(main_.at("List4").list_index + 1); });
    main_.claim("List1", Event::click, [this](int) { return List1_Click(); });
    // The inning totals take the club buttons; the as-of calendar the keypad and month buttons.
    for (const char* name : {"Option1", "Option2", "Option4", "Option5"})
        main_.claim(name, Event::click, [this, name](int i) {
            if (!modes_.inning_totals) return false;
            show_inning_totals(i + (std::string(name) == "Option4" ? 7 : 1));
            return true;
        });
    claim_as_of_calendar(PaneReport::standings_as_of, [this] { show_standings_as_of(); });
}

void ReportsPresenter::Command9_Click() {
    ReportPane pane;
    pane.status = U"チーム名をクリックすると詳細が表示されます。" + score_alone_note(season(), U"観客数");
    pane.caption = standings_title() + kLineBreak + standings_header(panes_.display_size());
    pane.lines = standings_lines(document_.standings(1), document_.standings(2), season().disp_year, season().clubs);
    pane.table = standings_table();
    panes_.show_list4_report(pane, PaneReport::standings);
}

void ReportsPresenter::Command7_Click() {
    if (modes_.inning_totals) {
        modes_.inning_totals = false;
        for (Control* c : main_.array("Option3")) c->visible = true;
        panel_.clear_boxes();
    }
    panes_.restore_keypad();
    for (const char* name : {"List1", "List2", "List4", "Label6", "Label7", "Command19"}) main_.at(name).visible = false;
    main_.at("List1").extra_height = 0;  // the topics page's lengthening goes with it
    panes_.disable_league_choice();
    modes_.pane = PaneReport::none;
    panes_.paint_report_buttons(false);
    Control& data = main_.at("Command11");
    data.enabled = true;
    data.back_color = kHighlight;
    data.focused = true;
    main_.at("Command7").focused = false;
    for (Control* key : main_.array("Command4")) key->back_color = key->index >= 1 && key->index <= 31 ? kHighlight : kDefaultColor;
    main_.at("Command3").back_color = kHighlight;
    modes_.report_open = false;
    modes_.record_list = false;
    // The report's hint in the status line goes with the report; the record lists forget their
    // views and the game view comes back with the game last shown.
    status(Text());
    hooks_.views_closed();
}

bool ReportsPresenter::List4_Click(int line) {
    if (modes_.pane == PaneReport::none || panes_.close_line_clicked("List4")) return true;
    // The race table answers its own lines.
    if (modes_.pane == PaneReport::race || modes_.pane == PaneReport::race_as_of) return false;
    std::optional<std::vector<Text>> detail;
    if (modes_.pane == PaneReport::standings) {
        if (const auto team = standings_line_club(line, document_.standings(1), document_.standings(2))) detail = club_game_lines(season(), *team);
    } else if (modes_.pane == PaneReport::standings_as_of) {
        detail = as_of_line_click(season(), line, central_as_of_, pacific_as_of_, modes_.as_of);
    } else if (modes_.pane == PaneReport::meeting_status) {
        if (const auto pick = meeting_status_click(line, main_.at("List4").lines, season().clubs))
            detail = meeting_detail_lines(season(), pick->club, pick->rival);
    }
    if (detail) panes_.show_detail(*detail);
    return true;
}

bool ReportsPresenter::List1_Click() {
    if (panes_.close_line_clicked("List1")) return true;
    // The pitcher and home-run lists answer their own lines.
    if (modes_.pane != PaneReport::scoring) return false;
    const Control& list1 = main_.at("List1");
    if (const auto entry = score_line_click(list1.list_index + 1, season().score_list))
        panes_.show_detail(score_detail_lines(season(), season().score_list[*entry - 1]));
    return true;
}


}  // namespace tev::ui
