// Winning and losing streaks: `build_streaks` puts every club's results in date order (the result
// sequence, draws included) and keeps, for winning and for losing streaks, the three longest
// distinct lengths with how often each occurred. A draw neither extends nor ends a streak.
#pragma once

#include <array>

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

struct StreakEntry {
    int length = 0;  // 0: an empty entry
    int count = 0;
};

// Entries ranked 1 (longest) to 3.
using StreakRanks = std::array<StreakEntry, 3>;

struct Streaks {
    std::array<Text, 13> result_seq;          // [team 1..12]: "○", "●", "△" per game, date order
    std::array<StreakRanks, 13> win_streaks;  // [team 1..12]
    std::array<StreakRanks, 13> lose_streaks;
};

// The marks of `team`'s games from its side, ordered as text by month/day and mark (so games of
// one date come draw, win, loss).
Text result_sequence(const Season& season, int team);

// Offers a streak of `length` to the three ranked entries: an equal length raises that entry's
// count, a new length takes its place in the ranking and pushes the shorter ones down (the third
// falls out); a length shorter than all three, or 0, changes nothing.
void offer_streak(StreakRanks& ranks, int length);

// The ranked streaks of `mark` ("○" wins, "●" losses) in a result sequence; a streak still
// running at the end counts.
StreakRanks streak_ranks(const Text& result_seq, char32_t mark);

// Result sequences and streak tables of teams 1..12.
Streaks build_streaks(const Season& season);

// The 5-character streak entry: length in 2, "-", count in 2 (" 7- 2"); "  -  " when empty.
Text streak_entry_text(const StreakEntry& entry);

}  // namespace tev
