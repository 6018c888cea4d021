// A club's season as a log: every game in playing order with the date, home or road, the rival,
// the score, the result, the pitchers of record and the save, the running record, and the club's
// place and games behind the leader at the end of that day.
#pragma once

#include "core/stats/report_pane.h"
#include "core/store/season.h"

namespace tev {

// The log of `team` (1..12): caption (title with the club's name, column header), one line per
// game, the closing line.
ReportPane game_log_report(const Season& season, int team);

}  // namespace tev
