// The team reports reached through ﾃﾞｰﾀ参照: head-to-head, meeting status, monthly, streaks,
// scores and standings as of a chosen day, and the inning totals shown in the input panel.
#include "core/stats/head_to_head_report.h"
#include "core/stats/monthly_report.h"
#include "core/stats/score_list.h"
#include "core/stats/stored_games.h"
#include "core/stats/streaks_report.h"
#include "core/stats/detail_lines.h"
#include "ui/reports/reports_presenter.h"

namespace tev::ui {

void ReportsPresenter::Command10_Click() {
    panes_.show_list4_report(vs_record_report(document_.tallies(), document_.standings(1), document_.standings(2),
                                              season().disp_year, panes_.display_size(), season().clubs),
                             PaneReport::none);
}

void ReportsPresenter::Command13_Click() {
    panes_.show_list4_report(vs_pct_report(document_.tallies(), document_.standings(1), document_.standings(2),
                                           season().disp_year, panes_.display_size(), season().clubs),
                             PaneReport::none);
}

void ReportsPresenter::Command15_Click() {
    panes_.show_list4_report(meeting_status_report(season(), panes_.display_size()), PaneReport::meeting_status);
}

void ReportsPresenter::Command5_Click() { panes_.show_list4_report(monthly_record_report(document_.tallies(), panes_.display_size(), season().clubs), PaneReport::none); }

void ReportsPresenter::Command14_Click() { panes_.show_list4_report(monthly_pct_report(document_.tallies(), panes_.display_size(), season().clubs), PaneReport::none); }

void ReportsPresenter::Command17_Click() {
    panes_.show_list1_report(streaks_report(document_.streaks(), season().clubs), kRed, PaneReport::streaks);
}

void ReportsPresenter::Command6_Click() { panes_.show_list1_report(score_list_report(season().score_list), kOrange, PaneReport::scoring); }

void ReportsPresenter::Command16_Click() {
    modes_.as_of = as_of_opening();
    for (const char* name : {"List2", "List1", "List4", "Command19", "Label6"}) main_.at(name).visible = false;
    panes_.restore_keypad();
    panel_.set_colors({"Command4", "Command2"}, kHighlight);
    Control& minus = main_.at("Command4", 0);
    Control& plus = main_.at("Command4", 32);
    minus.caption = U"－";
    plus.caption = U"＋";
    minus.fore_color = plus.fore_color = kRed;
    modes_.pane = PaneReport::standings_as_of;
    show_standings_as_of();
}

void ReportsPresenter::show_standings_as_of() {
    central_as_of_ = build_standings_as_of(season(), 1, 6, modes_.as_of);
    pacific_as_of_ = build_standings_as_of(season(), 7, 12, modes_.as_of);
    panes_.fill_report("List4", "Label7",
                       standings_as_of_report(central_as_of_, pacific_as_of_, season().disp_year, modes_.as_of,
                                    panes_.display_size(), season().clubs),
                       kRed);
}


void ReportsPresenter::mnukaiten_Click() {
    if (!modes_.panel_free()) return;
    hide_year_list();
    status(U"ただいまデータ集計中");
    pump();
    panel_.clear_boxes();
    modes_.inning_totals = true;
    modes_.report_open = true;
    Control& data = main_.at("Command11");
    data.enabled = false;
    data.back_color = kDefaultColor;
    Control& close = main_.at("Command7");
    close.enabled = true;
    close.back_color = kHighlight;
    for (Control* c : main_.array("Option3")) c->visible = false;
    main_.at("Text12").text = U"先攻時";
    main_.at("Text13").text = U"後攻時";
    for (const char* name : {"Option1", "Option4"})
        for (Control* c : main_.array(name)) c->enabled = true;
    show_inning_totals(1);
    status(score_alone_note(season(), U"各回の得点"));
}

void ReportsPresenter::show_inning_totals(int team) {
    select_option("Option1", team <= 6 ? team - 1 : -1);
    select_option("Option4", team > 6 ? team - 7 : -1);
    main_.at("Text4").text = inning_title(team, season().clubs);
    const auto first = inning_boxes(document_.inning_totals(), team, true);
    const auto second = inning_boxes(document_.inning_totals(), team, false);
    const auto first_boxes = main_.array("Text6");
    const auto second_boxes = main_.array("Text15");
    for (int i = 0; i < kInnings; ++i) {
        first_boxes[i]->text = first[i];
        second_boxes[i]->text = second[i];
        first_boxes[i]->fore_color = second_boxes[i]->fore_color = kBlack;
    }
}

}  // namespace tev::ui
