// The batter pick list of home-run entry: a title row, an empty row, one row per batter of the
// hitting club already in the season tally (numbered by competition rank in the whole league
// table), then the rows that ask for a new name and that end the home-run input. Only rows whose
// 4th character is "]" can be chosen.
#pragma once

#include <vector>

#include "core/homeruns/homerun_tables.h"
#include "core/store/club_names.h"

namespace tev {

inline constexpr const char32_t* kHrBatterKeyboardRow = U"***] キーボード入力より入力";
inline constexpr const char32_t* kHrEndRow = U"***] ＨＲ入力終了";

// Rows for the batters of `team` in the league tally `table` (`bat_c` for clubs 1..6, `bat_p`
// for 7..12).
std::vector<Text> homerun_batter_rows(const HrLeagueTable& table, int team, const ClubNames& clubs = default_club_names());

enum class BatterPick { none, batter, keyboard, end };

// What a clicked row asks for; `none` for the title and empty rows.
BatterPick batter_pick_kind(const Text& row);

// The row added to the list for a name typed at the keyboard: "  *] " and the trimmed name.
Text typed_batter_row(const Text& name);

}  // namespace tev
