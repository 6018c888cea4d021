// The line pieces every block of the topics page shares: the short number cells and the game
// line that names a stored game by its date, its two clubs with the winner's and loser's marks,
// and its meeting number.
#pragma once

#include <cstddef>

#include "core/stats/stored_games.h"
#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

// Two blanks and the number with its sign position, of which the last `width` characters are
// kept: 7 in 3 gives "  7", 18 gives " 18"; a one-digit number in 5 gives only four characters.
Text topic_cell(long long value, std::size_t width);

// "   " + month/day + marks and clubs + meeting + "回戦  " for the game `game` stored at `slot`.
Text topic_game_line(Slot slot, TextView game, const ClubNames& clubs = default_club_names());

// The same line for a stored game of either store (league or interleague).
Text topic_game_line(const StoredGame& stored, const ClubNames& clubs);

}  // namespace tev
