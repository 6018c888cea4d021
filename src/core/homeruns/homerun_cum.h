// The cumulative home runs: every registered year's both-league home-run tallies added up, for
// batters (`batters`) and for pitchers who gave them up (`pitchers`), one row per player key,
// with the count of each year in a years string: six characters per year from 1985 (the year
// and the count in two characters; "000000" for a year without an entry). The string is 260
// characters while every year added lies before 2028 and grows to hold the last slot of a
// later year, the same length in every row of one build.
// Ordered by count, most first; equal counts keep their first appearance.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/homeruns/homerun_tables.h"
#include "core/pitchers/pitcher_cum.h"

namespace tev {

inline constexpr std::size_t kHomerunSlot = 6;

struct HomerunCumRow {
    Text key;
    std::int16_t count = 0;
    Text years = Text(kYearsLength, U'0');
};

// Rows 1..n in order (row r is element r - 1); at most kCumRows.
using HomerunCum = std::vector<HomerunCumRow>;

// One registered year to add up: its both-league tallies, or why they cannot be read.
struct HomerunYear {
    std::string year;
    const HomerunTables* tables = nullptr;  // nullptr when `problem` says why it is missing
    Text problem;
};

struct HomerunCumBuild {
    HomerunCum batters;
    HomerunCum pitchers;
    // What was left out and why, one line each, for the user.
    std::vector<Text> notes;
};

// The cumulative tables of `years` in the order given: of each year the both-league entries up
// to the first line whose two entries are both empty. A year with a problem or whose slot does
// not fit the years string is left out whole, keys past the capacity are left out; each is named
// in the notes.
HomerunCumBuild homerun_cum_make(const std::vector<HomerunYear>& years);

// Where `add_up_homerun_years` hands control back: before reading, before adding up, after the
// first year, before the batters' sort, before the pitchers' sort.
enum class HrCumStep { reading, adding, first_year, sorting_batters, sorting_pitchers };

// The cumulative tables of the registered `years` (each once, in their order): `current_year`
// from `current` as it stands in memory, every other year from "homerun_<year>.DAT" (or ".dat").
HomerunCumBuild add_up_homerun_years(const std::filesystem::path& dir,
                                     const std::vector<std::string>& years,
                                     const std::string& current_year, const HomerunTables& current,
                                     const std::function<void(HrCumStep)>& progress = {});

}  // namespace tev
