// The home-run list of one game as the input panel shows it: a title row, then for each club a
// header "【name】" and its records from the third character (batter, pitcher's team, pitcher).
#pragma once

#include <optional>
#include <vector>

#include "core/store/club_names.h"
#include "core/text/text.h"

namespace tev {

// The batter of a home run being entered, shown under his club before it is filed.
struct PendingBatter {
    Text name;
    bool second = false;  // true when the club batting second hit it
};

// Rows of the list for the game of `first` (batting first) and `second` with the 24-character
// home-run records `records` in entry order, and the pending batter (if any) at the end of his
// club's section.
std::vector<Text> game_homerun_lines(int first, int second, const std::vector<Text>& records,
                                     const std::optional<PendingBatter>& pending = std::nullopt, const ClubNames& clubs = default_club_names());

}  // namespace tev
