#include "core/race/league_position.h"

#include <algorithm>

#include "core/stats/standings.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"

namespace tev {

int LeaguePosition::games_left(int club) const {
    int n = 0;
    for (int rival = 1; rival <= 6; ++rival) n += left[club][rival];
    return n;
}

LeaguePosition league_position(const Season& season, int league, int meetings,
                               const std::function<bool(const Text&)>& keep) {
    LeaguePosition pos;
    pos.league = league;
    pos.wins_ranked = league == 1 && wins_ranked_year(season.disp_year);
    pos.meetings = meetings;
    for_each_game(season, first_team(league), last_team(league), [&](Slot slot, const Text& game) {
        if (keep && !keep(game)) return;
        const int v = league_index(slot.team);
        const int h = slot.opp;
        // Decided as the standings decide it, so that both count the same record.
        const int r1 = first_runs(game);
        const int r2 = second_runs(game);
        ++pos.played[v][h];
        if (v != h) ++pos.played[h][v];
        if (r1 > r2) {
            ++pos.clubs[v].wins;
            ++pos.clubs[h].losses;
        } else if (r1 < r2) {
            ++pos.clubs[h].wins;
            ++pos.clubs[v].losses;
        } else {
            ++pos.clubs[v].draws;
            ++pos.clubs[h].draws;
        }
    });
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            if (a != b) pos.left[a][b] = std::max(0, meetings - pos.played[a][b]);
    return pos;
}

}  // namespace tev
