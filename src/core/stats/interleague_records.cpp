#include "core/stats/interleague_records.h"

#include "core/stats/game_outcome.h"
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr int kInningCells = 15;

bool holds_runs(TextView cell) {
    return cell.find_first_of(U"0123456789") != TextView::npos && read_number(cell).has_value();
}

// Adds one side's part of a game: `runs` scored, `rival_runs` allowed, its innings and the rival's.
void add_side(InterleagueClub& club, int outcome, int runs, int rival_runs, int batted,
              int pitched) {
    if (outcome > 0)
        club.record.wins += 1;
    else if (outcome < 0)
        club.record.losses += 1;
    else
        club.record.draws += 1;
    club.scored += runs;
    club.allowed += rival_runs;
    club.innings_batted += batted;
    club.innings_pitched += pitched;
}

}  // namespace

int innings_batted(TextView game, bool first) {
    int innings = 0;
    for (int i = 1; i <= kInningCells; ++i)
        if (holds_runs(inning_cell(game, first, i))) innings += 1;
    return innings;
}

InterleagueRecords build_interleague_records(const Season& season) {
    InterleagueRecords records;
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        const int visitor = slot.team;
        const int home = interleague_home(slot);
        const int outcome = first_club_outcome(game);
        const int visitor_runs = first_runs(game), home_runs = second_runs(game);
        const int visitor_innings = innings_batted(game, true),
                  home_innings = innings_batted(game, false);
        add_side(records.clubs[visitor], outcome, visitor_runs, home_runs, visitor_innings,
                 home_innings);
        add_side(records.clubs[home], -outcome, home_runs, visitor_runs, home_innings,
                 visitor_innings);
        if (outcome > 0) records.wins_over[visitor][home] += 1;
        if (outcome < 0) records.wins_over[home][visitor] += 1;
        records.games += 1;
    });
    return records;
}

}  // namespace tev
