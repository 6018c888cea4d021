#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/race/league_position.h"
#include "core/race/magic.h"
#include "core/stats/standings_as_of.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "season_gen.h"

namespace tev {
namespace {

// Every day a game was played, in order.
std::vector<AsOfDate> game_days(const Season& season) {
    std::set<std::pair<int, int>> days;
    for_each_game(season, 1, 12, [&](Slot, const Text& game) { days.insert({game_month(game), game_day(game)}); });
    std::vector<AsOfDate> out;
    for (auto [m, d] : days) out.push_back({m, d});
    return out;
}

LeaguePosition as_of(const Season& season, int league, AsOfDate day) {
    return league_position(season, league, 26, [day](const Text& game) { return played_by(game, day); });
}

class RaceOverASeason : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RaceOverASeason, NumbersMoveOnlyOneWay) {
    const Season season = gen::generate_season("1998", GetParam());
    const auto days = game_days(season);
    ASSERT_GT(days.size(), 100u);
    for (int league = 1; league <= 2; ++league) {
        std::array<std::optional<int>, 7> magic;
        std::array<bool, 7> out{};
        LeaguePosition before;
        bool clinched_seen = false;
        for (const AsOfDate day : days) {
            const LeaguePosition pos = as_of(season, league, day);
            for (int c = 1; c <= 6; ++c) {
                SCOPED_TRACE(std::to_string(day.month) + "/" + std::to_string(day.day) + " club " + std::to_string(c));
                // Games left and games played make the season's games.
                EXPECT_EQ(pos.games_left(c) + pos.clubs[c].games(), 26 * 5);
                const auto now = magic_number(pos, c);
                const bool gone = eliminated(pos, c);
                const int won_today = pos.clubs[c].wins - before.clubs[c].wins;
                const bool only_won = pos.clubs[c].games() - before.clubs[c].games() == won_today;
                // A magic number falls by at least each win and never rises. It may go out after a
                // loss or a draw, when it was all the games left (and a club's own chance may come
                // back when a rival loses), but never after a day the club only won.
                if (magic[c] && only_won) {
                    ASSERT_TRUE(now.has_value());
                    EXPECT_LE(*now, std::max(0, *magic[c] - won_today));
                }
                if (magic[c] && now) {
                    EXPECT_LE(*now, *magic[c]);
                }
                if (out[c]) {
                    EXPECT_TRUE(gone);
                }
                // Out of it altogether means its own wins cannot help either.
                if (gone) {
                    EXPECT_FALSE(now.has_value());
                }
                magic[c] = now;
                out[c] = gone;
                clinched_seen = clinched_seen || now == 0;
            }
            before = pos;
        }
        // At the end every game is played: one club alone on top has clinched, the rest are out
        // unless they tie it.
        EXPECT_TRUE(clinched_seen || std::count(out.begin() + 1, out.end(), false) > 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RaceOverASeason, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace tev
