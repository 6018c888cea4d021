// Blocks 5 and 6 of the topics page, read from the stored games: the smallest crowd with every
// game that drew it, and the biggest inning with the first game that had it. Interleague games
// take part after the league games, in their own store's order.
#pragma once

#include <vector>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

// 【最小観客試合】: the smallest attendance and every game with exactly that attendance, in
// storage order; a blank attendance reads as 0. Without games the count is left blank.
std::vector<Text> smallest_crowd_topic(const Season& season);

// 【イニング最高得点】: the most runs in one half inning and the first game in storage order
// that had them. Without a scoring inning the heading (0 runs) stands alone.
std::vector<Text> biggest_inning_topic(const Season& season);

}  // namespace tev
