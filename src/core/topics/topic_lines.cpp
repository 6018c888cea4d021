#include "core/topics/topic_lines.h"

#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

Text topic_cell(long long value, std::size_t width) {
    const Text padded = U"  " + num_text(value);
    return padded.size() <= width ? padded : right_text(padded, width);
}

namespace {

Text game_line(int visitor, int home, int meet, TextView game, const ClubNames& clubs) {
    const int visitor_runs = first_runs(game);
    const int home_runs = second_runs(game);
    // The marks differ in width so that the club names stay in their columns: ○ and ● are
    // full-width, two columns each.
    Text visitor_mark = U"   ";
    Text home_mark = U"  ";
    if (visitor_runs > home_runs) {
        visitor_mark = U" ○";
        home_mark = U"●";
    } else if (visitor_runs < home_runs) {
        visitor_mark = U" ●";
        home_mark = U"○";
    }
    return U"   " + month_day_text(game) + visitor_mark + clubs.team_name(visitor) + U" 対 " + home_mark +
           clubs.team_name(home) + topic_cell(meet, 3) + U"回戦  ";
}

}  // namespace

Text topic_game_line(Slot slot, TextView game, const ClubNames& clubs) {
    return game_line(slot.team, home_team(slot), slot.meet, game, clubs);
}

Text topic_game_line(const StoredGame& stored, const ClubNames& clubs) {
    return game_line(stored.visitor, stored.home, stored.slot.meet, *stored.game, clubs);
}

}  // namespace tev
