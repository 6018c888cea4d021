#include "core/race/level_pass.h"

#include <algorithm>

#include "core/race/rank_key.h"

namespace tev {

namespace {

// How a step can leave the rival against the club: surely below, possibly level, possibly above.
enum class Reach { below, level, above };

Reach compare(long long rival_best, long long club_worst) {
    if (rival_best > club_worst) return Reach::above;
    return rival_best == club_worst ? Reach::level : Reach::below;
}

long long pct(const ClubRecord& r) { return pct_ten_thousandths(r.wins, r.losses); }

// The club's record in `group` when its wins still to place fall on its other games first, and
// the rival's with every game left in the group won.
ClubRecord worst_within(const LeaguePosition& pos, int club, unsigned group, int wins_to_place) {
    ClubRecord r = pos.record_within(club, group);
    int inside = 0;
    for (int o = 1; o <= 6; ++o)
        if (o != club && ((group >> o) & 1u)) inside += pos.left[club][o];
    const int won = std::max(0, wins_to_place - (pos.games_left(club) - inside));
    r.wins += won;
    r.losses += inside - won;
    return r;
}

ClubRecord best_within(const LeaguePosition& pos, int club, unsigned group) {
    ClubRecord r = pos.record_within(club, group);
    for (int o = 1; o <= 6; ++o)
        if (o != club && ((group >> o) & 1u)) r.wins += pos.left[club][o];
    return r;
}

Reach wins_step(const LeaguePosition& pos, int rival, int club_wins) {
    // The club's final wins: those it has and those still to place.
    const int least = pos.clubs[rival].wins, most = least + pos.games_left(rival);
    if (most > club_wins) return Reach::above;
    return most == club_wins ? Reach::level : Reach::below;
}

// Head to head among every group of level clubs holding both.
Reach head_to_head_step(const LeaguePosition& pos, int club, int rival, int wins_to_place) {
    Reach widest = Reach::below;
    for (unsigned others = 0; others < (1u << 7); others += 2) {
        if (((others >> club) & 1u) || ((others >> rival) & 1u)) continue;
        const unsigned group = others | (1u << club) | (1u << rival);
        const Reach r = compare(pct(best_within(pos, rival, group)), pct(worst_within(pos, club, group, wins_to_place)));
        if (r == Reach::above) return r;
        if (r == Reach::level) widest = r;
    }
    return widest;
}

Reach league_step(const LeaguePosition& pos, int club, int rival, int wins_to_place) {
    return compare(pct(best_within(pos, rival, 0x7Eu)), pct(worst_within(pos, club, 0x7Eu, wins_to_place)));
}

// Unknown (0) or shared places cannot part them; otherwise the better place of the year before.
Reach previous_step(const TieRules& rules, int club, int rival) {
    const int c = rules.previous_place[club], r = rules.previous_place[rival];
    if (c == 0 || r == 0 || c == r) return Reach::level;
    return r < c ? Reach::above : Reach::below;
}

Reach step_reach(const LeaguePosition& pos, const TieRules& rules, TieStep step, int club, int rival,
                 int wins_to_place) {
    switch (step) {
        case TieStep::percentage: return Reach::level;
        case TieStep::wins: return wins_step(pos, rival, pos.clubs[club].wins + wins_to_place);
        case TieStep::head_to_head: return head_to_head_step(pos, club, rival, wins_to_place);
        case TieStep::league_percentage: return league_step(pos, club, rival, wins_to_place);
        case TieStep::previous_place: return previous_step(rules, club, rival);
    }
    return Reach::level;
}

}  // namespace

bool may_pass_when_level(const LeaguePosition& pos, const TieRules& rules, int club, int rival, int wins_to_place) {
    for (TieStep step : rules.steps) {
        const Reach r = step_reach(pos, rules, step, club, rival, wins_to_place);
        if (r != Reach::level) return r == Reach::above;
    }
    // Every step may leave them level: the worse finish for the club.
    return true;
}

}  // namespace tev
