// The pitcher pick list of game entry: one row per pitcher of a club known in the season table,
// numbered by competition rank in the whole league table, then the special rows.
#pragma once

#include <vector>

#include "core/pitchers/pitcher_table.h"

namespace tev {

inline constexpr const char32_t* kKeyboardRow = U"**1] キーボード入力より入力";
inline constexpr const char32_t* kCancelRow = U"**2] キャンセル";
inline constexpr const char32_t* kHrKeyboardRow = U"***] キーボード入力より入力";

// Rows for the pitchers of `team` in `table`, then the two special rows (or, for the pitcher who
// gave up a home run, the keyboard row only).
std::vector<Text> pitcher_pick_rows(const PitcherTable& table, int team, bool home_run_pitcher);

enum class PickKind { pitcher, keyboard, cancel };

// What a clicked row of the list asks for.
PickKind pick_kind(const Text& row);

// The pitcher name of a pitcher row: positions 6-15 with trailing blanks of either kind removed.
Text picked_name(const Text& row);

}  // namespace tev
