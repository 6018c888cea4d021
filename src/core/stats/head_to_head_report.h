// The three head-to-head reports of List4: the win-loss grid (対戦別勝敗), the percentage grid
// (対戦別勝率), each a 6 x 6 grid per league with the club's rank from the standings, and the
// meeting status (対戦状況), one mark per meeting for every club and rival. In a season with
// interleague play (交流戦) each grid row also holds the club's record against the other league,
// before its rank, and each club's block of the meeting status a line of its interleague games.
#pragma once

#include <array>
#include <string>

#include "core/stats/report_pane.h"
#include "core/stats/standings.h"
#include "core/stats/tallies.h"
#include "core/store/club_names.h"

namespace tev {

// The name that begins a club's interleague line in the meeting status, five characters wide
// as the clubs' names are.
inline constexpr const char32_t* kInterleagueLineName = U"交流戦　　";

// The rank of each club in a league table (index = club number 1..6; index 0 unused), by the
// standings report's rule: shared on equal percentage, and on equal wins too when `wins_matter`.
std::array<int, 7> club_ranks(const LeagueTable& table, bool wins_matter);

// The column header of a grid report for `league` (1 or 2) in layout mode `disp_size` (0..2);
// `percentages` selects the percentage grid's header (it differs for the Pacific League in 1).
// Clubs named otherwise than by default get a header of their graph names, nine columns each.
Text vs_grid_header(int league, int disp_size, bool percentages, const ClubNames& clubs = default_club_names());

// The table of a grid report in layout mode `disp_size`: a club's row cut into its name, six
// cells (and, when `interleague`, its cell against the other league) and rank, and each league's
// column header read as the rivals' names.
ReportTable vs_grid_table(int disp_size, bool percentages, const ClubNames& clubs = default_club_names(),
                          bool interleague = false);

// A percentage grid cell: six blanks when nothing was played, "0.0000" for draws only, "1.0000"
// without a loss, else the single-precision quotient cut to four decimals.
Text vs_pct_cell(const Tally& tally);

// 対戦別勝敗: status, caption and 15 lines (header, six rows, empty line, header, six rows). The
// rows hold the "交流戦" cell when any club has played the other league (or when
// `interleague_play` asks for it before then); the rows are then nine characters longer.
ReportPane vs_record_report(const TeamTallies& tallies, const LeagueTable& central,
                            const LeagueTable& pacific, const std::string& disp_year, int disp_size,
                            const ClubNames& clubs = default_club_names(), bool interleague_play = false);

// 対戦別勝率: status, caption and 15 lines, laid out as the win-loss grid; the "交流戦" cell is
// the club's percentage against the other league.
ReportPane vs_pct_report(const TeamTallies& tallies, const LeagueTable& central,
                         const LeagueTable& pacific, const std::string& disp_year, int disp_size,
                         const ClubNames& clubs = default_club_names(), bool interleague_play = false);

// 対戦状況: status, caption with the meeting ruler, and 84 lines: per team a heading, then per
// rival its name, "〕" and a 61-character mark string holding "○", "●" or "△" (from the team's
// side) at each stored meeting's number, and an empty line. In a season with interleague play
// each block has one more line before its empty line, 96 lines in all: kInterleagueLineName,
// "〕" and a mark string of the team's games against the other league, in places rival by
// rival in club order, as many places each as the pair's meetings (18 places for three).
ReportPane meeting_status_report(const Season& season, int disp_size);

}  // namespace tev
