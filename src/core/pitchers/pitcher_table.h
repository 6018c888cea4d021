// The season pitcher tables: per league and for both, one row per pitcher of record with his
// wins, losses and saves. A row's key is the club's team number right-aligned in two characters
// followed by the 10-character name. Rows are filled from the first; the first empty key ends it.
#pragma once

#include <array>
#include <cstdint>

#include "core/text/text.h"

namespace tev {

inline constexpr int kPitcherRows = 250;

struct PitcherRow {
    Text key;  // 12 characters, empty for an unused row
    std::int16_t wins = 0;
    std::int16_t losses = 0;
    std::int16_t saves = 0;

    friend bool operator==(const PitcherRow&, const PitcherRow&) = default;
};

// Row r (1..250) is element r - 1.
using PitcherTable = std::array<PitcherRow, kPitcherRows>;

}  // namespace tev
