// The rules a season's race is read by: each league's tie rules for the season's year, with the
// places of the year before where that year's files are there to say them.
#pragma once

#include <array>
#include <optional>

#include "core/race/tie_rules.h"
#include "core/store/season.h"

namespace tev {

// Each club's final place (by league, then league index; 0 unused) in a season.
using LeaguePlaces = std::array<std::array<int, 7>, 3>;

// The places of `season` at its end (or after its last stored game), each league by its own
// rules of that year, without going back a further year.
LeaguePlaces final_places(const Season& season);

// The tie rules of `league` in `season`, with `previous` places where they are known.
TieRules league_rules(const Season& season, int league, const std::optional<LeaguePlaces>& previous);

// Whether `season` has a Climax Series: its first three clubs of each league go on.
bool has_climax_series(const Season& season);

}  // namespace tev
