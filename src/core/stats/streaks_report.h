// The streaks report (連勝.連敗) of List1: for every club its three longest winning and losing
// streak lengths with how often each occurred, under a caption in Label6.
#pragma once

#include "core/stats/report_pane.h"
#include "core/stats/streaks.h"
#include "core/store/club_names.h"

namespace tev {

// Label6's caption (an empty line, then the title) and 48 lines, four per team 1..12: the three
// ranked entries (the club's name on the first only) and an empty line. Text1 is left as it is.
ReportPane streaks_report(const Streaks& streaks, const ClubNames& clubs = default_club_names());

}  // namespace tev
