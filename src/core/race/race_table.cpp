#include "core/race/race_table.h"

#include "core/race/games_behind.h"
#include "core/race/magic.h"
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

Text race_row(const ClubNames& clubs, const RaceLine& line, bool first) {
    return right_num(line.rank, 2) + U"] " + clubs.team_name(line.team) + right_num(line.record.games(), 4) +
           right_num(line.record.wins, 4) + right_num(line.record.losses, 4) + right_num(line.record.draws, 3) +
           U"  " + pct_text(line.record.wins, line.record.wins + line.record.losses) +
           behind_cell(line.behind_leader, first) + behind_cell(line.behind_above, first) +
           right_num(line.games_left, 5) + (race_mark(line).empty() ? Text() : U"  " + race_mark(line));
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

std::vector<RaceLine> race_lines(const Season& season, const LeaguePosition& pos,
                                 const std::function<bool(const Text&)>& keep) {
    // The order and the places are the standings' own.
    const int first = first_team(pos.league);
    const LeagueTable table = build_standings_if(season, first, last_team(pos.league), keep);
    const auto ranks = standings_ranks(table, pos.wins_ranked);
    std::vector<RaceLine> lines;
    for (int p = 0; p < 6; ++p) {
        const int club = row_club(table[p]);
        RaceLine line;
        line.team = team_of(pos.league, club);
        line.rank = ranks[p];
        line.record = pos.clubs[club];
        line.behind_leader = half_games_behind(pos.clubs[row_club(table[0])], line.record);
        line.behind_above = p == 0 ? 0 : half_games_behind(pos.clubs[row_club(table[p - 1])], line.record);
        line.games_left = pos.games_left(club);
        line.magic = magic_number(pos, club);
        // A club that can still clinch by its own wins is not out: the search is left for the rest.
        line.eliminated = !line.magic && eliminated(pos, club);
        lines.push_back(line);
    }
    // Only a leader alone on top is shown a magic number; level clubs are all still chasing.
    const bool shared = ranks[1] == 1;
    for (RaceLine& line : lines) line.alone_first = line.rank == 1 && !shared;
    return lines;
}

Text race_mark(const RaceLine& line) {
    if (line.eliminated) return U"優勝消滅";
    if (!line.magic) return U"自力優勝消滅";
    if (!line.alone_first) return Text();
    return *line.magic == 0 ? Text(U"優勝") : U"マジック" + plain_num(*line.magic);
}

ReportPane race_report(const Season& season, int meetings, std::optional<AsOfDate> as_of) {
    std::function<bool(const Text&)> keep;
    if (as_of) keep = [date = *as_of](const Text& game) { return played_by(game, date); };
    const std::optional<AsOfDate> day = as_of ? as_of : last_game_day(season);
    ReportPane pane;
    pane.caption = Text(U"            　　         ペナントレース　") +
                   (day ? plain_num(day->month) + U"月" + plain_num(day->day) + U"日現在" : Text(U"開幕前")) +
                   kLineBreak + kHeader;
    pane.status = U"チーム名をクリックすると試合経過が表示されます。";
    for (int league = 1; league <= 2; ++league) {
        const LeaguePosition pos = league_position(season, league, meetings, keep);
        pane.lines.emplace_back();
        const auto lines = race_lines(season, pos, keep);
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
