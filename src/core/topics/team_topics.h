// Blocks 7 to 9 of the topics page, one line per club: the home runs hit and allowed (from the
// both-league home-run tallies), and each club's best and worst inning of the first nine, batting
// first and batting second (from the inning totals).
#pragma once

#include <vector>

#include "core/stats/inning_totals.h"
#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

// 【チェーム別ホームラン数】: per club the home runs its batters hit and its pitchers allowed.
std::vector<Text> team_homerun_topic(const Season& season);

// 【累計ビックイニング】: per club the inning with the most runs; ties go to the earlier inning.
std::vector<Text> best_inning_topic(const InningTotals& innings, const ClubNames& clubs = default_club_names());

// 【累計プアーイニング】: per club the inning with the fewest runs; ties go to the earlier inning.
std::vector<Text> worst_inning_topic(const InningTotals& innings, const ClubNames& clubs = default_club_names());

}  // namespace tev
