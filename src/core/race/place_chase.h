// Each club's chase of a place as the Japanese press reports it: the pennant (first place) and,
// in a Climax Series year, a place in the first three. A clinch number is shown (点灯) only when
// no more clubs than there are places keep their own chance (自力): for the pennant, when every
// other club of the league has lost it; for the Climax Series, when the clubs outside the three
// that keep it have. Until then no club shows one, and a shown number goes out again when a
// rival's own chance comes back.
#pragma once

#include <array>
#include <optional>

#include "core/race/league_position.h"
#include "core/race/tie_rules.h"
#include "core/text/text.h"

namespace tev {

struct PlaceChase {
    bool own_chance = false;    // some number of its own wins clinches the place (自力)
    std::optional<int> number;  // fewest own wins that clinch, worked out when shown; 0 once clinched
    bool out = false;           // no outcome gives the place any more
    bool lit = false;           // the number is shown
};

// The chase of the first `places` for each club (by league index).
std::array<PlaceChase, 7> place_chases(const LeaguePosition& pos, const TieRules& rules, int places);

// The pennant mark: "優勝", "マジックN" when shown, "優勝消滅", "自力優勝消滅", or empty.
Text pennant_mark(const PlaceChase& chase);

// The Climax Series mark: "CS進出決定", "マジックN" when shown, "CS消滅", "自力CS消滅", or empty.
Text climax_mark(const PlaceChase& chase);

}  // namespace tev
