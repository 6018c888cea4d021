#include "core/race/league_position.h"

#include <algorithm>
#include <bit>

#include "core/stats/standings.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"

namespace tev {

namespace {

// Counts one game for the visitor `v` and the home club `h` (either may be 0: a club of the other
// league, outside the position), decided as the standings decide it so that both count the same
// record.
void count_result(LeaguePosition& pos, int v, int h, const Text& game) {
    const int r1 = first_runs(game);
    const int r2 = second_runs(game);
    if (v && h && v != h) {
        if (r1 > r2) ++pos.beat[v][h];
        if (r1 < r2) ++pos.beat[h][v];
    }
    ClubRecord none;
    ClubRecord& visitor = v ? pos.clubs[v] : none;
    ClubRecord& home = h ? pos.clubs[h] : none;
    if (r1 > r2) {
        ++visitor.wins;
        ++home.losses;
    } else if (r1 < r2) {
        ++home.wins;
        ++visitor.losses;
    } else {
        ++visitor.draws;
        ++home.draws;
    }
}

// Each club's interleague games in its record, and the games it has left against the other
// league, counted pair by pair as the league's are, so that a pair that met too often takes
// nothing from another pair's games.
void count_interleague_games(const Season& season, LeaguePosition& pos,
                             const std::function<bool(const Text&)>& keep) {
    // played[club][rival]: meetings with each club of the other league, by its league index.
    std::array<std::array<int, 7>, 7> played{};
    const auto ours = [&](int team) {
        return league_of(team) == pos.league ? league_index(team) : 0;
    };
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        if (keep && !keep(game)) return;
        const int home = interleague_home(slot);
        const int v = ours(slot.team);
        const int h = ours(home);
        count_result(pos, v, h, game);
        if (v) ++played[v][league_index(home)];
        if (h) ++played[h][league_index(slot.team)];
    });
    for (int club = 1; club <= 6; ++club)
        for (int rival = 1; rival <= 6; ++rival)
            pos.interleague_left[club] +=
                std::max(0, season.interleague_meetings - played[club][rival]);
}

}  // namespace

int LeaguePosition::league_games_left(int club) const {
    int n = 0;
    for (int rival = 1; rival <= 6; ++rival) n += left[club][rival];
    return n;
}

int LeaguePosition::games_left(int club) const {
    return league_games_left(club) + interleague_left[club];
}

ClubRecord LeaguePosition::record_within(int club, unsigned group) const {
    ClubRecord r;
    for (int rival = 1; rival <= 6; ++rival) {
        if (rival == club || !((group >> rival) & 1u)) continue;
        r.wins += beat[club][rival];
        r.losses += beat[rival][club];
        r.draws += played[club][rival] - beat[club][rival] - beat[rival][club];
    }
    return r;
}

std::vector<int> clubs_in(unsigned mask) {
    std::vector<int> clubs;
    for (int c = 1; c <= 6; ++c)
        if ((mask >> c) & 1u) clubs.push_back(c);
    return clubs;
}

std::vector<unsigned> rival_sets(int club, int count) {
    std::vector<unsigned> sets;
    for (unsigned m = 0; m < (1u << 7); m += 2)
        if (!((m >> club) & 1u) && std::popcount(m) == count) sets.push_back(m);
    return sets;
}

ClubRecord LeaguePosition::league_record(int club) const { return record_within(club, 0x7Eu); }

LeaguePosition league_position(const Season& season, int league, int meetings,
                               const std::function<bool(const Text&)>& keep) {
    LeaguePosition pos;
    pos.league = league;
    pos.wins_ranked = league == 1 && wins_ranked_year(season.disp_year);
    pos.meetings = meetings;
    pos.interleague_play = has_interleague_play(season);
    for_each_game(season, first_team(league), last_team(league), [&](Slot slot, const Text& game) {
        if (keep && !keep(game)) return;
        const int v = league_index(slot.team);
        const int h = slot.opp;
        ++pos.played[v][h];
        if (v != h) ++pos.played[h][v];
        count_result(pos, v, h, game);
    });
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            if (a != b) pos.left[a][b] = std::max(0, meetings - pos.played[a][b]);
    count_interleague_games(season, pos, keep);
    return pos;
}

}  // namespace tev
