// The modes of the main window that more than one subsystem reads: whether a game is being
// entered, whether the tables are being rebuilt, the state of the season's history, which report
// owns the report pane, and what holds the input panel. Each guard of a handler asks one of the
// named predicates below rather than recombining flags by hand.
#pragma once

#include "core/stats/standings_as_of.h"

namespace tev::ui {

// Which report the report pane holds, so that a click on one of its lines can be read.
enum class PaneReport {
    none, standings, meeting_status, streaks, scoring, standings_as_of, pitchers, home_runs,
    race,        // the pennant race table
    race_as_of,  // the race table as of the day the as-of calendar shows
    race_detail, // the expanded records or a club's game log: only the closing line answers
};

// The season's history as the window holds it.
enum class HistoryState {
    unread,    // no usable history file for the year yet (it is built before it is shown)
    building,  // the history is being rebuilt from the games: most commands wait
    ready,     // the history agrees with the games
    stale,     // the file ended early or was damaged: it is rebuilt from the games at once
};

// What a click in the year list does (set by the menu command that filled the list).
enum class YearOperation { none, new_year, read_year, delete_year };

struct Modes {
    bool entering = false;     // データ入力: the input panel composes a game
    bool rebuilding = false;   // the tables are being read or rebuilt: the keypad waits
    HistoryState history = HistoryState::unread;
    PaneReport pane = PaneReport::none;
    bool report_open = false;  // a report holds the window until 窓消去 (ﾃﾞｰﾀ参照, a menu list)
    bool record_list = false;  // a club's or the cumulative list from the 投手成績 or ホームラン menu
    bool inning_totals = false;  // 各回得点累計: the input panel shows inning totals
    bool date_mode = false;    // the game view's keypad picks a day instead of a meeting
    int shown_league = 0;      // whose games the game view shows: league 1 or 2, 3 interleague, 0 none yet
    AsOfDate as_of = as_of_opening();  // the day of the as-of calendar
    YearOperation year_list = YearOperation::none;

    bool history_building() const { return history == HistoryState::building; }

    // True while a rebuild of any kind runs.
    bool busy() const { return rebuilding || history_building(); }

    // The input panel is neither composing a game, nor held by a report, nor picking a day.
    bool panel_free() const { return !entering && !report_open && !date_mode && !inning_totals; }

    // A report or list from the menus may take the report pane and the panel now.
    bool can_open_report() const { return panel_free() && !busy(); }

    // The season's games or years may be changed now (entry, deletion, the year menus).
    bool can_change_season() const { return panel_free() && !history_building(); }

    // The pennant race reports may be shown (also over another report).
    bool can_show_race() const { return !entering && !busy() && !inning_totals && !date_mode; }

    // The as-of calendar steps the day of the report on display.
    bool as_of_calendar_up() const { return pane == PaneReport::standings_as_of || pane == PaneReport::race_as_of; }
};

}  // namespace tev::ui
