// The two monthly reports of List4, both leagues in one list, teams in team order: wins, losses
// and draws per month (月別勝敗) and the winning percentage per month (月別勝率), in seven
// columns: March and April together, then May to October. They read the monthly tallies only.
#pragma once

#include "core/stats/report_pane.h"
#include "core/stats/tallies.h"
#include "core/store/club_names.h"

namespace tev {

// The month header for layout mode `disp_size` (0..2), the caption's second line.
Text monthly_header(int disp_size);

// A month's percentage cell: seven blanks for a month without games, "0.0000" for draws only or
// no win, "1.0000" without a loss, else the double-precision quotient cut to four decimals.
Text month_pct_cell(const Tally& tally);

// The columns of a 月別勝敗 row: the club and its seven months.
const ReportColumns& monthly_record_columns();

// 月別勝敗: status, caption and 15 lines (a line of one blank, six Central rows, an empty line, a
// line of one blank, six Pacific rows).
ReportPane monthly_record_report(const TeamTallies& tallies, int disp_size, const ClubNames& clubs = default_club_names());

// 月別勝率: status, caption and 15 lines (an empty line, six Central rows, two empty lines, six
// Pacific rows).
ReportPane monthly_pct_report(const TeamTallies& tallies, int disp_size, const ClubNames& clubs = default_club_names());

}  // namespace tev
