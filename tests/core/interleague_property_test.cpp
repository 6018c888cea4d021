// Properties of generated 2026 seasons (25 meetings a league pair, 3 an interleague pair, 143 games
// a club): every table counts each league and interleague game once, for the club of each league
// in it, and the two leagues' records against each other mirror one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "core/history/history_make.h"
#include "core/homeruns/homerun_make.h"
#include "core/pitchers/pitcher_make.h"
#include "core/race/club_games.h"
#include "core/race/league_position.h"
#include "core/stats/inning_totals.h"
#include "core/stats/standings.h"
#include "core/stats/streaks.h"
#include "core/stats/tallies.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "support/interleague_season_gen.h"

namespace tev {
namespace {

constexpr int kLeagueGames = 5 * test::k2026LeagueMeetings;             // 125
constexpr int kInterleagueGames = 6 * test::k2026InterleagueMeetings;  // 18

// A club's games counted straight from the store, apart from every builder.
struct Played {
    int league = 0;
    int interleague = 0;
    int interleague_home = 0;
    int wins = 0, losses = 0, draws = 0;
    int runs = 0;

    int games() const { return league + interleague; }
};

void count_game(std::array<Played, 13>& clubs, int first, int second, const Text& game, bool interleague) {
    const int r1 = first_runs(game), r2 = second_runs(game);
    for (const int team : {first, second}) {
        Played& p = clubs[team];
        (interleague ? p.interleague : p.league) += 1;
        const int own = team == first ? r1 : r2, other = team == first ? r2 : r1;
        p.runs += own;
        p.wins += own > other;
        p.losses += own < other;
        p.draws += own == other;
    }
    if (interleague) ++clubs[second].interleague_home;
}

std::array<Played, 13> played_by_club(const Season& season) {
    std::array<Played, 13> clubs{};
    for_each_game(season, 1, 12,
                  [&](Slot slot, const Text& game) { count_game(clubs, slot.team, home_team(slot), game, false); });
    for_each_interleague_game(
        season, [&](Slot slot, const Text& game) { count_game(clubs, slot.team, interleague_home(slot), game, true); });
    return clubs;
}

// Every stored game, league and interleague, with its two clubs.
template <class Visit>
void for_every_game(const Season& season, Visit&& visit) {
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) { visit(slot.team, home_team(slot), game); });
    for_each_interleague_game(season,
                              [&](Slot slot, const Text& game) { visit(slot.team, interleague_home(slot), game); });
}

int day_of(const Text& game) { return season_day(game_month(game), game_day(game)); }

StandingRow row_of(const Season& season, int team) {
    const int league = league_of(team);
    for (const StandingRow& row : build_standings(season, first_team(league), last_team(league)))
        if (row_club(row) == league_index(team)) return row;
    ADD_FAILURE() << "no row for team " << team;
    return {};
}

Tally league_tally(const TeamTallies& tallies, int team) {
    Tally sum;
    for (int rival = 1; rival <= 6; ++rival) {
        const Tally& t = tallies.vs_tally(league_of(team) - 1, league_index(team), rival);
        sum.wins += t.wins;
        sum.losses += t.losses;
        sum.draws += t.draws;
    }
    return sum;
}

int pitcher_total(const PitcherTable& table, std::int16_t PitcherRow::*count) {
    int n = 0;
    for (const PitcherRow& row : table) n += row.*count;
    return n;
}

template <class Table>
int homerun_total(const Table& table) {
    int n = 0;
    for (const Text& entry : table) n += tally_count(entry);
    return n;
}

class Generated2026 : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void SetUp() override { season_ = std::make_unique<Season>(test::generate_2026_season(GetParam())); }

    std::unique_ptr<Season> season_;
};

