#include "core/homeruns/game_homerun_list.h"

#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

void add_section(std::vector<Text>& lines, int team, const std::vector<Text>& records,
                 const Text* pending, const ClubNames& clubs) {
    lines.push_back(U"【" + clubs.team_name(team) + U"】");
    for (const Text& record : records)
        if (number_or_zero(mid(record, 1, 2)) == team) lines.push_back(mid(record, 3, 22));
    if (pending != nullptr) lines.push_back(*pending);
}

}  // namespace

std::vector<Text> game_homerun_lines(int first, int second, const std::vector<Text>& records,
                                     const std::optional<PendingBatter>& pending, const ClubNames& clubs) {
    const Text* first_pending = pending && !pending->second ? &pending->name : nullptr;
    const Text* second_pending = pending && pending->second ? &pending->name : nullptr;
    std::vector<Text> lines{U"*ホームラン*"};
    add_section(lines, first, records, first_pending, clubs);
    lines.emplace_back();
    add_section(lines, second, records, second_pending, clubs);
    return lines;
}

}  // namespace tev
