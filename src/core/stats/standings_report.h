// The standings report: a two-line caption and 14 fixed-width lines (an empty line, the six
// Central clubs, an empty line, the six Pacific clubs) with rank, club, record, percentage,
// runs, run difference, averages per game and home attendance.
#pragma once

#include <string>
#include <vector>

#include "core/stats/standings.h"
#include "core/store/club_names.h"
#include "core/text/report_columns.h"

namespace tev {

// The report's title line.
Text standings_title();

// The column header for the layout mode `disp_size` (0, 1 or 2).
Text standings_header(int disp_size);

// Runs per game cut (not rounded) to two decimals in five characters (" 4.00", " 4.50",
// " 10.5"); "  0.00" (six characters, the whole cell) when no game was played.
Text average_cell(int runs, int games);

// The columns of a club's line, in order; the pane's lines and their export both follow them.
const ReportColumns& standings_columns();

// The table of the both-leagues standings for an export: its columns and each row's league.
ReportTable standings_table();

// The 14 lines of the report.
std::vector<Text> standings_lines(const LeagueTable& central, const LeagueTable& pacific,
                                  const std::string& disp_year, const ClubNames& clubs = default_club_names());

// The ranks of a league table's rows in order: competition ranks on equal percentage text, and
// in the Central League of 2001 on equal percentage and wins.
std::array<int, 6> standings_ranks(const LeagueTable& table, bool wins_matter);

}  // namespace tev
