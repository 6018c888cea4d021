#include "core/race/tie_rules.h"

namespace tev {

TieRules tie_rules(int league, int year) {
    using enum TieStep;
    TieRules rules;
    if (league == 2) {
        rules.steps = {percentage, head_to_head, league_percentage, previous_place};
        rules.shares_level_in_season = true;
    } else if (year >= 2022) {
        rules.steps = {percentage, wins, head_to_head, league_percentage, previous_place};
    } else if (year >= 2002) {
        rules.steps = {percentage, wins, head_to_head, previous_place};
    } else if (year == 2001) {
        rules.steps = {wins, percentage};
        rules.level_keeps_chance = true;
    } else {
        rules.steps = {percentage};
        rules.level_keeps_chance = true;
    }
    return rules;
}

}  // namespace tev
