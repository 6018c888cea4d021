#include "core/topics/game_topics.h"

#include <optional>

#include "core/stats/inning_totals.h"
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "core/topics/topic_lines.h"

namespace tev {

std::vector<Text> smallest_crowd_topic(const Season& season) {
    // The true smallest crowd of the stored games: no starting guess that a crowd could exceed.
    std::optional<long long> fewest;
    for_each_game(season, 1, 12, [&](Slot, const Text& game) {
        const long long crowd = game_attendance(game);
        if (!fewest || crowd < *fewest) fewest = crowd;
    });
    const Text cell = fewest ? topic_cell(*fewest, 5) : Text(5, U' ');
    std::vector<Text> lines = {U"【最小観客試合】" + Text(U"    観客数＝") + cell + U"人 "};
    if (!fewest) return lines;
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        if (game_attendance(game) == *fewest) lines.push_back(topic_game_line(slot, game, season.clubs));
    });
    return lines;
}

std::vector<Text> biggest_inning_topic(const Season& season) {
    long long most = 0;
    std::optional<Slot> where;
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        for (const bool first : {true, false})
            for (int inning = 1; inning <= kInnings; ++inning) {
                const long long runs = number_or_zero(inning_cell(game, first, inning));
                if (runs > most) {
                    most = runs;
                    where = slot;
                }
            }
    });
    std::vector<Text> lines = {U"【イニング最高得点】" + Text(U" ") + plain_num(most) + U"点"};
    if (where) lines.push_back(topic_game_line(*where, season.game_at(*where), season.clubs));
    return lines;
}

}  // namespace tev
