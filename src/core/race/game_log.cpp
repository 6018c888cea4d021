#include "core/race/game_log.h"

#include "core/race/club_games.h"
#include "core/race/games_behind.h"
#include "core/race/league_position.h"
#include "core/race/meetings.h"
#include "core/race/place_search.h"
#include "core/race/race_table.h"
#include "core/stats/detail_lines.h"
#include "core/stats/standings_as_of.h"
#include "core/stats/standings_report.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// Where the club stands at the end of a day: place, games behind the club in first place, and
// its pennant magic number when shown (0 once it has won).
struct DayEnd {
    Text cells;
    std::optional<int> shown_magic;
};

// The club's magic number when the press would show it: every other club has lost its own chance.
// A club that has clinched leaves no rival its own chance, so the number is shown then too.
std::optional<int> shown_magic(const LeaguePosition& pos, const TieRules& rules, int club) {
    if (!keeps_own_chance(pos, rules, club, 1)) return std::nullopt;
    for (int rival = 1; rival <= 6; ++rival)
        if (rival != club && keeps_own_chance(pos, rules, rival, 1)) return std::nullopt;
    return clinch_number(pos, rules, club, 1);
}

DayEnd day_end(const Season& season, int team, AsOfDate date, const std::optional<LeaguePlaces>& previous) {
    const int league = league_of(team);
    const auto keep = [date](const Text& game) { return played_by(game, date); };
    const LeaguePosition pos = league_position(season, league, meetings_per_pair(season), keep);
    const TieRules rules = league_rules(season, league, previous);
    const auto [clubs, places] = race_order(season, pos, rules, keep);
    const int club = league_index(team);
    const Text behind = clubs[0] == club ? Text(U"-") : games_behind_text(half_games_behind(pos.clubs[clubs[0]], pos.clubs[club]));
    return {right_num(places[club], 3) + U"位" + right_text(behind, 6), shown_magic(pos, rules, club)};
}

// The magic cell of a day, from the number shown the day before and the one shown now.
Text magic_cell(const std::optional<int>& before, const std::optional<int>& now, bool lit_before) {
    if (now == 0) return before == 0 ? Text() : Text(U"優勝");
    if (now) {
        if (before) return U"M" + plain_num(*now);
        return U"M" + plain_num(*now) + (lit_before ? U"再点灯" : U"点灯");
    }
    return before ? Text(U"M消滅") : Text();
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

ReportPane game_log_report(const Season& season, int team, const std::optional<LeaguePlaces>& previous) {
    ReportPane pane;
    pane.caption = U"            　　         " + trim_right(season.clubs.team_name(team)) + U"　試合経過" + kLineBreak +
                   U" 月日      相手        結果    勝利投手    敗戦投手    セーブ        勝  敗 分 順位    差  ﾏｼﾞｯｸ";
    int wins = 0, losses = 0, draws = 0;
    const std::vector<ClubGame> games = club_games(season, team);
    std::optional<int> shown_before;
    bool ever_lit = false;
    DayEnd day;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const ClubGame& g = games[i];
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
        const bool first_of_day = i == 0 || games[i - 1].month != g.month || games[i - 1].day != g.day;
        const bool last_of_day = i + 1 == games.size() || games[i + 1].month != g.month || games[i + 1].day != g.day;
        if (first_of_day) day = day_end(season, team, AsOfDate{g.month, g.day}, previous);
        Text magic;
        // A double-header's day ends after its last game: the number is told there.
        if (last_of_day) {
            magic = magic_cell(shown_before, day.shown_magic, ever_lit);
            ever_lit = ever_lit || (day.shown_magic && *day.shown_magic > 0);
            shown_before = day.shown_magic;
        }
        pane.lines.push_back(trim_right(month_day_text(game) + (g.home ? U" 本拠 " : U" 敵地 ") + season.clubs.team_name(g.rival) +
                                        U" " + result_mark(right_num(g.runs, 2), right_num(g.rival_runs, 2)) +
                                        count(g.runs, 2) + U"-" + count(g.rival_runs, 2) + U" " + pitchers +
                                        name_cell(save_pitcher(game)) + count(wins, 4) + count(losses, 4) +
                                        count(draws, 3) + day.cells + (magic.empty() ? Text() : U"  " + magic)));
    }
    // Its own hint, so that the race table's "click a club" does not stay on under it.
    pane.status = trim_right(season.clubs.team_name(team)) + U"の試合経過です。";
    pane.lines.emplace_back(kCloseLine);
    return pane;
}

}  // namespace tev
