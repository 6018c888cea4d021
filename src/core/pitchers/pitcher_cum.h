// The cumulative pitcher records `pitcher_cum`: every registered year's both-league pitcher table
// added up, one row per pitcher key (a pitcher who changed clubs has a row per club), with his
// line of each year in a years string: ten characters per year from 1985 (the year, then wins,
// losses and saves in two characters each; "0000000000" for a year not played). The string is
// 260 characters while every year added lies before 2011 and grows to hold the last slot of a
// later year, the same length in every row of one build.
// Ordered as a season table: wins (most first), losses (fewest first), first appearance.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/pitchers/pitcher_table.h"

namespace tev {

inline constexpr int kCumRows = 1000;
inline constexpr int kFirstCumYear = 1985;
inline constexpr std::size_t kYearsLength = 260;
// The last year that still gets a slot; a slot per year up to it keeps a row within 1,150
// characters, where a misread four-digit year would otherwise ask for 80,000.
inline constexpr int kLastCumYear = 2099;
inline constexpr std::size_t kPitcherSlot = 10;

struct PitcherCumRow {
    Text key;
    std::int16_t wins = 0;
    std::int16_t losses = 0;
    std::int16_t saves = 0;
    Text years = Text(kYearsLength, U'0');
};

// Rows 1..n in order (row r is element r - 1); at most kCumRows.
using PitcherCum = std::vector<PitcherCumRow>;

// One registered year to add up: its both-league table, or why it cannot be read.
struct PitcherYear {
    std::string year;
    const PitcherTable* table = nullptr;  // nullptr when `problem` says why it is missing
    Text problem;
};

struct PitcherCumBuild {
    PitcherCum table;
    // What was left out and why, one line each, for the user; empty when everything was added.
    std::vector<Text> notes;
};

// The cumulative table of `years` in the order given: a year with a problem, a year whose slot
// lies outside the years string, and a pitcher with a count above 99 in a year are left out
// whole; keys past the capacity are left out; each is named in the notes.
PitcherCumBuild pitcher_cum_make(const std::vector<PitcherYear>& years);

// Where `add_up_pitcher_years` hands control back: before reading, after the first year, after the
// last year, after the sort.
enum class CumStep { reading, first_year, all_years, sorted };

// The cumulative table of the registered `years` (each once, in their order): `current_year` from
// `current_table` as it stands in memory, every other year from its file "Pitcher_<year>.DAT"
// (or ".dat") in `dir`.
PitcherCumBuild add_up_pitcher_years(const std::filesystem::path& dir,
                                     const std::vector<std::string>& years,
                                     const std::string& current_year,
                                     const PitcherTable& current_table,
                                     const std::function<void(CumStep)>& progress = {});

// Character position (1-based) of the slot of `year` in a years string with slots of `slot`
// characters, or 0 when the year is not four digits or lies outside 1985..kLastCumYear.
std::size_t year_slot_position(const std::string& year, std::size_t slot);

// The length of the years strings of a build whose last slot ends at character `last_end`
// (0 when nothing was written): 260, or more when a later year needs it.
constexpr std::size_t years_length(std::size_t last_end) {
    return last_end > kYearsLength ? last_end : kYearsLength;
}

// Pads every row's years string with "0" to the same length, so that each row has a slot for
// every year up to the latest one added.
template <class Rows>
void even_years(Rows& rows, std::size_t last_end) {
    const std::size_t length = years_length(last_end);
    for (auto& row : rows)
        if (row.years.size() < length) row.years.resize(length, U'0');
}

}  // namespace tev
