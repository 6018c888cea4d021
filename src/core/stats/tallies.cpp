#include "core/stats/tallies.h"

#include "core/stats/game_outcome.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

int month_column(int month) {
    if (month == 3) return kFirstMonthColumn;
    return month >= kFirstMonthColumn && month <= kLastMonthColumn ? month : 0;
}

namespace {

// Adds one game to a tally from its owner's point of view: +1 won, -1 lost, 0 drawn.
void count(Tally& tally, int outcome) {
    if (outcome > 0) ++tally.wins;
    else if (outcome < 0) ++tally.losses;
    else ++tally.draws;
}

}  // namespace

TeamTallies build_team_tallies(const Season& season) {
    TeamTallies tallies;
    const auto count_month = [&](int visitor, int home, int outcome, const Text& game) {
        if (const int column = month_column(game_month(game)); column != 0) {
            count(tallies.month[visitor][column], outcome);
            count(tallies.month[home][column], -outcome);
        }
    };
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        const int league = league_of(slot.team) - 1;
        const int a = league_index(slot.team);
        const int b = slot.opp;
        const int outcome = first_club_outcome(game);
        count(tallies.vs[league][a][b], outcome);
        count(tallies.vs[league][b][a], -outcome);
        count_month(slot.team, home_team(slot), outcome, game);
    });
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        const int home = interleague_home(slot);
        const int outcome = first_club_outcome(game);
        count(tallies.inter[slot.team][slot.opp], outcome);
        count(tallies.inter[home][league_index(slot.team)], -outcome);
        count_month(slot.team, home, outcome, game);
    });
    return tallies;
}

Tally TeamTallies::interleague_total(int team) const {
    Tally total;
    for (int rival = 1; rival <= 6; ++rival) {
        total.wins += inter[team][rival].wins;
        total.draws += inter[team][rival].draws;
        total.losses += inter[team][rival].losses;
    }
    return total;
}

Text tally_cell(const Tally& tally) {
    if (!tally.played()) return Text(7, U' ');
    return right_num_uncut(tally.wins, 2) + U"-" + right_num_uncut(tally.losses, 2) + U"-" + plain_num(tally.draws);
}

}  // namespace tev
