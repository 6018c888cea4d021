#include "core/race/game_log.h"

#include "core/race/club_games.h"
#include "core/race/games_behind.h"
#include "core/stats/detail_lines.h"
#include "core/stats/standings_as_of.h"
#include "core/stats/standings_report.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// The club's place and games behind the club in first place at the end of `date`.
Text day_end_cells(const Season& season, int team, AsOfDate date) {
    const int league = league_of(team);
    const LeagueTable table =
        build_standings_as_of(season, first_team(league), last_team(league), date);
    const auto ranks = standings_ranks(table, league == 1 && wins_ranked_year(season.disp_year));
    for (int p = 0; p < 6; ++p) {
        if (row_club(table[p]) != league_index(team)) continue;
        const ClubRecord leader{row_wins(table[0]), row_losses(table[0]), row_draws(table[0])};
        const ClubRecord club{row_wins(table[p]), row_losses(table[p]), row_draws(table[p])};
        const Text behind = p == 0 ? Text(U"-") : games_behind_text(half_games_behind(leader, club));
        return right_num(ranks[p], 3) + U"位" + right_text(behind, 6);
    }
    return Text();
}

Text count(int n, std::size_t width) { return right_text(plain_num(n), width); }

// Columns a character takes in the fixed-width font: one for ASCII and half-width katakana, two
// for the rest.
std::size_t columns_of(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2; }

// A pitcher's name in twelve columns, padded with ASCII blanks: stored names mix full-width
// and half-width characters, and a count of characters would not keep the columns.
Text name_cell(const Text& name) {
    Text cell;
    std::size_t used = 0;
    for (char32_t c : trim_right(name)) {
        if (used + columns_of(c) > 12) break;
        cell += c;
        used += columns_of(c);
    }
    return cell + Text(12 - used, U' ');
}

}  // namespace

ReportPane game_log_report(const Season& season, int team) {
    ReportPane pane;
    pane.caption = U"            　　         " + trim_right(season.clubs.team_name(team)) + U"　試合経過" + kLineBreak +
                   U" 月日      相手        結果    勝利投手    敗戦投手    セーブ        勝  敗 分 順位    差";
    int wins = 0, losses = 0, draws = 0;
    AsOfDate cached{0, 0};
    Text day_cells;
    for (const ClubGame& g : club_games(season, team)) {
        const Text& game = *g.game;
        // The club's pitcher of record is the winner or the loser, the rival's the other.
        const Text own = g.home ? second_pitcher(game) : first_pitcher(game);
        const Text theirs = g.home ? first_pitcher(game) : second_pitcher(game);
        Text pitchers = name_cell(Text()) + name_cell(Text());
        if (g.outcome > 0) pitchers = name_cell(own) + name_cell(theirs);
        if (g.outcome < 0) pitchers = name_cell(theirs) + name_cell(own);
        wins += g.outcome > 0;
        losses += g.outcome < 0;
        draws += g.outcome == 0;
        const AsOfDate date{g.month, g.day};
        if (!(date == cached)) {
            cached = date;
            day_cells = day_end_cells(season, team, date);
        }
        pane.lines.push_back(month_day_text(game) + (g.home ? U" 本拠 " : U" 敵地 ") + season.clubs.team_name(g.rival) + U" " +
                             result_mark(right_num(g.runs, 2), right_num(g.rival_runs, 2)) + count(g.runs, 2) +
                             U"-" + count(g.rival_runs, 2) + U" " + pitchers + name_cell(save_pitcher(game)) +
                             count(wins, 4) + count(losses, 4) + count(draws, 3) + day_cells);
    }
    // Its own hint, so that the race table's "click a club" does not stay on under it.
    pane.status = trim_right(season.clubs.team_name(team)) + U"の試合経過です。";
    pane.lines.emplace_back(kCloseLine);
    return pane;
}

}  // namespace tev
