#include "core/topics/game_topics.h"

#include <optional>

#include "core/stats/inning_totals.h"
#include "core/stats/stored_games.h"
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "core/topics/topic_lines.h"

namespace tev {

namespace {

// A game imported with its score alone and no crowd: its crowd is not known, not 0.
bool crowd_unknown(TextView game) { return !has_line_score(game) && trim_right_view(mid_view(game, 35, 5)).empty(); }

}  // namespace

std::vector<Text> smallest_crowd_topic(const Season& season) {
    // The true smallest crowd of the stored games: no starting guess that a crowd could exceed.
    std::optional<long long> fewest;
    int unknown = 0;
    for_each_stored_game(season, [&](const StoredGame& g) {
        if (crowd_unknown(*g.game)) {
            ++unknown;
            return;
        }
        const long long crowd = game_attendance(*g.game);
        if (!fewest || crowd < *fewest) fewest = crowd;
    });
    const Text cell = fewest ? topic_cell(*fewest, 5) : Text(5, U' ');
    std::vector<Text> lines = {U"【最小観客試合】" + Text(U"    観客数＝") + cell + U"人 "};
    if (fewest) {
        for_each_stored_game(season, [&](const StoredGame& g) {
            if (!crowd_unknown(*g.game) && game_attendance(*g.game) == *fewest)
                lines.push_back(topic_game_line(g, season.clubs));
        });
    }
    if (unknown > 0) lines.push_back(U"    （観客数のない得点だけの試合 " + plain_num(unknown) + U" 試合は除きます）");
    return lines;
}

std::vector<Text> biggest_inning_topic(const Season& season) {
    long long most = 0;
    std::optional<StoredGame> where;
    for_each_stored_game(season, [&](const StoredGame& g) {
        for (const bool first : {true, false})
            for (int inning = 1; inning <= kInnings; ++inning) {
                const long long runs = number_or_zero(inning_cell(*g.game, first, inning));
                if (runs > most) {
                    most = runs;
                    where = g;
                }
            }
    });
    std::vector<Text> lines = {U"【イニング最高得点】" + Text(U" ") + plain_num(most) + U"点"};
    if (where) lines.push_back(topic_game_line(*where, season.clubs));
    return lines;
}

}  // namespace tev
