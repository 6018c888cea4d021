#include "core/race/club_games.h"

#include <algorithm>

#include "core/store/game_string.h"
#include "core/store/teams.h"

namespace tev {

int innings_played(const Text& game) {
    int innings = 0;
    for (bool first : {true, false})
        for (int i = 15; i >= 1; --i)
            if (inning_cell(game, first, i) != U"  " && !inning_cell(game, first, i).empty()) {
                innings = std::max(innings, i);
                break;
            }
    return innings;
}

namespace {

// The game between `visitor` and `home` as `team`, one of the two, played it.
ClubGame club_game(int team, int visitor, int home, const Text& game) {
    ClubGame g;
    g.game = &game;
    g.month = game_month(game);
    g.day = game_day(game);
    g.home = home == team;
    g.rival = g.home ? visitor : home;
    g.interleague = league_of(g.rival) != league_of(team);
    g.runs = g.home ? second_runs(game) : first_runs(game);
    g.rival_runs = g.home ? first_runs(game) : second_runs(game);
    g.outcome = g.runs > g.rival_runs ? 1 : (g.runs < g.rival_runs ? -1 : 0);
    g.innings = innings_played(game);
    return g;
}

}  // namespace

std::vector<ClubGame> club_games(const Season& season, int team, const std::function<bool(const Text&)>& keep) {
    const int league = league_of(team);
    std::vector<ClubGame> games;
    // The store's own order (first-batting club, home club, meeting), which keeps a
    // double-header's games in the order they were filed; the interleague store after the league's.
    for_each_game(season, first_team(league), last_team(league), [&](Slot slot, const Text& game) {
        const int visitor = slot.team;
        const int home = home_team(slot);
        if ((visitor != team && home != team) || (keep && !keep(game))) return;
        games.push_back(club_game(team, visitor, home, game));
    });
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        const int visitor = slot.team;
        const int home = interleague_home(slot);
        if ((visitor != team && home != team) || (keep && !keep(game))) return;
        games.push_back(club_game(team, visitor, home, game));
    });
    std::stable_sort(games.begin(), games.end(), [](const ClubGame& a, const ClubGame& b) {
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    });
    return games;
}

}  // namespace tev
