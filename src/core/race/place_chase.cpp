#include "core/race/place_chase.h"

#include "core/race/place_search.h"
#include "core/text/fixed_width.h"

namespace tev {

std::array<PlaceChase, 7> place_chases(const LeaguePosition& pos, const TieRules& rules, int places) {
    std::array<PlaceChase, 7> chases{};
    int holding = 0;
    for (int c = 1; c <= 6; ++c) {
        PlaceChase& chase = chases[c];
        chase.own_chance = keeps_own_chance(pos, rules, c, places);
        holding += chase.own_chance;
        // A club that can still clinch by its own wins is not out: the search is left for the rest.
        chase.out = !chase.own_chance && !can_finish_within(pos, rules, c, places);
        if (chase.own_chance && has_clinched(pos, rules, c, places)) chase.number = 0;
    }
    // A number is shown once no more clubs than there are places keep their own chance: for the
    // pennant, once every other club has lost it; for the first three, once at most two others
    // keep it (the clubs outside the three have lost theirs). Only a shown number is worked out.
    for (int c = 1; c <= 6; ++c) {
        PlaceChase& chase = chases[c];
        chase.lit = chase.own_chance && holding <= places;
        if (chase.lit && chase.number != 0) chase.number = clinch_number(pos, rules, c, places);
    }
    return chases;
}

namespace {

Text chase_mark(const PlaceChase& chase, const Text& clinched, const Text& gone, const Text& own_gone) {
    if (chase.number == 0) return clinched;
    if (chase.out) return gone;
    if (!chase.own_chance) return own_gone;
    return chase.lit ? U"マジック" + plain_num(*chase.number) : Text();
}

}  // namespace

Text pennant_mark(const PlaceChase& chase) { return chase_mark(chase, U"優勝", U"優勝消滅", U"自力優勝消滅"); }

Text climax_mark(const PlaceChase& chase) { return chase_mark(chase, U"CS進出決定", U"CS消滅", U"自力CS消滅"); }

}  // namespace tev
