#include "core/race/league_rules.h"

#include <string>

#include "core/race/final_order.h"
#include "core/race/league_position.h"
#include "core/race/meetings.h"

namespace tev {

namespace {

int year_of(const Season& season) {
    try {
        return std::stoi(season.disp_year);
    } catch (...) {
        return 0;
    }
}

}  // namespace

LeaguePlaces final_places(const Season& season) {
    LeaguePlaces places{};
    for (int league = 1; league <= 2; ++league) {
        const LeaguePosition pos = league_position(season, league, meetings_per_pair(season));
        const LeagueOrder order = final_order(pos, league_rules(season, league, std::nullopt));
        for (int c = 1; c <= 6; ++c) places[league][c] = order.place[c];
    }
    return places;
}

TieRules league_rules(const Season& season, int league, const std::optional<LeaguePlaces>& previous) {
    TieRules rules = tie_rules(league, year_of(season));
    if (previous) rules.previous_place = (*previous)[league];
    return rules;
}

bool has_climax_series(const Season& season) { return year_of(season) >= kClimaxSeriesFrom; }

}  // namespace tev
