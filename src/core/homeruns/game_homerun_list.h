// The home-run list of one game as the input panel shows it: a title row, then for each club a
// header "【name】" and its records from the third character (batter, pitcher's team, pitcher).
#pragma once

#include <vector>

#include "core/text/text.h"

namespace tev {

// Rows of the list for the game of `first` (batting first) and `second` with the 24-character
// home-run records `records` in entry order.
std::vector<Text> game_homerun_lines(int first, int second, const std::vector<Text>& records);

}  // namespace tev
