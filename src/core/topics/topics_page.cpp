#include "core/topics/topics_page.h"

#include "core/topics/game_topics.h"
#include "core/topics/pitcher_topics.h"
#include "core/topics/score_topics.h"
#include "core/topics/team_topics.h"

namespace tev {

namespace {

void add_block(std::vector<Text>& page, const std::vector<Text>& block) {
    page.insert(page.end(), block.begin(), block.end());
    page.emplace_back();
}

}  // namespace

std::vector<Text> topics_page(const Season& season, const InningTotals& innings) {
    std::vector<Text> page = {Text(), U"       ========= トピックス ========= ", Text()};
    add_block(page, pitcher_topics(season));
    add_block(page, most_frequent_score_topic(season));
    add_block(page, highest_score_topic(season));
    add_block(page, slugfest_topic(season));
    add_block(page, smallest_crowd_topic(season));
    add_block(page, biggest_inning_topic(season));
    add_block(page, team_homerun_topic(season));
    add_block(page, best_inning_topic(innings, season.clubs));
    add_block(page, worst_inning_topic(innings, season.clubs));
    page.insert(page.end(), 4, Text());
    return page;
}

}  // namespace tev