TEST_P(Generated2026, EveryGameIsFiledOnTheCalendarOf2026) {
    const Season& season = *season_;
    EXPECT_EQ(season.shape(), era_shape(2026));
    const std::array<Played, 13> played = played_by_club(season);
    for (int team = 1; team <= 12; ++team) {
        SCOPED_TRACE(team);
        EXPECT_EQ(played[team].league, kLeagueGames);
        EXPECT_EQ(played[team].interleague, kInterleagueGames);
        EXPECT_EQ(played[team].interleague_home, kInterleagueGames / 2);
    }
    // Each interleague pair meets three times, in meetings 1..3.
    std::array<std::array<int, 13>, 13> meetings{};
    for_each_interleague_game(season, [&](Slot slot, const Text&) {
        EXPECT_LE(slot.meet, test::k2026InterleagueMeetings);
        ++meetings[slot.team][interleague_home(slot)];
        ++meetings[interleague_home(slot)][slot.team];
    });
    for (int c = 1; c <= 6; ++c)
        for (int p = 7; p <= 12; ++p) EXPECT_EQ(meetings[c][p], test::k2026InterleagueMeetings) << c << " v " << p;

    const int opening = season_day(3, 27), last = season_day(10, 4);
    const int weeks_start = season_day(5, 26), weeks_end = season_day(6, 14), resumes = season_day(6, 19);
    for_each_game(season, 1, 12, [&](Slot, const Text& game) {
        EXPECT_GE(day_of(game), opening);
        EXPECT_LE(day_of(game), last);
        EXPECT_TRUE(day_of(game) < weeks_start || day_of(game) >= resumes);
    });
    for_each_interleague_game(season, [&](Slot, const Text& game) {
        EXPECT_GE(day_of(game), weeks_start);
        EXPECT_LE(day_of(game), weeks_end);
    });
    // No club plays twice on one day.
    std::set<std::pair<int, int>> club_days;
    int games = 0;
    for_every_game(season, [&](int first, int second, const Text& game) {
        club_days.insert({first, day_of(game)});
        club_days.insert({second, day_of(game)});
        ++games;
    });
    EXPECT_EQ(games, 12 * 143 / 2);
    EXPECT_EQ(club_days.size(), 2u * static_cast<std::size_t>(games));
}

TEST_P(Generated2026, DrawsComeAfterTwelveInningsAndSomeGamesEndSo) {
    int draws = 0, interleague_draws = 0;
    for_every_game(*season_, [&](int first, int second, const Text& game) {
        if (first_runs(game) != second_runs(game)) return;
        ++draws;
        interleague_draws += league_of(first) != league_of(second);
        EXPECT_EQ(innings_played(game), 12);
    });
    EXPECT_GT(draws, 0);
    EXPECT_GT(interleague_draws, 0);
}

TEST_P(Generated2026, EveryClubPlays143Games) {
    const std::array<Played, 13> played = played_by_club(*season_);
    for (int team = 1; team <= 12; ++team) {
        SCOPED_TRACE(team);
        const StandingRow row = row_of(*season_, team);
        EXPECT_EQ(row_games(row), 143);
        EXPECT_EQ(row_games(row), games_per_club(season_->shape()));
        EXPECT_EQ(row_wins(row), played[team].wins);
        EXPECT_EQ(row_losses(row), played[team].losses);
        EXPECT_EQ(row_draws(row), played[team].draws);
        EXPECT_EQ(row_scored(row), played[team].runs);
    }
}

TEST_P(Generated2026, WithinEachLeagueItsGamesWinsEqualLosses) {
    const TeamTallies tallies = build_team_tallies(*season_);
    for (int league = 1; league <= 2; ++league) {
        SCOPED_TRACE(league);
        Tally from_grid;
        int wins = 0, losses = 0, draws = 0;
        for (int team = first_team(league); team <= last_team(league); ++team) {
            const Tally t = league_tally(tallies, team);
            from_grid.wins += t.wins;
            from_grid.losses += t.losses;
            from_grid.draws += t.draws;
            // The league games are the standings less the interleague games.
            const StandingRow row = row_of(*season_, team);
            const Tally inter = tallies.interleague_total(team);
            wins += row_wins(row) - inter.wins;
            losses += row_losses(row) - inter.losses;
            draws += row_draws(row) - inter.draws;
        }
        EXPECT_EQ(from_grid.wins, from_grid.losses);
        EXPECT_EQ(from_grid.wins + from_grid.losses + from_grid.draws, 6 * kLeagueGames);
        EXPECT_EQ(wins, losses);
        EXPECT_EQ(wins, from_grid.wins);
        EXPECT_EQ(draws, from_grid.draws);
    }
}

