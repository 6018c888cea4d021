// Blocks 2 to 4 of the topics page, read from the saved score list (`Season::score_list`): the
// most frequent score, the highest score, and the slugfest (the most runs by both clubs) with the
// games that ended so.
#pragma once

#include <vector>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

// 【最多得点回数】: the count of the first entry and every leading entry on that count. An
// empty list gives the heading alone, with no count.
std::vector<Text> most_frequent_score_topic(const Season& season);

// 【最多得点試合】: the first entry with the largest higher score, with its count. An empty list
// gives the heading alone, with no count.
std::vector<Text> highest_score_topic(const Season& season);

// 【最多乱打戦】: the largest sum of both scores, each entry on it followed by its stored games
// (league games, then interleague games).
// An empty list gives the heading with a sum of 0 and nothing under it.
std::vector<Text> slugfest_topic(const Season& season);

}  // namespace tev
