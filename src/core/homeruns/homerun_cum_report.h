// The cumulative home-run lists (成績累計 under ホームラン) and a player's year-by-year detail,
// as the exact texts the window shows. The list reached from the menu has captions of its own;
// the league switch and the side switch give the list the captions of their own set.
#pragma once

#include <vector>

#include "core/homeruns/homerun_cum.h"
#include "core/homeruns/homerun_report.h"
#include "core/stats/report_pane.h"

namespace tev {

// How the list was reached: from the menu item (the Central batters) or from the switches.
enum class HrCumCaption { menu, switches };

// The cumulative list of `table` for `league` (1, 2, 3) and `side`, its caption chosen by `how`
// and `disp_size`, and the status text.
ReportPane homerun_cum_report(const HomerunCum& table, int league, HrSide side, HrCumCaption how,
                              int disp_size, const ClubNames& clubs = default_club_names());

// The keys of the rows the list of `league` shows, line by line.
std::vector<Text> homerun_cum_keys(const HomerunCum& table, int league);

// The year-by-year lines of the row with `key` (none when there is no such row), then the
// closing line.
std::vector<Text> homerun_year_lines(const HomerunCum& table, const Text& key);

}  // namespace tev