TEST_P(Generated2026, TheTwoLeaguesInterleagueRecordsMirrorEachOther) {
    const TeamTallies tallies = build_team_tallies(*season_);
    Tally central, pacific;
    for (int c = 1; c <= 6; ++c)
        for (int p = 1; p <= 6; ++p) {
            const Tally& seen_from_central = tallies.inter_tally(c, p);
            const Tally& seen_from_pacific = tallies.inter_tally(team_of(2, p), c);
            EXPECT_EQ(seen_from_central.wins, seen_from_pacific.losses) << c << " v " << p;
            EXPECT_EQ(seen_from_central.losses, seen_from_pacific.wins) << c << " v " << p;
            EXPECT_EQ(seen_from_central.draws, seen_from_pacific.draws) << c << " v " << p;
            EXPECT_EQ(seen_from_central.wins + seen_from_central.losses + seen_from_central.draws,
                      test::k2026InterleagueMeetings);
        }
    for (int team = 1; team <= 12; ++team) {
        const Tally t = tallies.interleague_total(team);
        EXPECT_EQ(t.wins + t.losses + t.draws, kInterleagueGames) << team;
        Tally& side = league_of(team) == 1 ? central : pacific;
        side.wins += t.wins;
        side.losses += t.losses;
        side.draws += t.draws;
    }
    EXPECT_EQ(central.wins, pacific.losses);
    EXPECT_EQ(central.losses, pacific.wins);
    EXPECT_EQ(central.draws, pacific.draws);
    EXPECT_EQ(central.wins + central.losses + central.draws, 36 * test::k2026InterleagueMeetings);
}

TEST_P(Generated2026, TalliesAgreeWithTheStandings) {
    const TeamTallies tallies = build_team_tallies(*season_);
    for (int team = 1; team <= 12; ++team) {
        SCOPED_TRACE(team);
        const StandingRow row = row_of(*season_, team);
        const Tally league = league_tally(tallies, team);
        const Tally inter = tallies.interleague_total(team);
        EXPECT_EQ(league.wins + inter.wins, row_wins(row));
        EXPECT_EQ(league.losses + inter.losses, row_losses(row));
        EXPECT_EQ(league.draws + inter.draws, row_draws(row));
        Tally months;
        for (int column = kFirstMonthColumn; column <= kLastMonthColumn; ++column) {
            months.wins += tallies.month_tally(team, column).wins;
            months.losses += tallies.month_tally(team, column).losses;
            months.draws += tallies.month_tally(team, column).draws;
        }
        EXPECT_EQ(months.wins, row_wins(row));
        EXPECT_EQ(months.losses, row_losses(row));
        EXPECT_EQ(months.draws, row_draws(row));
    }
}

TEST_P(Generated2026, PitcherTablesCreditEveryDecidedGameOnce) {
    int decided = 0, saved = 0;
    std::array<int, 3> league_wins{};  // by the winner's league
    for_every_game(*season_, [&](int first, int second, const Text& game) {
        if (first_runs(game) == second_runs(game)) return;
        ++decided;
        saved += !save_pitcher(game).empty();
        ++league_wins[league_of(first_runs(game) > second_runs(game) ? first : second)];
    });
    const PitcherBuild central = build_pitcher_table(*season_, 1, 6);
    const PitcherBuild pacific = build_pitcher_table(*season_, 7, 12);
    const PitcherBuild both = merge_pitcher_tables(*season_, central, pacific);
    EXPECT_EQ(central.left_out + pacific.left_out + both.left_out, 0);
    EXPECT_EQ(pitcher_total(central.table, &PitcherRow::wins), league_wins[1]);
    EXPECT_EQ(pitcher_total(pacific.table, &PitcherRow::wins), league_wins[2]);
    EXPECT_EQ(pitcher_total(central.table, &PitcherRow::wins) + pitcher_total(pacific.table, &PitcherRow::wins),
              decided);
    EXPECT_EQ(pitcher_total(both.table, &PitcherRow::wins), decided);
    EXPECT_EQ(pitcher_total(both.table, &PitcherRow::losses), decided);
    EXPECT_EQ(pitcher_total(both.table, &PitcherRow::saves), saved);
    EXPECT_EQ(both.table, build_pitcher_table(*season_, 1, 12).table);
}

TEST_P(Generated2026, InningTotalsCoverEveryGame) {
    const InningTotals totals = build_inning_totals(*season_);
    const std::array<Played, 13> played = played_by_club(*season_);
    int all = 0, runs = 0;
    for (int team = 1; team <= 12; ++team) {
        int sum = 0;
        for (int inning = 1; inning <= kInnings; ++inning)
            sum += totals.runs_batting_first(team, inning) + totals.runs_batting_second(team, inning);
        EXPECT_EQ(sum, played[team].runs) << team;
        all += sum;
    }
    for_every_game(*season_, [&](int, int, const Text& game) { runs += first_runs(game) + second_runs(game); });
    EXPECT_EQ(all, runs);
}

