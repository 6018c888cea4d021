// The report panes and the status line, as every subsystem uses them: a report filled into List4
// (caption Label7) or List1 (caption Label6), a detail list in List2, the closing line, the
// report buttons, the league choice of the record lists, the year list's hiding, the as-of
// calendar's day, and the status line with the events let run. It is also the season document's
// listener, so that the rebuild chains speak in the status line and through the services.
#pragma once

#include <string>
#include <vector>

#include "core/stats/report_pane.h"
#include "ui/app/document_listener.h"
#include "ui/app/drawn_report.h"
#include "ui/app/input_panel.h"
#include "ui/app/modes.h"
#include "ui/shell/services.h"
#include "ui/window.h"

namespace tev::ui {

class PaneHost : public DocumentListener {
public:
    PaneHost(Window& main, Services& services, Modes& modes, InputPanel& panel)
        : main_(main), services_(services), modes_(modes), panel_(panel) {}

    void progress(const Text& status, bool let_events_run) override;
    void tell(const Text& message) override;

    void status(const Text& text);
    // Lets pending window events run, the status line as it is.
    void pump();

    // The display-size mode of the layout check (0 large, 1 small fonts, 2 large fonts at 1024):
    // the reports' column headers follow it.
    int display_size() const { return display_size_; }
    void set_display_size(int size) { display_size_ = size; }

    // The report last drawn into a list pane, for saving it as a table.
    const DrawnReport& drawn() const { return drawn_; }

    // Fills `list` and its caption `label` with `pane`; its status hint goes to the status line.
    void fill_report(const std::string& list, const std::string& label, const ReportPane& pane, Color caption_color);
    // The report in List4 (or List1), the other panes hidden; `view` now owns the pane.
    void show_list4_report(const ReportPane& pane, PaneReport view);
    void show_list1_report(const ReportPane& pane, Color caption_color, PaneReport view);
    // A detail list over the report (List2).
    void show_detail(const std::vector<Text>& lines);
    // True (and the pane hidden) when the line clicked in `list` is its closing line.
    bool close_line_clicked(const std::string& list);

    // The keypad and month buttons back in their plain captions and colours.
    void restore_keypad();
    void paint_report_buttons(bool usable);
    // The record lists' league choice (Option6) usable with `index` selected, or not usable.
    void enable_league_choice(int index);
    void disable_league_choice();
    // A club's or the cumulative list holds the window until 窓消去, as ﾃﾞｰﾀ参照 does.
    void open_record_view();

    // The year list (List3) hidden again, its pending operation forgotten.
    void hide_year_list();

    // Steps the as-of day by a keypad key (-1: none) or a month button (0: none); false when the
    // day did not change.
    bool step_as_of(int command4_index, int month);

private:
    Window& main_;
    Services& services_;
    Modes& modes_;
    InputPanel& panel_;
    int display_size_ = 0;
    DrawnReport drawn_;
};

}  // namespace tev::ui
