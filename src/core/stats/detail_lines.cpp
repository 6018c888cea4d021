#include "core/stats/detail_lines.h"

#include <algorithm>

#include "core/stats/stored_games.h"
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

// A game of a club's list: the stored game, the rival's team number, the meeting number and
// whether the club batted first.
struct ClubGame {
    const Text* game = nullptr;
    int rival = 0;
    int meet = 0;
    bool batted_first = false;
};

Text club_game_line(const ClubNames& clubs, const ClubGame& g) {
    const Text own = mid(*g.game, g.batted_first ? 1 : 3, 2);
    const Text other = mid(*g.game, g.batted_first ? 3 : 1, 2);
    return month_day_text(*g.game) + U" 対 " + clubs.team_name(g.rival) + right_num(g.meet, 3) + U"回戦  " +
           result_mark(own, other) + own + U"-" + other + U" " + pitcher_cells(*g.game);
}

// The club's games against the clubs of `rival_league` in one store (`game_at` reads a slot):
// those it batted first in (rival by rival, meeting by meeting), then those it batted second in.
template <class GameAt>
std::vector<ClubGame> games_against(int team, int rival_league, int meetings, GameAt game_at) {
    std::vector<ClubGame> games;
    for (bool batted_first : {true, false}) {
        for (int rival_index = 1; rival_index <= 6; ++rival_index) {
            const int rival = team_of(rival_league, rival_index);
            for (int meet = 1; meet <= meetings; ++meet) {
                const Text& game = batted_first ? game_at(Slot{team, rival_index, meet})
                                                : game_at(Slot{rival, league_index(team), meet});
                if (!game.empty()) games.push_back({&game, rival, meet, batted_first});
            }
        }
    }
    return games;
}

std::vector<ClubGame> league_games_of(const Season& season, int team) {
    return games_against(team, league_of(team), kMeetings, [&](Slot s) -> const Text& { return season.game_at(s); });
}

std::vector<ClubGame> interleague_games_of(const Season& season, int team) {
    return games_against(team, league_of(team) == 1 ? 2 : 1, kMostInterleagueMeetings,
                         [&](Slot s) -> const Text& { return season.interleague_at(s); });
}

// Orders the games by date; games of one day keep their order.
void sort_by_date(std::vector<ClubGame>& games) {
    std::stable_sort(games.begin(), games.end(), [](const ClubGame& a, const ClubGame& b) {
        const int a_month = game_month(*a.game), b_month = game_month(*b.game);
        return a_month != b_month ? a_month < b_month : game_day(*a.game) < game_day(*b.game);
    });
}

std::vector<Text> lines_of(const ClubNames& clubs, const std::vector<ClubGame>& games,
                           const std::function<bool(const Text&)>& keep) {
    std::vector<Text> lines;
    for (const ClubGame& g : games)
        if (!keep || keep(*g.game)) lines.push_back(club_game_line(clubs, g));
    return lines;
}

}  // namespace

std::vector<Text> club_game_lines(const Season& season, int team, const std::function<bool(const Text&)>& keep) {
    std::vector<ClubGame> games = league_games_of(season, team);
    if (has_interleague_games(season)) {
        const std::vector<ClubGame> inter = interleague_games_of(season, team);
        games.insert(games.end(), inter.begin(), inter.end());
        sort_by_date(games);
    }
    std::vector<Text> lines = lines_of(season.clubs, games, keep);
    lines.emplace_back(kCloseLine);
    return lines;
}

std::vector<Text> interleague_game_lines(const Season& season, int team) {
    std::vector<ClubGame> games = interleague_games_of(season, team);
    sort_by_date(games);
    return lines_of(season.clubs, games, {});
}

std::vector<Text> day_card_lines(const Season& season, int month, int day) {
    const Text key = right_num(month, 2) + U"/" + right_num(day, 2);
    std::vector<Text> lines;
    int number = 0;
    for_each_stored_game(season, [&](const StoredGame& g) {
        const Text& game = *g.game;
        if (month_day_text(game) != key) return;
        lines.push_back(num_text(++number) + U"]" + season.clubs.team_name(g.visitor) + U" 対 " + season.clubs.team_name(g.home) +
                        right_num(g.slot.meet, 2) + U"回戦" + mid(game, 1, 2) + U"-" + mid(game, 3, 2) + U" " +
                        pitcher_cells(game));
    });
    const Text date = right_num(month, 2) + U"月" + plain_num(day) + U"日（" +
                      weekday_name_of(season.disp_year, month, day);
    lines.push_back(date + (number > 0 ? U"曜日）の対戦カードは以上です。" : U"曜日）の対戦カードは、ありません。"));
    lines.emplace_back(kCloseLineShort);
    return lines;
}

}  // namespace tev
