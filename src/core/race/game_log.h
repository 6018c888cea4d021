// A club's season as a log: every game in playing order with the date, home or road, the rival,
// the score, the result, the pitchers of record and the save, the running record, the club's
// place (by its league's rules) and games behind the leader at the end of that day, and its
// pennant magic number while one is shown: the day it was lit (点灯), went out (消滅) and was lit
// again (再点灯), and the day the pennant was won.
#pragma once

#include <optional>

#include "core/race/league_rules.h"
#include "core/stats/report_pane.h"
#include "core/store/season.h"

namespace tev {

// The log of `team` (1..12): caption (title with the club's name, column header), one line per
// game, the closing line.
// `previous`: the places of the year before, where it is registered.
ReportPane game_log_report(const Season& season, int team, const std::optional<LeaguePlaces>& previous = std::nullopt);

}  // namespace tev
