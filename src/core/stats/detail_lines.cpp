#include "core/stats/detail_lines.h"

#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/calendar.h"
#include "core/text/fixed_width.h"

namespace tev {

Text pitcher_cell(const Text& name) { return cut(trim_right(name) + Text(6, kWideBlank), 6); }

Text result_mark(const Text& runs, const Text& rival_runs) {
    if (runs > rival_runs) return U"○ ";
    if (runs < rival_runs) return U"● ";
    return U"   ";
}

Text pitcher_cells(const Text& game) {
    return pitcher_cell(mid(game, 5, 10)) + pitcher_cell(mid(game, 15, 10)) + pitcher_cell(mid(game, 25, 10));
}

namespace {

Text club_game_line(const ClubNames& clubs, const Text& game, int rival, int meet, bool batted_first) {
    const Text own = mid(game, batted_first ? 1 : 3, 2);
    const Text other = mid(game, batted_first ? 3 : 1, 2);
    return month_day_text(game) + U" 対 " + clubs.team_name(rival) + right_num(meet, 3) + U"回戦  " +
           result_mark(own, other) + own + U"-" + other + U" " + pitcher_cells(game);
}

}  // namespace

std::vector<Text> club_game_lines(const Season& season, int team, const std::function<bool(const Text&)>& keep) {
    std::vector<Text> lines;
    const int league = league_of(team);
    for (bool batted_first : {true, false}) {
        for (int rival_index = 1; rival_index <= 6; ++rival_index) {
            const int rival = team_of(league, rival_index);
            for (int meet = 1; meet <= kMeetings; ++meet) {
                const Text& game = batted_first ? season.game_at(team, rival_index, meet)
                                                : season.game_at(rival, league_index(team), meet);
                if (game.empty() || (keep && !keep(game))) continue;
                lines.push_back(club_game_line(season.clubs, game, rival, meet, batted_first));
            }
        }
    }
    lines.emplace_back(kCloseLine);
    return lines;
}

std::vector<Text> day_card_lines(const Season& season, int month, int day) {
    const Text key = right_num(month, 2) + U"/" + right_num(day, 2);
    std::vector<Text> lines;
    int number = 0;
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        if (month_day_text(game) != key) return;
        lines.push_back(num_text(++number) + U"]" + season.clubs.team_name(slot.team) + U" 対 " + season.clubs.team_name(home_team(slot)) +
                        right_num(slot.meet, 2) + U"回戦" + mid(game, 1, 2) + U"-" + mid(game, 3, 2) + U" " +
                        pitcher_cells(game));
    });
    const Text date = right_num(month, 2) + U"月" + plain_num(day) + U"日（" +
                      weekday_name_of(season.disp_year, month, day);
    lines.push_back(date + (number > 0 ? U"曜日）の対戦カードは以上です。" : U"曜日）の対戦カードは、ありません。"));
    lines.emplace_back(kCloseLineShort);
    return lines;
}

}  // namespace tev
