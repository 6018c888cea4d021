// The cumulative pitcher lists (成績累計 under 投手成績) and a pitcher's year-by-year detail,
// as the exact texts the window shows.
#pragma once

#include <vector>

#include "core/pitchers/pitcher_cum.h"
#include "core/stats/report_pane.h"
#include "core/store/club_names.h"

namespace tev {

// The cumulative list of `league` (1 Central: clubs 1..6, 2 Pacific: 7..12, 3 both: every row)
// with its caption and the status text saying which list is shown.
ReportPane pitcher_cum_report(const PitcherCum& table, int league, int disp_size, const ClubNames& clubs = default_club_names());

// The keys of the rows the list of `league` shows, line by line.
std::vector<Text> pitcher_cum_keys(const PitcherCum& table, int league);

// The year-by-year lines of the row with `key` (none when there is no such row), then the
// closing line.
std::vector<Text> pitcher_year_lines(const PitcherCum& table, const Text& key);

// True when the row with this key belongs to the list of `league`.
bool key_in_league(const Text& key, int league);

}  // namespace tev
