// The order of a league by its rules at the end of a season (or of the games so far): the clubs
// from first to last, and each club's place. Clubs the rules cannot part share a place.
#pragma once

#include <array>

#include "core/race/league_position.h"
#include "core/race/tie_rules.h"

namespace tev {

struct LeagueOrder {
    std::array<int, 6> clubs{};  // league indexes, first to last; clubs that share a place adjacent
    std::array<int, 7> place{};  // by league index: 1 + the clubs placed above it
    std::array<int, 7> level{};  // by league index: the other clubs that share its place
};

// The order of the records in `pos` by every step of `rules`.
LeagueOrder final_order(const LeaguePosition& pos, const TieRules& rules);

// The order by `rules` as a table shows it: while the league has games left, clubs level on
// percentage share a place where the rules say so.
LeagueOrder order_in_season(const LeaguePosition& pos, const TieRules& rules);

// The place of `club` when every club level with it counts as above it.
inline int worst_place(const LeagueOrder& order, int club) { return order.place[club] + order.level[club]; }

}  // namespace tev
