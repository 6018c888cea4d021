#include "core/topics/score_topics.h"

#include <algorithm>

#include "core/stats/stored_games.h"
#include "core/store/game_string.h"
#include "core/text/fixed_width.h"
#include "core/topics/topic_lines.h"

namespace tev {

namespace {

// The entries in use: those before the first empty one, at most the 150 of the list.
std::vector<const Text*> used_entries(const Season& season) {
    std::vector<const Text*> entries;
    for (const Text& entry : season.score_list) {
        if (entry.empty()) break;
        entries.push_back(&entry);
    }
    return entries;
}

Text games_of(const Text& entry) { return mid(entry, 9, 3); }
Text score_of(const Text& entry) { return mid(entry, 1, 8); }
int higher_of(const Text& entry) { return static_cast<int>(number_or_zero(mid(entry, 1, 2))); }
int lower_of(const Text& entry) { return static_cast<int>(number_or_zero(mid(entry, 5, 2))); }

Text wide_blanks(std::size_t n) { return Text(n, kWideBlank); }

}  // namespace

std::vector<Text> most_frequent_score_topic(const Season& season) {
    const auto entries = used_entries(season);
    const Text count = entries.empty() ? Text() : games_of(*entries.front());
    std::vector<Text> lines = {U"【最多得点回数】    " + count + U"回"};
    for (const Text* entry : entries) {
        if (games_of(*entry) != count) break;
        lines.push_back(wide_blanks(8) + Text(5, U' ') + score_of(*entry));
    }
    return lines;
}

std::vector<Text> highest_score_topic(const Season& season) {
    const Text* highest = nullptr;
    for (const Text* entry : used_entries(season))
        if (highest == nullptr || higher_of(*entry) > higher_of(*highest)) highest = entry;
    std::vector<Text> lines = {U"【最多得点試合】    " + (highest ? games_of(*highest) : Text()) + U"回"};
    if (highest) lines.push_back(wide_blanks(7) + Text(7, U' ') + score_of(*highest));
    return lines;
}

std::vector<Text> slugfest_topic(const Season& season) {
    const auto entries = used_entries(season);
    int most = 0;
    for (const Text* entry : entries) most = std::max(most, higher_of(*entry) + lower_of(*entry));
    std::vector<Text> lines = {U"【最多乱打戦】" + Text(U"      合計得点＝") + topic_cell(most, 3)};
    for (const Text* entry : entries) {
        const int higher = higher_of(*entry), lower = lower_of(*entry);
        if (higher + lower != most) continue;
        Text score_line(1, U' ');
        score_line += score_of(*entry);
        lines.push_back(std::move(score_line));
        for_each_stored_game(season, [&](const StoredGame& g) {
            const int a = first_runs(*g.game), b = second_runs(*g.game);
            if (std::max(a, b) == higher && std::min(a, b) == lower) lines.push_back(topic_game_line(g, season.clubs));
        });
    }
    return lines;
}

}  // namespace tev
