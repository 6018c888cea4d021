// GameString: one stored game as a fixed-layout string of 109 + 24k characters (k home-run
// records). Positions count from 1:
//   1 runs of the visitor (2)      3 runs of the home club (2)
//   5 visitor's pitcher of record (10, ASCII-padded)   15 home club's pitcher of record (10)
//  25 save pitcher (10)           35 attendance (5, right-aligned digits)
//  40 visitor's innings (15 cells of 2: runs right-aligned, " X" not played, "  " unused)
//  70 home club's innings (same)  100 date "YYYY/MM/DD", month and day blank-padded
// 110 home-run records of 24: batter's team (2), batter (10, padded with U+3000),
//     pitcher's team (2), pitcher (10, padded with U+3000)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/text/text.h"

namespace tev {

inline constexpr std::size_t kGameLength = 109;
inline constexpr std::size_t kHrLength = 24;
inline constexpr int kMaxHomeRuns = 15;

// One home run: the batter with his club, the pitcher who gave it up with his club.
struct HrEntry {
    int batter_team = 0;
    Text batter;
    int pitcher_team = 0;
    Text pitcher;
};

// The fields of one game as game entry holds them.
struct GameFields {
    int first_runs = 0;
    int second_runs = 0;
    Text first_pitcher;   // pitcher of record of the visitor
    Text second_pitcher;  // pitcher of record of the home club
    Text save_pitcher;    // blank when there is none
    Text attendance;      // digits as typed, or the stored 5-character field
    Text first_innings;   // cells of 2 characters, at most 15
    Text second_innings;
    Text year;            // four digits
    int month = 0;
    int day = 0;
    std::vector<Text> hr_records;  // 24-character home-run records in entry order
};

// The 24-character record of a home run.
Text format_hr(const HrEntry& hr);

// The home run in a 24-character record; names with their U+3000 padding removed.
HrEntry parse_hr(TextView record);

// The GameString of `game`: every field padded or cut to its width, so the string is always
// 109 + 24k characters.
Text format_game(const GameFields& game);

// The fields of a GameString that passed `game_shape_error`. Names come back without their
// trailing blanks; runs and dates as numbers; inning strings as stored (30 characters).
GameFields parse_game(TextView game);

// Why `game` is not a GameString (wrong length, a run, attendance, inning or date field that is
// not a number, a home-run team outside 1..12), or nothing when its shape is sound.
std::optional<std::string> game_shape_error(TextView game);

// Number of home-run records: (length - 109) / 24, 0 for a short string.
int hr_count(TextView game);

// Home-run record j (0-based) of `game`, 24 characters, or empty when there is none.
Text hr_at(TextView game, int j);

// Field readers used by the builders (positions as above); damaged fields read as 0.
int first_runs(TextView game);
int second_runs(TextView game);
int game_month(TextView game);
int game_day(TextView game);
long long game_attendance(TextView game);
Text first_pitcher(TextView game);   // characters 5-14, trailing blanks removed
Text second_pitcher(TextView game);  // characters 15-24
Text save_pitcher(TextView game);    // characters 25-34
// True when the game has its innings: a game imported with its score alone has none, and names
// no pitcher or crowd either (what it lacks, reports leave out).
bool has_line_score(TextView game);
// Characters 105-109: " 4/12".
Text month_day_text(TextView game);
// Inning cell i (1..15) of the visitor (first = true) or the home club.
Text inning_cell(TextView game, bool first, int i);

}  // namespace tev
