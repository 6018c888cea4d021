// The pennant race with interleague games: they count in each club's record and games left, and
// in the magic numbers and eliminations as games against clubs outside the race; a club's game
// log and its expanded records hold them in playing order.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/race/club_games.h"
#include "core/race/club_records.h"
#include "core/race/game_log.h"
#include "core/race/league_position.h"
#include "core/race/level.h"
#include "core/race/magic.h"
#include "core/race/race_table.h"
#include "core/race/rank_key.h"
#include "support/golden.h"
#include "support/race_oracle.h"
#include "support/season_builder.h"

namespace tev {
namespace {

using test::compare_with_every_outcome;
using test::enumerate;
using test::Enumerated;
using test::KindsSeen;
using test::play;

using test::matches_golden;
using test::pane_lines;

// ---------------------------------------------------------------------------------------------
// Hand-built 2026 seasons: today's clubs, 25 meetings in a league, 3 between the leagues.

Season empty_2026() {
    Season season;
    season.disp_year = "2026";
    season.clubs = todays_club_names();
    season.interleague_meetings = 3;
    return season;
}

// Late May and early June: two league games, four interleague games (one drawn), and a league
// game after them.
Season early_2026() {
    Season season = empty_2026();
    test::add_game(season, {.first = 2,
                            .second = 3,
                            .meet = 1,
                            .first_runs = 4,
                            .second_runs = 2,
                            .month = 5,
                            .day = 20,
                            .first_pitcher = U"奥川",
                            .second_pitcher = U"東"});
    test::add_game(season, {.first = 1,
                            .second = 4,
                            .meet = 1,
                            .first_runs = 3,
                            .second_runs = 1,
                            .month = 5,
                            .day = 21,
                            .first_pitcher = U"戸郷",
                            .second_pitcher = U"才木",
                            .save = U"大勢"});
    test::add_interleague_game(season, {.first = 7,
                                        .second = 1,
                                        .meet = 1,
                                        .first_runs = 2,
                                        .second_runs = 5,
                                        .month = 5,
                                        .day = 27,
                                        .first_pitcher = U"宮城",
                                        .second_pitcher = U"山崎伊"});
    test::add_interleague_game(season, {.first = 4,
                                        .second = 12,
                                        .meet = 1,
                                        .first_runs = 1,
                                        .second_runs = 1,
                                        .month = 5,
                                        .day = 27});
    test::add_interleague_game(season, {.first = 8,
                                        .second = 2,
                                        .meet = 1,
                                        .first_runs = 3,
                                        .second_runs = 0,
                                        .month = 5,
                                        .day = 28,
                                        .first_pitcher = U"今井",
                                        .second_pitcher = U"小川"});
    test::add_interleague_game(season, {.first = 1,
                                        .second = 11,
                                        .meet = 1,
                                        .first_runs = 0,
                                        .second_runs = 4,
                                        .month = 6,
                                        .day = 2,
                                        .first_pitcher = U"グリフィン",
                                        .second_pitcher = U"佐々木朗"});
    test::add_game(season, {.first = 5,
                            .second = 6,
                            .meet = 1,
                            .first_runs = 6,
                            .second_runs = 3,
                            .month = 6,
                            .day = 20});
    return season;
}

TEST(RaceInterleague, GamesLeftCountTheInterleagueGamesStillToPlay) {
    const Season season = early_2026();
    const LeaguePosition central = league_position(season, 1, 25);
    // 巨人: a league game and two interleague games played, one of them lost.
    EXPECT_EQ(central.clubs[1].wins, 2);
    EXPECT_EQ(central.clubs[1].losses, 1);
    EXPECT_EQ(central.interleague_left[1], 18 - 2);
    EXPECT_EQ(central.games_left(1), 125 - 1 + 16);
    // 阪神 drew at ソフトバンク.
    EXPECT_EQ(central.clubs[4].draws, 1);
    EXPECT_EQ(central.games_left(4), 124 + 17);
    const LeaguePosition pacific = league_position(season, 2, 25);
    EXPECT_EQ(pacific.clubs[league_index(12)].draws, 1);
    EXPECT_EQ(pacific.games_left(league_index(7)), 125 + 17);
    EXPECT_EQ(pacific.games_left(league_index(9)), 125 + 18);
}

TEST(RaceInterleague, APairThatPlayedMoreThanItsMeetingsLeavesTheOthersTheirGames) {
    Season season = empty_2026();
    // 巨人 and 西武 meet four times (one more than the three of the season); the other five
    // Pacific clubs still have three each.
    for (int meet = 1; meet <= 4; ++meet)
        test::add_interleague_game(
            season, {.first = 1, .second = 8, .meet = meet, .first_runs = 2, .second_runs = 1});
    EXPECT_EQ(league_position(season, 1, 25).interleague_left[1], 15);
    EXPECT_EQ(league_position(season, 2, 25).interleague_left[league_index(8)], 15);
}

TEST(RaceInterleague, TheRaceReportShowsEachClubsInterleagueGamesLeft) {
    const ReportPane pane = race_report(early_2026(), 25, std::nullopt);
    EXPECT_TRUE(matches_golden("race_interleague/race_early.golden", pane_lines(pane)));
}

TEST(RaceInterleague, TheRaceAsOfADayLeavesOutTheInterleagueGamesPlayedAfterIt) {
    // As of 27 May: 28 May's game of 西武 at ヤクルト and 2 June's of 巨人 at ロッテ are still to
    // come.
    const ReportPane pane = race_report(early_2026(), 25, AsOfDate{5, 27});
    EXPECT_TRUE(matches_golden("race_interleague/race_as_of.golden", pane_lines(pane)));
    const auto keep = [](const Text& game) { return played_by(game, AsOfDate{5, 27}); };
    const LeaguePosition central = league_position(early_2026(), 1, 25, keep);
    EXPECT_EQ(central.clubs[1].losses, 0);
    EXPECT_EQ(central.interleague_left[1], 17);
    EXPECT_EQ(central.interleague_left[2], 18);
}

TEST(RaceInterleague, ASeasonWithoutInterleaguePlayShowsNoInterleagueColumn) {
    Season season;
    test::add_game(season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 1});
    EXPECT_FALSE(has_interleague_play(season));
    const ReportPane pane = race_report(season, 26, std::nullopt);
    for (const Text& line : pane.lines) EXPECT_EQ(line.find(U"交流"), Text::npos);
    // Interleague games stored in a year without meetings between the leagues still count.
    test::add_interleague_game(
        season, {.first = 1, .second = 7, .meet = 1, .first_runs = 0, .second_runs = 1});
    EXPECT_TRUE(has_interleague_play(season));
    EXPECT_EQ(league_position(season, 1, 26).clubs[1].losses, 1);
    EXPECT_EQ(league_position(season, 1, 26).interleague_left[1], 0);
}

TEST(RaceInterleague, AClubsGameLogHoldsItsInterleagueGamesInPlayingOrder) {
    const ReportPane pane = game_log_report(early_2026(), 1);
    EXPECT_TRUE(matches_golden("race_interleague/game_log.golden", pane_lines(pane)));
}

TEST(RaceInterleague, TheExpandedRecordsCountInterleagueGames) {
    const ReportPane pane = club_records_report(early_2026());
    EXPECT_TRUE(matches_golden("race_interleague/records.golden", pane_lines(pane)));
}

TEST(RaceInterleague, AStreakAndTheOneRunGamesRunThroughInterleagueGames) {
    Season season = empty_2026();
    // 阪神: a league win on 30 May, then a 3-2 win at ロッテ and a 1-0 loss at home to 楽天.
    test::add_game(season, {.first = 4,
                            .second = 5,
                            .meet = 1,
                            .first_runs = 5,
                            .second_runs = 0,
                            .month = 5,
                            .day = 30});
    test::add_interleague_game(season, {.first = 4,
                                        .second = 11,
                                        .meet = 1,
                                        .first_runs = 3,
                                        .second_runs = 2,
                                        .month = 6,
                                        .day = 2});
    test::add_interleague_game(season, {.first = 9,
                                        .second = 4,
                                        .meet = 1,
                                        .first_runs = 1,
                                        .second_runs = 0,
                                        .month = 6,
                                        .day = 3});
    const auto games = club_games(season, 4);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_FALSE(games[0].interleague);
    EXPECT_TRUE(games[1].interleague);
    EXPECT_EQ(games[1].rival, 11);
    EXPECT_EQ(games[2].rival, 9);
    EXPECT_TRUE(games[2].home);
    const ClubRecords r = club_records(games);
    EXPECT_EQ(r.streak, -1);
    EXPECT_EQ(r.one_run.wins, 1);
    EXPECT_EQ(r.one_run.losses, 1);
    EXPECT_EQ(r.interleague.wins, 1);
    EXPECT_EQ(r.interleague.losses, 1);
    EXPECT_EQ(r.road.wins, 2);
    EXPECT_EQ(r.home.losses, 1);
    EXPECT_EQ(r.shutouts_won, 1);
    EXPECT_EQ(r.shutouts_lost, 1);
}

// ---------------------------------------------------------------------------------------------
// A late season of the Central League: every league game played but two of ヤクルト at ＤｅＮＡ;
// 巨人 has three interleague games left (against ソフトバンク), ヤクルト one (against
// ソフトバンク).

// `wins`, `losses` and `draws` games between `a` (visiting) and `b`, from meeting 1, a meeting
// every few days from 1 April.
void play_series(Season& season, int a, int b, int wins, int losses, int draws) {
    int meet = 1;
    const auto play = [&](int a_runs, int b_runs) {
        test::add_game(season, {.first = a,
                                .second = b,
                                .meet = meet,
                                .first_runs = a_runs,
                                .second_runs = b_runs,
                                .month = 4 + (meet - 1) / 5,
                                .day = 1 + (meet - 1) % 5 * 5});
        ++meet;
    };
    for (int n = 0; n < wins; ++n) play(3, 1);
    for (int n = 0; n < losses; ++n) play(1, 3);
    for (int n = 0; n < draws; ++n) play(2, 2);
}

// The interleague games of Central club `club` against the Pacific clubs in order, three meetings
// each (game k: Pacific club k / 3 + 1, meeting k % 3 + 1), the first `played` of them: `wins`
// won, then lost, the last `draws` drawn. All in June, at the Central club's ground.
void play_interleague(Season& season, int club, int played, int wins, int draws) {
    for (int k = 0; k < played; ++k) {
        const int outcome = k < wins ? 1 : (k >= played - draws ? 0 : -1);
        test::add_interleague_game(season, {.first = 7 + k / 3,
                                            .second = club,
                                            .meet = k % 3 + 1,
                                            .first_runs = outcome < 0 ? 3 : 2,
                                            .second_runs = outcome > 0 ? 3 : 2,
                                            .month = 6,
                                            .day = 1 + k});
    }
}

Season late_2026() {
    Season season = empty_2026();
    play_series(season, 1, 2, 13, 12, 0);
    play_series(season, 1, 3, 13, 12, 0);
    play_series(season, 1, 4, 13, 12, 0);
    play_series(season, 1, 5, 13, 11, 1);
    play_series(season, 1, 6, 14, 10, 1);
    play_series(season, 2, 3, 12, 11, 0);  // two left
    play_series(season, 2, 4, 13, 12, 0);
    play_series(season, 2, 5, 13, 12, 0);
    play_series(season, 2, 6, 14, 11, 0);
    play_series(season, 3, 4, 12, 12, 1);
    play_series(season, 3, 5, 13, 12, 0);
    play_series(season, 3, 6, 13, 12, 0);
    play_series(season, 4, 5, 12, 12, 1);
    play_series(season, 4, 6, 13, 12, 0);
    play_series(season, 5, 6, 12, 12, 1);
    play_interleague(season, 1, 15, 9, 1);
    play_interleague(season, 2, 17, 11, 0);
    play_interleague(season, 3, 18, 8, 0);
    play_interleague(season, 4, 18, 9, 0);
    play_interleague(season, 5, 18, 10, 0);
    play_interleague(season, 6, 18, 8, 0);
    return season;
}

TEST(RaceInterleague, TheLeadersMagicNumberCountsItsOwnAndTheRivalsInterleagueGames) {
    const Season season = late_2026();
    const LeaguePosition pos = league_position(season, 1, 25);
    // 巨人 75-62-3 with three interleague games left; ヤクルト 75-65 with two league games and one
    // interleague game left, 78-65 (.5454) at most. One win leaves 巨人 76-64 (.5428), below it;
    // two make 77-63 (.5500).
    EXPECT_EQ(pos.clubs[1].wins, 75);
    EXPECT_EQ(pos.clubs[1].losses, 62);
    EXPECT_EQ(pos.clubs[2].wins, 75);
    EXPECT_EQ(pos.clubs[2].losses, 65);
    EXPECT_EQ(pos.games_left(1), 3);
    EXPECT_EQ(pos.games_left(2), 3);
    EXPECT_EQ(magic_number(pos, 1), 2);
    // Were ヤクルト's interleague game not left, it could reach 77-65 (.5423) only, and one win
    // would do.
    LeaguePosition without = pos;
    without.interleague_left[2] = 0;
    EXPECT_EQ(magic_number(without, 1), 1);
    // ヤクルト cannot pass 巨人 by its own wins (巨人 may win its three), but is not out of it.
    EXPECT_EQ(magic_number(pos, 2), std::nullopt);
    EXPECT_FALSE(eliminated(pos, 2));
    EXPECT_TRUE(eliminated(pos, 3));
    EXPECT_TRUE(matches_golden("race_interleague/race_late.golden",
                               pane_lines(race_report(season, 25, std::nullopt))));
}

TEST(RaceInterleague, ARivalsInterleagueGamesLeftAreGamesItMayWin) {
    // Club 1 10-5 with two interleague games and three against club 2 left; club 2 9-6. Three
    // wins of club 1, two of them in its interleague games, leave it 13-7 and club 2, winning the
    // rest, 13-7 when it has two interleague games to win, 11-7 when it has none.
    LeaguePosition pos;
    pos.clubs[1] = {10, 5, 0};
    pos.clubs[2] = {9, 6, 0};
    pos.left[1][2] = pos.left[2][1] = 3;
    pos.interleague_left[1] = 2;
    for (int c = 3; c <= 6; ++c) pos.clubs[c] = {2, 13, 0};
    EXPECT_EQ(magic_number(pos, 1), 3);
    pos.interleague_left[2] = 2;
    EXPECT_EQ(magic_number(pos, 1), 4);
}

// ---------------------------------------------------------------------------------------------
// Every outcome tried: magic numbers and eliminations with interleague games left agree with the
// definitions in magic.h on small random positions.

// A random small league as play leaves one: `played` games between random pairs or against the
// other league (whose results need not balance), then up to `max_games` left, some of them
// interleague games.
LeaguePosition random_position(std::mt19937& rng, int played, int max_games) {
    LeaguePosition pos;
    pos.wins_ranked = std::uniform_int_distribution<int>(0, 3)(rng) == 0;
    test::random_games(rng, pos, played, max_games, 7, 3);
    return pos;
}

TEST(RaceInterleagueMagic, AgreesWithEveryOutcomeOnRandomSmallLeagues) {
    std::mt19937 rng(20260602);
    KindsSeen kinds;
    int own_chance_lost_seen = 0, clinched_seen = 0, interleague_left_seen = 0;
    for (int round = 0; round < 800; ++round) {
        const int played = std::uniform_int_distribution<int>(0, 30)(rng);
        const LeaguePosition pos = random_position(rng, played, 8);
        const Enumerated e =
            compare_with_every_outcome(pos, "round " + std::to_string(round), kinds);
        for (int c = 1; c <= 6; ++c) {
            own_chance_lost_seen += !e.magic[c] && e.can_be_level[c];
            clinched_seen += e.magic[c] == 0;
            interleague_left_seen += pos.interleague_left[c] > 0 && e.magic[c] > 0;
        }
    }
    // The positions must reach every case, or the comparison proves little.
    EXPECT_GT(own_chance_lost_seen, 100);
    EXPECT_GT(clinched_seen, 10);
    EXPECT_GT(interleague_left_seen, 100);
    for (int kind = 0; kind < 3; ++kind) {
        EXPECT_GT(kinds.count[kind][true], 50) << "kind " << kind;
        EXPECT_GT(kinds.count[kind][false], 30) << "kind " << kind;
    }
}

TEST(RaceInterleagueMagic,
     AgreesWithEveryOutcomeWhenClubsAreCloseAndTheLeagueLostInterleagueGames) {
    // Every pair has met two or three times and each club has lost or drawn a few interleague
    // games, so that the records lie close together around and below .500.
    std::mt19937 rng(11);
    KindsSeen kinds;
    for (int round = 0; round < 300; ++round) {
        LeaguePosition pos = random_position(rng, 0, 8);
        pos.wins_ranked = round % 3 == 0;
        std::uniform_int_distribution<int> meetings(2, 3), result(0, 4), interleague(0, 4);
        for (int a = 1; a <= 6; ++a) {
            for (int b = a + 1; b <= 6; ++b)
                for (int n = meetings(rng); n > 0; --n) play(pos, a, b, result(rng));
            for (int n = interleague(rng); n > 0; --n) play(pos, a, 0, 2 * result(rng));
        }
        compare_with_every_outcome(pos, "round " + std::to_string(round), kinds);
    }
    for (int kind = 0; kind < 2; ++kind) {
        EXPECT_GT(kinds.count[kind][true], 20) << "kind " << kind;
        EXPECT_GT(kinds.count[kind][false], 20) << "kind " << kind;
    }
    // Below .500 a club is rarely still level at best: only when the league lost enough.
    EXPECT_GT(kinds.count[2][true], 20);
    EXPECT_GT(kinds.count[2][false], 5);
}

// ---------------------------------------------------------------------------------------------
// Below .500 with more games among the rivals than every outcome can be tried: the games a pair
// plays matter only by how many each wins, so every split of each pair's games is tried. The
// club wins its games and the rivals lose their interleague games, which the test above checks is
// the club's best.

// How many ways the games among the rivals of `club` may be split.
long long splits(const LeaguePosition& pos, int club) {
    long long n = 1;
    for (int i = 1; i <= 6; ++i)
        for (int j = i + 1; j <= 6; ++j)
            if (i != club && j != club) n *= (pos.left[i][j] + 1) * (pos.left[i][j] + 2) / 2;
    return n;
}

bool some_split_keeps_rivals_level(const LeaguePosition& pos, int club, RankKey target) {
    std::vector<std::pair<int, int>> pairs;
    for (int i = 1; i <= 6; ++i)
        for (int j = i + 1; j <= 6; ++j)
            if (i != club && j != club && pos.left[i][j] > 0) pairs.push_back({i, j});
    std::array<ClubRecord, 7> clubs = pos.clubs;
    for (int r = 1; r <= 6; ++r)
        if (r != club) clubs[r].losses = losses_when_beaten(pos, club, r);
    const std::function<bool(std::size_t)> split = [&](std::size_t k) {
        if (k == pairs.size()) {
            for (int r = 1; r <= 6; ++r)
                if (r != club && rank_key(clubs[r].wins, clubs[r].losses, false) > target)
                    return false;
            return true;
        }
        const auto [i, j] = pairs[k];
        const int games = pos.left[i][j];
        for (int wi = 0; wi <= games; ++wi)
            for (int wj = 0; wi + wj <= games; ++wj) {
                clubs[i].wins += wi, clubs[i].losses += wj, clubs[j].wins += wj,
                    clubs[j].losses += wi;
                const bool fits = split(k + 1);
                clubs[i].wins -= wi, clubs[i].losses -= wj, clubs[j].wins -= wj,
                    clubs[j].losses -= wi;
                if (fits) return true;
            }
        return false;
    };
    return split(0);
}

TEST(RaceInterleagueMagic, BelowHalfAgreesWithEverySplitOfTheRivalsGames) {
    std::mt19937 rng(5);
    std::array<int, 2> seen{};
    for (int round = 0; round < 400; ++round) {
        LeaguePosition pos;
        std::uniform_int_distribution<int> wins(0, 12), losses(4, 16), games(0, 3), few(0, 1);
        for (int c = 1; c <= 6; ++c) pos.clubs[c] = {wins(rng), losses(rng), 0};
        for (int i = 1; i <= 6; ++i)
            for (int j = i + 1; j <= 6; ++j)
                pos.left[i][j] = pos.left[j][i] = i == 1 ? few(rng) : games(rng);
        for (int c = 1; c <= 6; ++c) pos.interleague_left[c] = few(rng);
        if (splits(pos, 1) > 200000) continue;
        const ClubRecord& c = pos.clubs[1];
        const RankKey target = rank_key(c.wins + pos.games_left(1), c.losses, false);
        if (target.first >= 5000) continue;
        const bool fits = some_split_keeps_rivals_level(pos, 1, target);
        EXPECT_EQ(rivals_can_stay_level_below_half(pos, 1, target), fits) << "round " << round;
        ++seen[fits];
    }
    EXPECT_GT(seen[0], 30);
    EXPECT_GT(seen[1], 30);
}

TEST(RaceInterleagueMagic, BelowHalfDecidesALateSeasonAtOnce) {
    // Up to a late season's games among the rivals, every rival's record near the target: the
    // search must not try the splits one by one.
    std::mt19937 rng(3);
    std::array<int, 2> seen{};
    for (int round = 0; round < 300; ++round) {
        LeaguePosition pos;
        pos.clubs[1] = {std::uniform_int_distribution<int>(20, 60)(rng), 90, 0};
        const double target = static_cast<double>(pos.clubs[1].wins) / (pos.clubs[1].wins + 90);
        for (int r = 2; r <= 6; ++r) {
            const int losses = std::uniform_int_distribution<int>(40, 90)(rng);
            const double pct = target + std::uniform_real_distribution<double>(-0.05, 0.03)(rng);
            pos.clubs[r] = {static_cast<int>(pct / (1 - pct) * losses), losses, 0};
        }
        std::uniform_int_distribution<int> games(0, 25);
        for (int i = 2; i <= 6; ++i)
            for (int j = i + 1; j <= 6; ++j) pos.left[i][j] = pos.left[j][i] = games(rng);
        const auto start = std::chrono::steady_clock::now();
        ++seen[eliminated(pos, 1)];
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2))
            << "round " << round;
    }
    EXPECT_GT(seen[0], 30);
    EXPECT_GT(seen[1], 30);
}

}  // namespace
}  // namespace tev
