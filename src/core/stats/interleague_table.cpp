#include "core/stats/interleague_table.h"

#include "core/race/games_behind.h"
#include "core/stats/detail_lines.h"
#include "core/stats/standings.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

const Text kNoGames = U"交流戦の試合はありません。";

const Text& league_label(int league) {
    static const Text central = U"セ・リーグ", pacific = U"パ・リーグ";
    return league == 1 ? central : pacific;
}

// "-" for the first club, else its games behind it ("0.5", "2.0").
Text behind_cell(const InterleagueLine& first, const InterleagueLine& line, bool is_first) {
    const Text behind =
        is_first ? Text(U"-") : games_behind_text(half_games_behind(first.record, line.record));
    return right_text(behind, 6);
}

Text club_line(const ClubNames& clubs, const InterleagueLine& first, const InterleagueLine& line,
               bool is_first) {
    const ClubRecord& r = line.record;
    return join_cells(
        interleague_columns(),
        {right_num(line.place, 2), U"] ", clubs.team_name(line.team), right_num(r.games(), 4),
         right_num(r.wins, 4), right_num(r.losses, 4), right_num(r.draws, 3),
         U"  " + pct_text(r.wins, r.wins + r.losses), behind_cell(first, line, is_first),
         right_num(line.scored, 6), right_num(line.allowed, 6)});
}

}  // namespace

Text interleague_title() {
    return U"            　　         交流戦成績";
}

Text interleague_header() {
    return U"      ﾁｰﾑ　   試合  勝  敗 分    勝率    差  得点  失点";
}

const ReportColumns& interleague_columns() {
    static const ReportColumns columns = {{U"順位", 2}, {U"", 2},     {U"チーム", 5}, {U"試合", 4},
                                          {U"勝", 4},   {U"敗", 4},   {U"分", 3},     {U"勝率", 8},
                                          {U"差", 6},   {U"得点", 6}, {U"失点", 6}};
    return columns;
}

ClubRecord league_interleague_record(const std::vector<InterleagueLine>& lines, int league) {
    ClubRecord total;
    for (const InterleagueLine& line : lines) {
        if (league_of(line.team) != league) continue;
        total.wins += line.record.wins;
        total.losses += line.record.losses;
        total.draws += line.record.draws;
    }
    return total;
}

Text league_totals_line(int league, const ClubRecord& record) {
    // The name stands in the club column, each count in its own column with its word after it.
    return join_cells(
        interleague_columns(),
        {Text(), Text(), league_label(league), Text(), right_num_uncut(record.wins, 3) + U"勝",
         right_num_uncut(record.losses, 3) + U"敗", right_num_uncut(record.draws, 2) + U"分"});
}

ReportPane interleague_report(const Season& season,
                              const std::optional<InterleaguePlaces>& previous) {
    ReportPane pane;
    pane.status = U"各チームの交流戦成績を表示中。";
    const std::vector<InterleagueLine> lines = interleague_ranking(season, previous);
    if (lines.empty()) {
        pane.caption = interleague_title();
        pane.lines = {kNoGames, kCloseLine};
        return pane;
    }
    pane.caption = interleague_title() + kLineBreak + interleague_header();
    pane.lines.emplace_back();
    for (std::size_t i = 0; i < lines.size(); ++i)
        pane.lines.push_back(club_line(season.clubs, lines.front(), lines[i], i == 0));
    pane.lines.emplace_back();
    for (int league : {1, 2})
        pane.lines.push_back(league_totals_line(league, league_interleague_record(lines, league)));
    pane.lines.emplace_back(kCloseLine);
    pane.table.columns = interleague_columns();
    // The clubs of both leagues in one ranking, then each league's totals: each row's league.
    for (const InterleagueLine& line : lines) add_league_row(pane.table, league_of(line.team));
    for (int league : {1, 2}) add_league_row(pane.table, league);
    return pane;
}

}  // namespace tev