TEST_P(Generated2026, ResultSequencesHoldAllHundredAndFortyThreeGames) {
    const Streaks streaks = build_streaks(*season_);
    for (int team = 1; team <= 12; ++team) {
        const Text& seq = streaks.result_seq[team];
        const StandingRow row = row_of(*season_, team);
        EXPECT_EQ(static_cast<int>(seq.size()), 143) << team;
        EXPECT_EQ(std::count(seq.begin(), seq.end(), U'○'), row_wins(row)) << team;
        EXPECT_EQ(std::count(seq.begin(), seq.end(), U'△'), row_draws(row)) << team;
    }
}

TEST_P(Generated2026, HomeRunTablesCountEveryRecord) {
    int records = 0;
    std::array<int, 3> by_batters_league{}, by_pitchers_league{};
    for_every_game(*season_, [&](int, int, const Text& game) {
        for (int j = 0; j < hr_count(game); ++j) {
            const HrEntry hr = parse_hr(hr_at(game, j));
            ++records;
            ++by_batters_league[league_of(hr.batter_team)];
            ++by_pitchers_league[league_of(hr.pitcher_team)];
        }
    });
    const HomerunBuild build = homerun_make(*season_);
    EXPECT_FALSE(build.left_out.any());
    EXPECT_EQ(homerun_total(build.tables.bat_all), records);
    EXPECT_EQ(homerun_total(build.tables.pit_all), records);
    EXPECT_EQ(homerun_total(build.tables.bat_c), by_batters_league[1]);
    EXPECT_EQ(homerun_total(build.tables.bat_p), by_batters_league[2]);
    EXPECT_EQ(homerun_total(build.tables.pit_c), by_pitchers_league[1]);
    EXPECT_EQ(homerun_total(build.tables.pit_p), by_pitchers_league[2]);
}

TEST_P(Generated2026, TheHistoryEndsWhereTheStandingsDo) {
    const auto history = std::make_unique<History>(history_make(*season_));
    EXPECT_TRUE(history_left_out(*season_).empty());
    for (int team = 1; team <= 12; ++team) {
        const StandingRow row = row_of(*season_, team);
        EXPECT_EQ(history->pct[kHistoryDays][team], history_pct(row_wins(row), row_losses(row))) << team;
    }
}

// The season as it stood at the end of `last_day`: the games played by then filed, no later one.
std::unique_ptr<Season> filed_through(const Season& full, int last_day) {
    auto season = std::make_unique<Season>(full);
    for (Text& game : season->games)
        if (!game.empty() && day_of(game) > last_day) game.clear();
    for (Text& game : season->interleague)
        if (!game.empty() && day_of(game) > last_day) game.clear();
    return season;
}

TEST_P(Generated2026, APartSeasonCountsTheGamesPlayedAndLeavesTheRest) {
    std::set<int> game_days;
    for_every_game(*season_, [&](int, int, const Text& game) { game_days.insert(day_of(game)); });
    const std::vector<int> days(game_days.begin(), game_days.end());
    ASSERT_GT(days.size(), 30u);
    const int in_the_weeks = season_day(6, 3);  // two games into the third interleague series
    for (const int last_day : {days[0], days[29], in_the_weeks, days[days.size() - 6]}) {
        SCOPED_TRACE(last_day);
        const auto season = filed_through(*season_, last_day);
        const std::array<Played, 13> played = played_by_club(*season);
        const TeamTallies tallies = build_team_tallies(*season);
        for (int team = 1; team <= 12; ++team) {
            SCOPED_TRACE(team);
            const StandingRow row = row_of(*season, team);
            EXPECT_EQ(row_games(row), played[team].games());
            EXPECT_LT(row_games(row), 143);
            const Tally inter = tallies.interleague_total(team);
            EXPECT_EQ(inter.wins + inter.losses + inter.draws, played[team].interleague);
            if (last_day == in_the_weeks) {
                EXPECT_EQ(played[team].interleague, 8);
            }
            // The race's games left, the interleague games to come among them, and the games
            // played make the season's 143.
            const LeaguePosition pos = league_position(*season, league_of(team), test::k2026LeagueMeetings);
            EXPECT_EQ(pos.games_left(league_index(team)) + played[team].games(), 143);
            EXPECT_EQ(pos.league_games_left(league_index(team)), kLeagueGames - played[team].league);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, Generated2026, ::testing::Values(1u, 2u, 3u, 26u));

}  // namespace
}  // namespace tev
