// A season's games as a results table: one row per game, in date order, with every column the
// import reads (the Japanese header), so that the table imported into an empty year files the
// same games byte for byte. Home runs keep the order they were filed in: when a game's home runs
// are not the visitors' first, each is numbered ("2:松井/藪").
#pragma once

#include <string>

#include "core/store/season.h"

namespace tev {

// The whole CSV file (UTF-8 with a byte-order mark, CR LF).
std::string games_csv(const Season& season);

// How many games the table holds.
int exported_game_count(const Season& season);

}  // namespace tev
