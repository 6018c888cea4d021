// The pitcher reports of List1: the league lists of the season pitcher tables (Central, Pacific,
// both leagues), a club's own pitchers with their place in the league and in the club, and the
// game-by-game detail of one pitcher. Every function returns the exact texts the window shows.
#pragma once

#include <vector>

#include "core/pitchers/pitcher_table.h"
#include "core/stats/report_pane.h"
#include "core/store/season.h"

namespace tev {

inline constexpr const char32_t* kPitcherHint = U"投手名をクリックすると詳細が表示されます。";

// The column header of the league lists for `league` (1, 2, 3) and the layout mode `disp_size`.
Text pitcher_list_header(int league, int disp_size);

// The league list of `table` for `league` (1 Central, 2 Pacific, 3 both): caption (title and
// header), one ranked line per used row, and the hint for Text1.
ReportPane pitcher_league_report(const PitcherTable& table, int league, int disp_size, const ClubNames& clubs = default_club_names());

// The columns of a league list's line for `league` (1, 2, 3); a count too wide for its two
// characters keeps its digits and pushes the columns after it aside.
const ReportColumns& pitcher_list_columns(int league);

// The columns of a club list's line: club rank, league rank, name, wins, losses, saves.
const ReportColumns& pitcher_club_columns();

// The line of one row of a league list with its rank.
Text pitcher_league_line(const PitcherRow& row, int rank, int league, const ClubNames& clubs = default_club_names());

// The caption prefix of club `team` (1..12) in the pitcher club list ("             　　  巨人"
// ...).
const Text& pitcher_club_prefix(int team, const ClubNames& clubs = default_club_names());

// The club list of `team` from its league's table: caption (prefix, title, header), one line
// per row of the club with its club rank and league rank, and the hint.
ReportPane pitcher_club_report(const PitcherTable& league_table, int team, int disp_size, const ClubNames& clubs = default_club_names());

// The keys of the rows of `team` in `league_table`, in the order the club list shows them.
std::vector<Text> pitcher_club_keys(const PitcherTable& league_table, int team);

// The decisions and saves of the pitcher with `key` (team number and name as the table holds
// them) in the stored games of his league, in store order, then the closing line.
std::vector<Text> pitcher_detail_lines(const Season& season, const Text& key);

// The player's name of a key or tally entry (characters 3-12, trailing blanks removed), filled
// with full-width blanks and cut to `width` characters, as every name column of these lists is.
Text name_cell(const Text& key, std::size_t width);

// The team number in characters 1-2 of a pitcher or player key, or 0 when it is not 1..12.
int key_team(const Text& key);

}  // namespace tev
