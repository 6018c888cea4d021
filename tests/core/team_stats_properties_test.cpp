// Properties of the team statistics on generated full seasons: every tally, sequence and count
// agrees with the standings and with the number of stored games.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/stats/head_to_head_report.h"
#include "core/stats/inning_totals.h"
#include "core/stats/monthly_report.h"
#include "core/stats/score_list.h"
#include "core/stats/standings.h"
#include "core/stats/standings_as_of.h"
#include "core/stats/streaks.h"
#include "core/stats/streaks_report.h"
#include "core/stats/tallies.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"
#include "season_gen.h"
#include "support/golden.h"

namespace tev {
namespace {

using test::matches_golden;

class GeneratedSeason : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void SetUp() override { season_ = std::make_unique<Season>(gen::generate_season("1996", GetParam())); }

    // The standings row of `team`.
    StandingRow row_of(int team) const {
        const LeagueTable table = build_standings(*season_, first_team(league_of(team)), last_team(league_of(team)));
        for (const auto& row : table)
            if (row_club(row) == league_index(team)) return row;
        return {};
    }

    int stored_games() const {
        int n = 0;
        for_each_game(*season_, 1, 12, [&](Slot, const Text&) { ++n; });
        return n;
    }

    std::unique_ptr<Season> season_;
};

TEST_P(GeneratedSeason, HeadToHeadTotalsEqualTheStandings) {
    const TeamTallies tallies = build_team_tallies(*season_);
    for (int team = 1; team <= 12; ++team) {
        Tally sum;
        for (int rival = 1; rival <= 6; ++rival) {
            const Tally& t = tallies.vs_tally(league_of(team) - 1, league_index(team), rival);
            const Tally& back = tallies.vs_tally(league_of(team) - 1, rival, league_index(team));
            EXPECT_EQ(t.wins, back.losses);
            EXPECT_EQ(t.draws, back.draws);
            sum.wins += t.wins;
            sum.draws += t.draws;
            sum.losses += t.losses;
        }
        const StandingRow row = row_of(team);
        EXPECT_EQ(sum.wins, row_wins(row)) << team;
        EXPECT_EQ(sum.losses, row_losses(row)) << team;
        EXPECT_EQ(sum.draws, row_draws(row)) << team;
    }
}

TEST_P(GeneratedSeason, MonthlyTotalsEqualTheStandings) {
    const TeamTallies tallies = build_team_tallies(*season_);
    for (int team = 1; team <= 12; ++team) {
        Tally sum;
        for (int column = kFirstMonthColumn; column <= kLastMonthColumn; ++column) {
            sum.wins += tallies.month_tally(team, column).wins;
            sum.draws += tallies.month_tally(team, column).draws;
            sum.losses += tallies.month_tally(team, column).losses;
        }
        const StandingRow row = row_of(team);
        EXPECT_EQ(sum.wins, row_wins(row)) << team;
        EXPECT_EQ(sum.losses, row_losses(row)) << team;
        EXPECT_EQ(sum.draws, row_draws(row)) << team;
    }
}

TEST_P(GeneratedSeason, TheScoreListCountsAddUpToTheGames) {
    const ScoreList score_list = build_score_list(*season_);
    int all = 0, central = 0;
    for (int e = 0; e < score_list_size(score_list); ++e) {
        const Text& entry = score_list[e];
        const long long a = number_or_zero(mid(entry, 9, 3));
        const long long c = number_or_zero(mid(entry, 18, 3));
        const long long p = number_or_zero(mid(entry, 26, 3));
        EXPECT_EQ(a, c + p);
        if (e > 0) {
            EXPECT_LE(a, number_or_zero(mid(score_list[e - 1], 9, 3)));
        }
        all += static_cast<int>(a);
        central += static_cast<int>(c);
    }
    EXPECT_EQ(all, stored_games());
    EXPECT_EQ(central, 390);
    const Text totals = score_list_report(score_list).lines.back();
    EXPECT_EQ(totals, U"合　　計      780 回    390 回   390 回");
}

TEST_P(GeneratedSeason, ResultSequencesHoldEveryGameOfTheClub) {
    const Streaks streaks = build_streaks(*season_);
    for (int team = 1; team <= 12; ++team) {
        const Text& seq = streaks.result_seq[team];
        const StandingRow row = row_of(team);
        EXPECT_EQ(static_cast<int>(seq.size()), row_games(row));
        EXPECT_EQ(std::count(seq.begin(), seq.end(), U'○'), row_wins(row));
        EXPECT_EQ(std::count(seq.begin(), seq.end(), U'●'), row_losses(row));
        const auto& wins = streaks.win_streaks[team];
        EXPECT_GT(wins[0].length, wins[1].length);
        EXPECT_GT(wins[1].length, wins[2].length);
    }
}

TEST_P(GeneratedSeason, InningTotalsAddUpToTheRuns) {
    const InningTotals totals = build_inning_totals(*season_);
    for (int team = 1; team <= 12; ++team) {
        int runs = 0;
        for (int inning = 1; inning <= kInnings; ++inning)
            runs += totals.runs_batting_first(team, inning) + totals.runs_batting_second(team, inning);
        EXPECT_EQ(runs, row_scored(row_of(team))) << team;
    }
}

TEST_P(GeneratedSeason, StandingsAsOfTheLastDayAreTheSeasonsAndGrowDayByDay) {
    EXPECT_EQ(build_standings_as_of(*season_, 1, 6, {10, 31}), build_standings(*season_, 1, 6));
    EXPECT_EQ(build_standings_as_of(*season_, 7, 12, {10, 31}), build_standings(*season_, 7, 12));
    int previous = -1;
    for (AsOfDate date = {3, 1}; date != AsOfDate{10, 31}; date = as_of_step_forward(date)) {
        int games = 0;
        for (const auto& row : build_standings_as_of(*season_, 1, 6, date)) games += row_games(row);
        EXPECT_GE(games, previous);
        previous = games;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedSeason, ::testing::Values(1u, 7u, 2024u));

// Whole panes of one generated season, for review and as a guard against unintended change.
TEST(GeneratedSeasonPanes, ReportsOfSeedOne) {
    const auto season = std::make_unique<Season>(gen::generate_season("1996", 1));
    const TeamTallies tallies = build_team_tallies(*season);
    const LeagueTable central = build_standings(*season, 1, 6), pacific = build_standings(*season, 7, 12);
    EXPECT_TRUE(matches_golden("head_to_head/generated_record.txt",
                               vs_record_report(tallies, central, pacific, "1996", 0).lines));
    EXPECT_TRUE(matches_golden("head_to_head/generated_pct.txt",
                               vs_pct_report(tallies, central, pacific, "1996", 0).lines));
    EXPECT_TRUE(matches_golden("monthly/generated_record.txt", monthly_record_report(tallies, 0).lines));
    EXPECT_TRUE(matches_golden("monthly/generated_pct.txt", monthly_pct_report(tallies, 0).lines));
    EXPECT_TRUE(matches_golden("streaks/generated.txt", streaks_report(build_streaks(*season)).lines));
    EXPECT_TRUE(matches_golden("score_list/generated.txt", score_list_report(build_score_list(*season)).lines));
}

}  // namespace
}  // namespace tev
