#include "core/store/season.h"

#include "core/store/teams.h"

namespace tev {

bool Season::empty() const {
    const auto none = [](const auto& store) {
        for (const Text& game : store)
            if (!game.empty()) return false;
        return true;
    };
    return none(games) && none(interleague);
}

std::optional<Slot> find_meeting(const Season& season, int a, int b, int n) {
    const Slot forward{a, league_index(b), n};
    if (!season.game_at(forward).empty()) return forward;
    const Slot turned{b, league_index(a), n};
    if (!season.game_at(turned).empty()) return turned;
    return std::nullopt;
}

Slot filing_slot(const Season& season, int a, int b, int n) {
    return find_meeting(season, a, b, n).value_or(Slot{a, league_index(b), n});
}

}  // namespace tev
