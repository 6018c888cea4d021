#include "core/race/level_pass.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "core/race/rank_key.h"
#include "core/race/reach.h"

namespace tev {

namespace {

// How a step can leave the rival against the club: surely below, possibly level, possibly above.
enum class Reach { below, level, above };

Reach compare(long long rival_best, long long club_worst) {
    if (rival_best > club_worst) return Reach::above;
    return rival_best == club_worst ? Reach::level : Reach::below;
}

long long pct(const ClubRecord& r) { return pct_ten_thousandths(r.wins, r.losses); }

// The club's games left against the clubs of `group` (a mask; the club's own bit is ignored).
int games_left_against(const LeaguePosition& pos, int club, unsigned group) {
    int inside = 0;
    for (int o = 1; o <= 6; ++o)
        if (o != club && ((group >> o) & 1u)) inside += pos.left[club][o];
    return inside;
}

// Of the club's wins still to place, those that must fall on its games against `group`: the
// games outside it cannot take them all.
int wins_forced_within(const LeaguePosition& pos, int club, unsigned group, int wins_to_place) {
    const int inside = games_left_against(pos, club, group);
    return std::clamp(wins_to_place - (pos.games_left(club) - inside), 0, inside);
}

// The club's record in `group` when its wins still to place fall on its other games first, and
// it loses the rest there.
ClubRecord worst_within(const LeaguePosition& pos, int club, unsigned group, int wins_to_place) {
    ClubRecord r = pos.record_within(club, group);
    const int inside = games_left_against(pos, club, group);
    const int won = wins_forced_within(pos, club, group, wins_to_place);
    r.wins += won;
    r.losses += inside - won;
    return r;
}

// The rival's record in `group` with every game left there won, but for the wins the club must
// take from it: those the club's other games in the group cannot hold.
ClubRecord best_within(const LeaguePosition& pos, int rival, unsigned group, int club, int wins_to_place) {
    ClubRecord r = pos.record_within(rival, group);
    for (int o = 1; o <= 6; ++o)
        if (o != rival && ((group >> o) & 1u)) r.wins += pos.left[rival][o];
    const int forced = wins_forced_within(pos, club, group, wins_to_place);
    const int taken = std::max(0, forced - games_left_against(pos, club, group & ~(1u << rival)));
    r.wins -= taken;
    r.losses += taken;
    return r;
}

// The fewest and the most wins the rival can end with on the percentage `level_key`, with at
// most `most_wins` more wins: the wins that leave some number of losses cutting to that
// percentage (any, when the key is not known: below 0). Nothing when no record reaches it.
std::optional<std::pair<int, int>> wins_when_level(const LeaguePosition& pos, int rival, int most_wins, long long level_key) {
    const ClubRecord& r = pos.clubs[rival];
    const int left = pos.games_left(rival);
    std::optional<std::pair<int, int>> range;
    for (int w = 0; w <= std::min(most_wins, left); ++w) {
        // More losses only lower the percentage: the key is reached between the fewest and the most.
        const bool unknown = level_key < 0;
        if (!unknown && pct_ten_thousandths(r.wins + w, r.losses + left - w) > level_key) continue;
        if (!unknown && pct_ten_thousandths(r.wins + w, r.losses) < level_key) continue;
        if (!range) range = std::pair{r.wins + w, r.wins + w};
        range->second = r.wins + w;
    }
    return range;
}

Reach wins_step(const LeaguePosition& pos, int club, int rival, int wins_to_place, long long level_key) {
    const int club_wins = pos.clubs[club].wins + wins_to_place;
    const int taken = wins_forced_within(pos, club, 1u << rival, wins_to_place);
    const auto range = wins_when_level(pos, rival, pos.games_left(rival) - taken, level_key);
    if (!range) return Reach::below;
    if (range->second > club_wins) return Reach::above;
    return range->second == club_wins ? Reach::level : Reach::below;
}

// Whether the rivals of `group` can all end at or above the club's percentage together: a group
// that cannot is never level, however its head-to-head records might read. A group larger than
// the reach test answers for is asked about by every pair of its rivals.
bool may_end_level(const LeaguePosition& pos, int club, unsigned group, int wins_to_place, long long level_key) {
    if (level_key < 0) return true;
    RivalBars bars;
    bars.fill(level_key);
    const auto reach_together = [&](unsigned rivals) { return set_can_reach(pos, club, wins_to_place, rivals, bars); };
    const unsigned rivals = group & ~(1u << club);
    if (std::popcount(rivals) <= kMostReachingRivals) return reach_together(rivals);
    for (int a = 1; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b)
            if (((rivals >> a) & 1u) && ((rivals >> b) & 1u) && !reach_together((1u << a) | (1u << b))) return false;
    return true;
}

// Head to head among every group of clubs that may end level holding both.
Reach head_to_head_step(const LeaguePosition& pos, int club, int rival, int wins_to_place, long long level_key) {
    Reach widest = Reach::below;
    for (unsigned others = 0; others < (1u << 7); others += 2) {
        if (((others >> club) & 1u) || ((others >> rival) & 1u)) continue;
        const unsigned group = others | (1u << club) | (1u << rival);
        const Reach r = compare(pct(best_within(pos, rival, group, club, wins_to_place)), pct(worst_within(pos, club, group, wins_to_place)));
        if (r == Reach::below || (others != 0 && !may_end_level(pos, club, group, wins_to_place, level_key))) continue;
        if (r == Reach::above) return r;
        if (r == Reach::level) widest = r;
    }
    return widest;
}

Reach league_step(const LeaguePosition& pos, int club, int rival, int wins_to_place) {
    return compare(pct(best_within(pos, rival, 0x7Eu, club, wins_to_place)), pct(worst_within(pos, club, 0x7Eu, wins_to_place)));
}

// Unknown (0) or shared places cannot part them; otherwise the better place of the year before.
// The step parts no group holding a club whose place is unknown, so while any is, the rival may
// also stay level.
Reach previous_step(const TieRules& rules, int club, int rival) {
    const int c = rules.previous_place[club], r = rules.previous_place[rival];
    if (c == 0 || r == 0 || c == r) return Reach::level;
    if (r < c) return Reach::above;
    const bool all_known = std::all_of(rules.previous_place.begin() + 1, rules.previous_place.end(), [](int p) { return p > 0; });
    return all_known ? Reach::below : Reach::level;
}

Reach step_reach(const LeaguePosition& pos, const TieRules& rules, TieStep step, int club, int rival,
                 int wins_to_place, long long level_key) {
    switch (step) {
        case TieStep::percentage: return Reach::level;
        case TieStep::wins: return wins_step(pos, club, rival, wins_to_place, level_key);
        case TieStep::head_to_head: return head_to_head_step(pos, club, rival, wins_to_place, level_key);
        case TieStep::league_percentage: return league_step(pos, club, rival, wins_to_place);
        case TieStep::previous_place: return previous_step(rules, club, rival);
    }
    return Reach::level;
}

// A step's verdict for a rival level with a club that has no games left: surely above, surely
// level, surely below, or open.
enum class Sure { above, level, below, open };

Sure sure(long long rival_worst, long long rival_best, long long club) {
    if (rival_worst > club) return Sure::above;
    if (rival_best < club) return Sure::below;
    return rival_worst == club && rival_best == club ? Sure::level : Sure::open;
}

ClubRecord lost_within(const LeaguePosition& pos, int rival, unsigned group) {
    ClubRecord r = pos.record_within(rival, group);
    for (int o = 1; o <= 6; ++o)
        if (o != rival && ((group >> o) & 1u)) r.losses += pos.left[rival][o];
    return r;
}

Sure sure_within(const LeaguePosition& pos, int club, int rival, unsigned group) {
    return sure(pct(lost_within(pos, rival, group)), pct(best_within(pos, rival, group, club, 0)),
                pct(pos.record_within(club, group)));
}

// Head to head, the same in every group that may end level holding both, or open.
Sure sure_head_to_head(const LeaguePosition& pos, int club, int rival, long long level_key) {
    std::optional<Sure> common;
    for (unsigned others = 0; others < (1u << 7); others += 2) {
        if (((others >> club) & 1u) || ((others >> rival) & 1u)) continue;
        const unsigned group = others | (1u << club) | (1u << rival);
        if (others != 0 && !may_end_level(pos, club, group, 0, level_key)) continue;
        const Sure s = sure_within(pos, club, rival, group);
        if (common && *common != s) return Sure::open;
        common = s;
    }
    return common.value_or(Sure::open);
}

Sure sure_previous(const TieRules& rules, int club, int rival) {
    const int c = rules.previous_place[club], r = rules.previous_place[rival];
    if (c == 0 || r == 0 || c == r) return Sure::level;
    if (r < c) return Sure::above;
    return previous_step(rules, club, rival) == Reach::below ? Sure::below : Sure::open;
}

Sure sure_step(const LeaguePosition& pos, const TieRules& rules, TieStep step, int club, int rival, long long level_key) {
    switch (step) {
        case TieStep::percentage: return Sure::level;
        case TieStep::wins: {
            const auto range = wins_when_level(pos, rival, pos.games_left(rival), level_key);
            return range ? sure(range->first, range->second, pos.clubs[club].wins) : Sure::open;
        }
        case TieStep::head_to_head: return sure_head_to_head(pos, club, rival, level_key);
        case TieStep::league_percentage: return sure_within(pos, club, rival, 0x7Eu);
        case TieStep::previous_place: return sure_previous(rules, club, rival);
    }
    return Sure::open;
}

}  // namespace

bool surely_passes_when_level(const LeaguePosition& pos, const TieRules& rules, int club, int rival, long long level_key) {
    for (TieStep step : rules.steps) {
        const Sure s = sure_step(pos, rules, step, club, rival, level_key);
        if (s != Sure::level) return s == Sure::above;
    }
    // No step parts them: the worse finish for the club, unless level clubs share the place.
    return !rules.level_keeps_chance;
}

bool may_pass_when_level(const LeaguePosition& pos, const TieRules& rules, int club, int rival, int wins_to_place,
                         long long level_key) {
    for (TieStep step : rules.steps) {
        const Reach r = step_reach(pos, rules, step, club, rival, wins_to_place, level_key);
        if (r != Reach::level) return r == Reach::above;
    }
    // Every step may leave them level: the worse finish for the club.
    return true;
}

}  // namespace tev
