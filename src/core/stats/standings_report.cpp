#include "core/stats/standings_report.h"

#include <charconv>

#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// The double as printed with a sign blank, shortest form that reads back the same.
Text double_text(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    Text text = ascii(std::string_view(buffer, result.ptr - buffer));
    return value < 0 ? text : U" " + text;
}

// The six-character cell of an average: a blank and the average, or "  0.00" as the whole cell
// for a club without games (a blank before it would widen the line).
Text average_field(int runs, int games) {
    const Text average = average_cell(runs, games);
    return games == 0 ? average : U" " + average;
}

Text standings_line(int rank, int team, const StandingRow& row, const ClubNames& clubs) {
    const int diff = row_scored(row) - row_allowed(row);
    return join_cells(standings_columns(),
                      {right_num(rank, 2), U"] ", clubs.team_name(team), U" " + mid(row, 3, 3), U" " + mid(row, 6, 3),
                       U" " + mid(row, 9, 3), mid(row, 12, 2), U"  " + mid(row, 30, 6), U" " + mid(row, 14, 4),
                       U" " + mid(row, 18, 4), U" " + right_num(diff, 4),
                       average_field(row_scored(row), row_games(row)),
                       average_field(row_allowed(row), row_games(row)), U" " + mid(row, 22, 8)});
}

}  // namespace

const ReportColumns& standings_columns() {
    // The caption's own words where it has them; rank and the two averages are named here.
    static const ReportColumns columns = {
        {U"順位", 2}, {U"", 2},     {U"チーム", 5}, {U"試合", 4},     {U"勝", 4},
        {U"敗", 4},   {U"分", 2},   {U"勝率", 8},   {U"得点", 5},     {U"失点", 5},
        {U"得失差", 5}, {U"得点平均", 6}, {U"失点平均", 6}, {U"観客数", 9}};
    return columns;
}

ReportTable standings_table() {
    ReportTable table;
    table.columns = standings_columns();
    name_league_rows(table);
    return table;
}

Text standings_title() { return U"            　　         両リーグ成績一覧"; }

Text standings_header(int disp_size) {
    switch (disp_size) {
        case 1: return U"      ﾁｰﾑ　  試合 勝  敗分  勝率  得点 失点 得失差 得失平均  観客数";
        case 2: return U"     ﾁｰﾑ　    試合 勝  敗 分  勝率 得点 失点 得失差 得失平均 観客数";
        default: return U"      ﾁｰﾑ　   試合 勝  敗 分  勝率  得点 失点 得失差 得失平均  観客数";
    }
}

Text average_cell(int runs, int games) {
    if (games == 0) return U"  0.00";
    const Text text = double_text(static_cast<double>(runs) / games);
    const Text suffix = runs % games == 0 ? U".00" : U"000";
    return cut(cut(text, 5) + suffix, 5);
}

std::array<int, 6> standings_ranks(const LeagueTable& table, bool wins_matter) {
    std::array<int, 6> ranks{};
    int rank = 1;
    int ties = 0;
    for (int p = 0; p < 6; ++p) {
        const bool tie = p >= 1 && row_pct(table[p]) == row_pct(table[p - 1]) &&
                         (!wins_matter || row_wins(table[p]) == row_wins(table[p - 1]));
        if (tie) {
            rank -= 1;
            ties += 1;
        } else {
            rank += ties;
            ties = 0;
        }
        ranks[p] = rank;
        rank += 1;
    }
    return ranks;
}

std::vector<Text> standings_lines(const LeagueTable& central, const LeagueTable& pacific,
                                  const std::string& disp_year, const ClubNames& clubs) {
    std::vector<Text> lines;
    for (int league : {1, 2}) {
        const LeagueTable& table = league == 1 ? central : pacific;
        const auto ranks = standings_ranks(table, league == 1 && wins_ranked_year(disp_year));
        lines.emplace_back();
        for (int p = 0; p < 6; ++p)
            lines.push_back(standings_line(ranks[p], team_of(league, row_club(table[p])), table[p], clubs));
    }
    return lines;
}

}  // namespace tev
