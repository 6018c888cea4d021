// Runs per inning (各回得点): `build_inning_totals` adds up, for every club, the runs of each of
// the 15 innings in its games as first-batting club (`runs_batting_first`) and as second-batting
// club (`runs_batting_second`). The menu item 各回得点累計 shows one club's totals in the entry
// form's inning boxes.
#pragma once

#include <array>
#include <vector>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

inline constexpr int kInnings = 15;

struct InningTotals {
    // [team 1..12][inning 1..15]; index 0 unused.
    std::array<std::array<int, kInnings + 1>, 13> first{};
    std::array<std::array<int, kInnings + 1>, 13> second{};

    // Runs `team` scored in `inning` batting first, and batting second.
    int runs_batting_first(int team, int inning) const { return first[team][inning]; }
    int runs_batting_second(int team, int inning) const { return second[team][inning]; }
};

// The inning totals of the stored games; a blank cell or the " X" of an unplayed half adds 0.
InningTotals build_inning_totals(const Season& season);

// The title box's text for `team`: its short name and "各回得点".
Text inning_title(int team, const ClubNames& clubs = default_club_names());

// The fifteen inning boxes of `team` as plain digits, innings 1..15: batting first when
// `batted_first`, else batting second.
std::vector<Text> inning_boxes(const InningTotals& totals, int team, bool batted_first);

}  // namespace tev
