// The home-run reports of List1: the league lists of batters and of pitchers who gave up home
// runs (Central, Pacific, both leagues), a club's batters with their place in the league and in
// the club, and one player's home runs game by game. Every function returns the exact texts the
// window shows.
#pragma once

#include <span>
#include <vector>

#include "core/homeruns/homerun_tables.h"
#include "core/stats/report_pane.h"
#include "core/store/season.h"

namespace tev {

enum class HrSide { batters = 0, pitchers = 1 };

inline constexpr const char32_t* kBatterHint = U"バッター名をクリックすると詳細が表示されます。";

// The table of `league` (1, 2, 3) and `side` in `tables`.
std::span<const Text> homerun_table(const HomerunTables& tables, int league, HrSide side);

// The used entries of a tally table: those before the first empty one.
std::span<const Text> used_entries(std::span<const Text> table);

// The columns of a league list's line for `side`: rank, name, home runs, club.
const ReportColumns& homerun_list_columns(HrSide side);

// The columns of a club list's line: club rank, league rank, name, home runs.
const ReportColumns& homerun_club_columns();

// The league list of `league` and `side`: the caption (an empty first line, then the title),
// one ranked line per used entry, and the hint for Text1.
ReportPane homerun_league_report(const HomerunTables& tables, int league, HrSide side, const ClubNames& clubs = default_club_names());

// The caption prefix of club `team` (1..12) in the home-run club list.
const Text& homerun_club_prefix(int team, const ClubNames& clubs = default_club_names());

// The club list of `team`'s batters from its league's batter table: caption, one line per
// batter of the club with club rank and league rank, and the hint.
ReportPane homerun_club_report(const HomerunTables& tables, int team, int disp_size, const ClubNames& clubs = default_club_names());

// The player keys (characters 1-12) of the entries of `team` in its league's batter table.
std::vector<Text> homerun_club_keys(const HomerunTables& tables, int team);

// The player keys of the used entries of `table`, in order.
std::vector<Text> homerun_keys(std::span<const Text> table);

// The home runs of the player with `key` on `side` in the stored games of his league, in store
// order and record order, then the closing line.
std::vector<Text> homerun_detail_lines(const Season& season, const Text& key, HrSide side);

}  // namespace tev
