#include "core/race/race_table.h"

#include "core/race/games_behind.h"
#include "core/race/final_order.h"
#include "core/stats/detail_lines.h"
#include "core/stats/standings_report.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

const Text kHeader = U"      ﾁｰﾑ　   試合  勝  敗 分    勝率    差  前差 残り  ﾏｼﾞｯｸ";

// Two characters of a club's name, four columns: the heading of its column in the pair table.
Text short_head(const ClubNames& clubs, int team) { return cut(clubs.team_name(team), 2); }

Text behind_cell(int half_games, bool none) {
    return right_text(none ? Text(U"-") : games_behind_text(half_games), 6);
}

// The pennant mark's column is as wide as its widest mark when a Climax Series column follows.
constexpr int kPennantMarkColumns = 12;

Text marks_cell(const RaceLine& line) {
    const Text pennant = pennant_mark(line.pennant);
    if (!line.climax) return pennant.empty() ? Text() : U"  " + pennant;
    return trim_right(U"  " + pad_columns(pennant, kPennantMarkColumns) + U"  " + climax_mark(*line.climax));
}

Text race_row(const ClubNames& clubs, const RaceLine& line, bool first) {
    return right_num(line.rank, 2) + U"] " + clubs.team_name(line.team) + right_num(line.record.games(), 4) +
           right_num(line.record.wins, 4) + right_num(line.record.losses, 4) + right_num(line.record.draws, 3) +
           U"  " + pct_text(line.record.wins, line.record.wins + line.record.losses) +
           behind_cell(line.behind_leader, first) + behind_cell(line.behind_above, first) +
           right_num(line.games_left, 5) + marks_cell(line);
}

Text header(bool climax) {
    if (!climax) return kHeader;
    return kHeader + Text(static_cast<std::size_t>(kPennantMarkColumns - text_columns(U"ﾏｼﾞｯｸ") + 2), U' ') + U"CS進出";
}

// The games left per pair of the league's clubs; in a season with interleague play, each club's
// interleague games left beside them, which its total counts too.
std::vector<Text> pair_table(const ClubNames& clubs, const LeaguePosition& pos) {
    const int league = pos.league;
    Text head = U"　【残り試合】";
    for (int k = 1; k <= 6; ++k) head += U"  " + short_head(clubs, team_of(league, k));
    if (pos.interleague_play) head += U"  交流";
    head += U"    計";
    std::vector<Text> lines = {head};
    for (int a = 1; a <= 6; ++a) {
        Text row = U"    " + clubs.team_name(team_of(league, a));
        for (int b = 1; b <= 6; ++b) row += a == b ? Text(U"    －") : right_num(pos.left[a][b], 6);
        if (pos.interleague_play) row += right_num(pos.interleague_left[a], 6);
        lines.push_back(row + right_num(pos.games_left(a), 6));
    }
    return lines;
}

// The day of the last stored game (month, day), interleague games included, or nothing in a
// season without games.
std::optional<AsOfDate> last_game_day(const Season& season) {
    std::optional<AsOfDate> last;
    const auto see = [&](Slot, const Text& game) {
        const AsOfDate d{game_month(game), game_day(game)};
        if (!last || d.month > last->month || (d.month == last->month && d.day > last->day)) last = d;
    };
    for_each_game(season, 1, 12, see);
    for_each_interleague_game(season, see);
    return last;
}

}  // namespace

std::pair<std::array<int, 6>, std::array<int, 7>> race_order(const Season& season, const LeaguePosition& pos,
                                                             const TieRules& rules,
                                                             const std::function<bool(const Text&)>& keep) {
    std::array<int, 6> clubs{};
    std::array<int, 7> places{};
    if (rules.level_keeps_chance) {
        const LeagueTable table = build_standings_if(season, first_team(pos.league), last_team(pos.league), keep);
        const auto ranks = standings_ranks(table, pos.wins_ranked);
        for (int p = 0; p < 6; ++p) {
            clubs[p] = row_club(table[p]);
            places[clubs[p]] = ranks[p];
        }
        return {clubs, places};
    }
    const LeagueOrder order = order_in_season(pos, rules);
    return {order.clubs, order.place};
}

std::vector<RaceLine> race_lines(const Season& season, const LeaguePosition& pos, const TieRules& rules,
                                 const std::function<bool(const Text&)>& keep) {
    const auto [clubs, places] = race_order(season, pos, rules, keep);
    const auto pennant = place_chases(pos, rules, 1);
    std::optional<std::array<PlaceChase, 7>> climax;
    if (has_climax_series(season)) climax = place_chases(pos, rules, kClimaxSeriesPlaces);
    std::vector<RaceLine> lines;
    for (int p = 0; p < 6; ++p) {
        const int club = clubs[p];
        RaceLine line;
        line.team = team_of(pos.league, club);
        line.rank = places[club];
        line.record = pos.clubs[club];
        line.behind_leader = half_games_behind(pos.clubs[clubs[0]], line.record);
        line.behind_above = p == 0 ? 0 : half_games_behind(pos.clubs[clubs[p - 1]], line.record);
        line.games_left = pos.games_left(club);
        line.pennant = pennant[club];
        if (climax) line.climax = (*climax)[club];
        lines.push_back(line);
    }
    return lines;
}

ReportPane race_report(const Season& season, int meetings, std::optional<AsOfDate> as_of,
                       const std::optional<LeaguePlaces>& previous) {
    std::function<bool(const Text&)> keep;
    if (as_of) keep = [date = *as_of](const Text& game) { return played_by(game, date); };
    const std::optional<AsOfDate> day = as_of ? as_of : last_game_day(season);
    ReportPane pane;
    pane.caption = Text(U"            　　         ペナントレース　") +
                   (day ? plain_num(day->month) + U"月" + plain_num(day->day) + U"日現在" : Text(U"開幕前")) +
                   kLineBreak + header(has_climax_series(season));
    pane.status = U"チーム名をクリックすると試合経過が表示されます。";
    for (int league = 1; league <= 2; ++league) {
        const LeaguePosition pos = league_position(season, league, meetings, keep);
        pane.lines.emplace_back();
        const auto lines = race_lines(season, pos, league_rules(season, league, previous), keep);
        for (std::size_t p = 0; p < lines.size(); ++p) pane.lines.push_back(race_row(season.clubs, lines[p], p == 0));
        pane.lines.emplace_back();
        for (const Text& line : pair_table(season.clubs, pos)) pane.lines.push_back(line);
    }
    pane.lines.emplace_back(kCloseLine);
    return pane;
}

std::optional<int> race_line_team(const std::vector<Text>& lines, int line, const ClubNames& clubs) {
    if (line < 1 || line > static_cast<int>(lines.size())) return std::nullopt;
    const Text& text = lines[line - 1];
    if (mid(text, 3, 2) != U"] ") return std::nullopt;
    for (int team = 1; team <= 12; ++team)
        if (mid(text, 5, 5) == clubs.team_name(team)) return team;
    return std::nullopt;
}

}  // namespace tev
