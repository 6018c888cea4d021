// The first block of the topics page: the season's leading pitchers of each league, by wins,
// losses and saves, read from the league pitcher tables. Every pitcher on the leading count is
// listed, in table order.
#pragma once

#include <vector>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

// Six sub-blocks (セ and パ wins, losses, saves), each a heading with the leading count and one
// line per pitcher on it, followed by an empty line. A count of 0 leads nobody: its heading
// stands alone.
std::vector<Text> pitcher_topics(const Season& season);

}  // namespace tev
