// The columns of a results table (試合結果), by their English or Japanese names, and where each
// stands in a file's header row. Columns may come in any order; a column the program does not
// know is left alone (and named once to the user).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/text/text.h"

namespace tev {

enum class GameColumn : int {
    date,
    visitor,
    home,
    meeting,
    visitor_score,
    home_score,
    visitor_innings,
    home_innings,
    winning_pitcher,
    losing_pitcher,
    save_pitcher,
    visitor_pitcher,  // the pitcher of record of each club, for a draw
    home_pitcher,
    attendance,
    visitor_homers,
    home_homers,
};
inline constexpr int kGameColumns = 16;

// The English and the Japanese name of a column, as a header row gives them.
Text column_name(GameColumn column);
Text column_name_ja(GameColumn column);

// Where each column stands in a header row (its 0-based field), and the header's unknown names.
struct ColumnPlaces {
    std::array<std::optional<std::size_t>, kGameColumns> place;
    std::vector<Text> unknown;
    std::vector<Text> repeated;  // a column named twice

    const std::optional<std::size_t>& of(GameColumn c) const { return place[static_cast<int>(c)]; }
};

ColumnPlaces column_places(const std::vector<Text>& header);

// The columns a file must have: date, the two clubs and their scores.
std::vector<GameColumn> missing_columns(const ColumnPlaces& places);

}  // namespace tev
