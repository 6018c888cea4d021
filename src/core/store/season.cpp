#include "core/store/season.h"

#include <algorithm>
#include <utility>

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

const Text& Season::filed_game(int first, int second, int meet) const {
    const Slot slot{first, league_index(second), meet};
    return league_of(first) == league_of(second) ? game_at(slot) : interleague_at(slot);
}

Text& Season::filed_game(int first, int second, int meet) {
    return const_cast<Text&>(std::as_const(*this).filed_game(first, second, meet));
}

bool has_interleague_play(const Season& season) {
    return season.interleague_meetings > 0 || last_interleague_meeting_filed(season) > 0;
}

bool has_interleague_games(const Season& season) { return last_interleague_meeting_filed(season) > 0; }

int last_interleague_meeting_filed(const Season& season) {
    int last = 0;
    for_each_interleague_game(season, [&](Slot slot, const Text&) { last = std::max(last, slot.meet); });
    return last;
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
