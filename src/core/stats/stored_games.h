// Every stored game of a season with its two clubs named: the league games of the game store
// and the interleague games (交流戦) of their own store, for the lists and counts that treat both
// kinds alike. A league slot names its home club by its index in the visitor's league, an
// interleague slot by its index in the other league; a StoredGame has both clubs' team numbers.
#pragma once

#include "core/store/season.h"
#include "core/text/text.h"

namespace tev {

struct StoredGame {
    Slot slot;                 // where the game is stored (in `games` or in `interleague`)
    bool interleague = false;  // true for a game of the interleague store
    int visitor = 0;           // the first-batting club, 1..12
    int home = 0;              // the second-batting club, 1..12
    const Text* game = nullptr;
};

// The most interleague meetings of a pair the season uses: its meetings per pair, or more when a
// game is stored beyond them.
int interleague_meetings_in_use(const Season& season);

// Calls `visit(const StoredGame&)` for every stored game: the league games in the store's order
// (team, opp, meet), then the interleague games in theirs.
template <class Visit>
void for_each_stored_game(const Season& season, Visit&& visit) {
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        visit(StoredGame{slot, false, slot.team, home_team(slot), &game});
    });
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        visit(StoredGame{slot, true, slot.team, interleague_home(slot), &game});
    });
}

// How many stored games have their score alone (no innings, has_line_score), and the note the
// panes that leave them out show once; empty when there is none.
int games_with_score_alone(const Season& season);
Text score_alone_note(const Season& season, const Text& left_out_of);

}  // namespace tev
