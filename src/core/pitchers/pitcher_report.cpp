#include "core/pitchers/pitcher_report.h"

#include <array>

#include "core/pitchers/competition_rank.h"
#include "core/stats/detail_lines.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

const std::array<Text, 3> kTitles = {U"               セントラルリーグ投手成績一覧",
                                     U"               パシフィックリーグ投手成績一覧",
                                     U"               両リーグ投手成績一覧"};

const std::array<Text, 3> kClubHeaders = {U"  総合順位　 投手名             勝      敗   セーブ",
                                          U"  総合順位　 投手名         勝      敗   セーブ",
                                          U"  総合順位　 投手名           勝     敗   セーブ"};

// Rows 1..n of a table: those before the first empty key.
int used_rows(const PitcherTable& table) {
    int n = 0;
    while (n < kPitcherRows && !table[n].key.empty()) ++n;
    return n;
}

bool same_record(const PitcherRow& a, const PitcherRow& b) {
    return a.wins == b.wins && a.losses == b.losses;
}

// A count in two columns; a count that does not fit keeps all its digits.
Text count2(int value) {
    return right_num_uncut(value, 2);
}

}  // namespace

Text name_cell(const Text& key, std::size_t width) {
    return pad_wide(trim_right(mid(key, 3, 10)), width);
}

int key_team(const Text& key) {
    const auto team = read_number(mid(key, 1, 2));
    return team && *team >= 1 && *team <= 12 && key.size() >= 2 ? static_cast<int>(*team) : 0;
}

Text pitcher_list_header(int league, int disp_size) {
    if (disp_size == 1)
        return league == 1 ? U"         投手名         勝      敗  セーブ  チーム"
                           : U"         投手名         勝      敗   セーブ  チーム";
    if (disp_size == 2) return U"         投手名            勝     敗   セーブ  チーム";
    return U"         投手名             勝      敗   セーブ  チーム";
}

const ReportColumns& pitcher_list_columns(int league) {
    // The Central list has one blank more after the saves than the others.
    static const auto columns = [](std::size_t after_saves) {
        return ReportColumns{{U"順位", 3}, {U"", 3}, {U"投手名", 7}, {U"勝", 2}, {U"", 3},
                             {U"敗", 2},   {U"", 3}, {U"セーブ", 2}, {U"", after_saves}, {U"チーム", 5}};
    };
    static const ReportColumns central = columns(3), others = columns(2);
    return league == 1 ? central : others;
}

const ReportColumns& pitcher_club_columns() {
    static const ReportColumns columns = {{U"チーム内順位", 3}, {U"", 2}, {U"総合順位", 3}, {U"", 3},
                                          {U"投手名", 8},       {U"勝", 2}, {U"", 3},        {U"敗", 2},
                                          {U"", 3},             {U"セーブ", 2}, {U"", 4}};
    return columns;
}

Text pitcher_league_line(const PitcherRow& row, int rank, int league, const ClubNames& clubs) {
    return join_cells(pitcher_list_columns(league),
                      {right_num(rank, 3), U"]  ", name_cell(row.key, 7), count2(row.wins), U"勝  ",
                       count2(row.losses), U"敗  ", count2(row.saves), league == 1 ? U"Ｓ  " : U"Ｓ ",
                       clubs.team_name(key_team(row.key))});
}

ReportPane pitcher_league_report(const PitcherTable& table, int league, int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    pane.status = kPitcherHint;
    pane.caption = kTitles[league - 1] + kLineBreak + pitcher_list_header(league, disp_size);
    pane.table.columns = pitcher_list_columns(league);
    CompetitionRank rank;
    for (int r = 0; r < used_rows(table); ++r)
        pane.lines.push_back(pitcher_league_line(
            table[r], rank.next(r > 0 && same_record(table[r], table[r - 1])), league, clubs));
    return pane;
}

const Text& pitcher_club_prefix(int team, const ClubNames& clubs) {
    return clubs.form(ClubForm::pitcher_title, team >= 1 && team <= 12 ? team : 1);
}

ReportPane pitcher_club_report(const PitcherTable& league_table, int team, int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    pane.status = kPitcherHint;
    pane.caption = pitcher_club_prefix(team, clubs) + U"投手成績一覧" + kLineBreak +
                   kClubHeaders[disp_size == 1 || disp_size == 2 ? disp_size : 0];
    pane.table.columns = pitcher_club_columns();
    CompetitionRank league_rank, club_rank;
    const PitcherRow* previous_club_row = nullptr;
    for (int r = 0; r < used_rows(league_table); ++r) {
        const PitcherRow& row = league_table[r];
        const int in_league = league_rank.next(r > 0 && same_record(row, league_table[r - 1]));
        if (key_team(row.key) != team) continue;
        const int in_club =
            club_rank.next(previous_club_row != nullptr && same_record(row, *previous_club_row));
        previous_club_row = &row;
        pane.lines.push_back(join_cells(
            pitcher_club_columns(),
            {right_num(in_club, 3), U") ", right_num(in_league, 3), U"]  ", name_cell(row.key, 8),
             count2(row.wins), U"勝  ", count2(row.losses), U"敗  ", count2(row.saves), U"Ｓ   "}));
    }
    return pane;
}

std::vector<Text> pitcher_club_keys(const PitcherTable& league_table, int team) {
    std::vector<Text> keys;
    for (int r = 0; r < used_rows(league_table); ++r)
        if (key_team(league_table[r].key) == team) keys.push_back(league_table[r].key);
    return keys;
}

namespace {

// One detail line: the pitcher's club batted first (`first`) or second in `game`; `mark` is the
// result or the save mark.
Text detail_line(const ClubNames& clubs, const Text& game, Slot slot, bool first, const Text& mark) {
    const int rival = first ? home_team(slot) : slot.team;
    const Text own = mid(game, first ? 1 : 3, 2);
    const Text other = mid(game, first ? 3 : 1, 2);
    return month_day_text(game) + U" 対 " + clubs.team_name(rival) + right_num(slot.meet, 3) + U"回戦  " +
           mark + own + U"-" + other + U" 相手投手= " + mid(game, first ? 15 : 5, 10);
}

}  // namespace

std::vector<Text> pitcher_detail_lines(const Season& season, const Text& key) {
    std::vector<Text> lines;
    const int team = key_team(key);
    const Text name = mid(key, 3, 10);
    const bool saves_count = !trim_right(name).empty();  // a blank save field is no save
    if (team != 0) {
        const int league = league_of(team);
        for_each_game(
            season, first_team(league), last_team(league), [&](Slot slot, const Text& game) {
                const Text first_runs = mid(game, 1, 2), second_runs = mid(game, 3, 2);
                const int first_score = static_cast<int>(number_or_zero(first_runs));
                const int second_score = static_cast<int>(number_or_zero(second_runs));
                if (first_score == second_score) return;
                for (bool first : {true, false}) {
                    const int club = first ? slot.team : home_team(slot);
                    if (club != team) continue;
                    const bool won =
                        first ? first_score > second_score : second_score > first_score;
                    if (mid(game, first ? 5 : 15, 10) == name)
                        lines.push_back(detail_line(season.clubs, game, slot, first, won ? U"○ " : U"● "));
                    if (won && saves_count && mid(game, 25, 10) == name)
                        lines.push_back(detail_line(season.clubs, game, slot, first, U"Ｓ "));
                }
            });
    }
    lines.emplace_back(kCloseLine);
    return lines;
}

}  // namespace tev
