// The topics page (トピックス): a one-page digest of the season's records and curiosities — the
// leading pitchers, the most frequent and the highest scores, the slugfest, the smallest crowd,
// the biggest inning, home runs by club, and each club's best and worst inning. It reads only
// tables other builders made (the pitcher tables, the score list, the home-run tallies, the
// inning totals) and the stored games.
#pragma once

#include <vector>

#include "core/stats/inning_totals.h"
#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

// The status line while the page is built.
inline constexpr const char32_t* kTopicsSearching = U"只今データ検索中";

// Every line of the page, in order: the title between empty lines, the nine blocks each followed
// by an empty line, and four empty lines at the end.
std::vector<Text> topics_page(const Season& season, const InningTotals& innings);

}  // namespace tev
