#include "core/homeruns/game_homerun_list.h"

#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

void add_section(std::vector<Text>& lines, int team, const std::vector<Text>& records) {
    lines.push_back(U"【" + team_name(team) + U"】");
    for (const Text& record : records)
        if (number_or_zero(mid(record, 1, 2)) == team) lines.push_back(mid(record, 3, 22));
}

}  // namespace

std::vector<Text> game_homerun_lines(int first, int second, const std::vector<Text>& records) {
    std::vector<Text> lines{U"*ホームラン*"};
    add_section(lines, first, records);
    lines.emplace_back();
    add_section(lines, second, records);
    return lines;
}

}  // namespace tev
