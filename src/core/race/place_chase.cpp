#include "core/race/place_chase.h"

#include "core/race/place_search.h"
#include "core/text/fixed_width.h"

namespace tev {

std::array<PlaceChase, 7> place_chases(const LeaguePosition& pos, const TieRules& rules, int places) {
    std::array<PlaceChase, 7> chases{};
    for (int c = 1; c <= 6; ++c) {
        chases[c].number = clinch_number(pos, rules, c, places);
        // A club that can still clinch by its own wins is not out: the search is left for the rest.
        chases[c].out = !chases[c].number && !can_finish_within(pos, rules, c, places);
    }
    // A number is shown once no more clubs than there are places keep their own chance: for the
    // pennant, once every other club has lost it; for the first three, once at most two others
    // keep it (the clubs outside the three have lost theirs).
    int holding = 0;
    for (int c = 1; c <= 6; ++c) holding += chases[c].number.has_value();
    for (int c = 1; c <= 6; ++c) chases[c].lit = chases[c].number && holding <= places;
    return chases;
}

namespace {

Text chase_mark(const PlaceChase& chase, const Text& clinched, const Text& gone, const Text& own_gone) {
    if (chase.number == 0) return clinched;
    if (chase.out) return gone;
    if (!chase.number) return own_gone;
    return chase.lit ? U"マジック" + plain_num(*chase.number) : Text();
}

}  // namespace

Text pennant_mark(const PlaceChase& chase) { return chase_mark(chase, U"優勝", U"優勝消滅", U"自力優勝消滅"); }

Text climax_mark(const PlaceChase& chase) { return chase_mark(chase, U"CS進出決定", U"CS消滅", U"自力CS消滅"); }

}  // namespace tev
