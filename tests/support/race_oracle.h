// The race's definitions checked by brute force: every outcome of a small league's games left
// (league games between two clubs, and a club's interleague games, which it alone wins or loses)
// tried in turn, to say which clubs can still finish level and what each club's magic number is.
// Tests compare magic_number and eliminated with it on random positions.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/race/final_order.h"
#include "core/race/league_position.h"
#include "core/race/magic.h"
#include "core/race/rank_key.h"
#include "core/race/tie_rules.h"

namespace tev::test {

// A game left: between clubs a and b of the league, or (b == 0) an interleague game of a.
struct GameLeft {
    int a, b;
};

// What every outcome of the remaining games says about each club.
struct Enumerated {
    std::array<bool, 7> can_be_level{};        // some outcome leaves it at least level with all
    std::array<std::optional<int>, 7> magic;  // fewest own wins after which it is always alone first
};

inline std::vector<GameLeft> games_left_of(const LeaguePosition& pos) {
    std::vector<GameLeft> games;
    for (int i = 1; i <= 6; ++i) {
        for (int j = i + 1; j <= 6; ++j)
            for (int n = 0; n < pos.left[i][j]; ++n) games.push_back({i, j});
        for (int n = 0; n < pos.interleague_left[i]; ++n) games.push_back({i, 0});
    }
    return games;
}

// The fewest own wins x (of `left`) after which no number of wins from x on can fail; nothing
// when even winning all `left` can.
inline std::optional<int> fewest_sure_wins(const std::array<bool, 32>& fails_with, int left) {
    for (int x = 0; x <= left; ++x) {
        bool holds = true;
        for (int y = x; y <= left; ++y) holds = holds && !fails_with[y];
        if (holds) return x;
    }
    return std::nullopt;
}

inline Enumerated enumerate(const LeaguePosition& pos) {
    const std::vector<GameLeft> games = games_left_of(pos);
    int total = 1;
    for (std::size_t g = 0; g < games.size(); ++g) total *= 3;
    // fails_with[c][x]: some outcome in which c wins exactly x of its games leaves it not alone first.
    std::array<std::array<bool, 32>, 7> fails_with{};
    Enumerated e;
    for (int code = 0; code < total; ++code) {
        auto clubs = pos.clubs;
        std::array<int, 7> own_wins{};
        int rest = code;
        for (const GameLeft& g : games) {
            const int result = rest % 3;
            rest /= 3;
            if (result == 0) {
                ++clubs[g.a].wins, ++own_wins[g.a];
                if (g.b) ++clubs[g.b].losses;
            } else if (result == 1) {
                ++clubs[g.a].losses;
                if (g.b) ++clubs[g.b].wins, ++own_wins[g.b];
            }
        }
        std::array<RankKey, 7> key;
        for (int c = 1; c <= 6; ++c) key[c] = rank_key(clubs[c].wins, clubs[c].losses, pos.wins_ranked);
        for (int c = 1; c <= 6; ++c) {
            bool alone = true, level = true;
            for (int r = 1; r <= 6; ++r) {
                if (r == c) continue;
                alone = alone && key[c] > key[r];
                level = level && key[c] >= key[r];
            }
            if (level) e.can_be_level[c] = true;
            if (!alone) fails_with[c][own_wins[c]] = true;
        }
    }
    for (int c = 1; c <= 6; ++c) e.magic[c] = fewest_sure_wins(fails_with[c], pos.games_left(c));
    return e;
}

// A played game of club a: against club b of the league, or (b == 0) against the other league.
// A draw for result 0, else a win for a when it is odd, a loss when it is even.
inline void play(LeaguePosition& pos, int a, int b, int result) {
    ClubRecord none;
    ClubRecord& other = b ? pos.clubs[b] : none;
    if (b) ++pos.played[a][b], ++pos.played[b][a];
    if (result == 0) {
        ++pos.clubs[a].draws, ++other.draws;
    } else if (result % 2 == 1) {
        ++pos.clubs[a].wins, ++other.losses;
        if (b) ++pos.beat[a][b];
    } else {
        ++other.wins, ++pos.clubs[a].losses;
        if (b) ++pos.beat[b][a];
    }
}

// Plays `played` games between random clubs of `pos` (one in `interleague_one_in` against the other
// league, whose results need not balance; none when it is 0), with results drawn from 0..`results`
// as `play` reads them, then leaves up to `max_left` random games to play.
inline void random_games(std::mt19937& rng, LeaguePosition& pos, int played, int max_left, int results,
                         int interleague_one_in) {
    std::uniform_int_distribution<int> club(1, 6), result(0, results);
    const auto rival_of = [&](int a) {
        if (interleague_one_in > 0 && std::uniform_int_distribution<int>(0, interleague_one_in - 1)(rng) == 0) return 0;
        int b = club(rng);
        while (b == a) b = club(rng);
        return b;
    };
    for (int g = 0; g < played; ++g) {
        const int a = club(rng);
        play(pos, a, rival_of(a), result(rng));
    }
    const int left = std::uniform_int_distribution<int>(0, max_left)(rng);
    for (int g = 0; g < left; ++g) {
        const int a = club(rng);
        const int b = rival_of(a);
        if (b == 0) {
            ++pos.interleague_left[a];
        } else {
            ++pos.left[a][b];
            ++pos.left[b][a];
        }
    }
}

// What every outcome of the remaining games says about each club's place by `rules`.
struct PlacesEnumerated {
    std::array<bool, 7> can_finish{};           // some outcome places it within the places
    std::array<std::optional<int>, 7> clinch;  // fewest own wins after which it always is
    std::array<bool, 7> level_decides{};       // some outcome leaves it level on percentage
                                               // across the last place, for the rules to part
    std::array<bool, 7> level_with_games_between{};  // ... with clubs it still had games against
};

inline PlacesEnumerated enumerate_places(const LeaguePosition& pos, const TieRules& rules, int places) {
    const std::vector<GameLeft> games = games_left_of(pos);
    int total = 1;
    for (std::size_t g = 0; g < games.size(); ++g) total *= 3;
    std::array<std::array<bool, 32>, 7> fails_with{};
    PlacesEnumerated e;
    for (int code = 0; code < total; ++code) {
        LeaguePosition end = pos;
        std::array<int, 7> own_wins{};
        int rest = code;
        for (const GameLeft& g : games) {
            const int result = rest % 3;  // 0 a wins, 1 b wins (or a loses), 2 drawn
            rest /= 3;
            play(end, g.a, g.b, result == 0 ? 1 : result == 1 ? 2 : 0);
            if (result == 0) ++own_wins[g.a];
            if (result == 1 && g.b) ++own_wins[g.b];
        }
        const LeagueOrder order = final_order(end, rules);
        for (int c = 1; c <= 6; ++c) {
            const int worst = worst_place(order, c);
            const int shown = rules.level_keeps_chance ? order.place[c] : worst;
            if (shown <= places) e.can_finish[c] = true;
            if (worst > places) fails_with[c][own_wins[c]] = true;
            // Level on percentage with a club across the line: the steps after it decide.
            const long long own = pct_ten_thousandths(end.clubs[c].wins, end.clubs[c].losses);
            int above = 0, level = 0;
            bool met = false;
            for (int r = 1; r <= 6; ++r) {
                if (r == c) continue;
                const long long theirs = pct_ten_thousandths(end.clubs[r].wins, end.clubs[r].losses);
                above += theirs > own;
                level += theirs == own;
                met = met || (theirs == own && pos.left[c][r] > 0);
            }
            if (level > 0 && above < places && above + level >= places) {
                e.level_decides[c] = true;
                e.level_with_games_between[c] = e.level_with_games_between[c] || met;
            }
        }
    }
    for (int c = 1; c <= 6; ++c) e.clinch[c] = fewest_sure_wins(fails_with[c], pos.games_left(c));
    return e;
}

// How often each way of deciding elimination was compared, eliminated and not, so that a test
// can insist that every one of them was reached.
struct KindsSeen {
    // [kind][eliminated]: 0 ranked by wins, 1 a percentage target of .5000 or more, 2 below it.
    std::array<std::array<int, 2>, 3> count{};

    void add(const LeaguePosition& pos, int club, bool out) {
        const ClubRecord& c = pos.clubs[club];
        const RankKey target = rank_key(c.wins + pos.games_left(club), c.losses, pos.wins_ranked);
        const int kind = pos.wins_ranked ? 0 : target.first >= 5000 ? 1 : 2;
        ++count[kind][out];
    }
};

inline Enumerated compare_with_every_outcome(const LeaguePosition& pos, const std::string& where, KindsSeen& kinds) {
    const Enumerated e = enumerate(pos);
    for (int c = 1; c <= 6; ++c) {
        SCOPED_TRACE(where + " club " + std::to_string(c));
        EXPECT_EQ(eliminated(pos, c), !e.can_be_level[c]);
        EXPECT_EQ(magic_number(pos, c), e.magic[c]);
        kinds.add(pos, c, !e.can_be_level[c]);
    }
    return e;
}

}  // namespace tev::test
