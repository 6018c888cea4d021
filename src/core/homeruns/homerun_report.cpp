#include "core/homeruns/homerun_report.h"

#include <array>

#include "core/pitchers/competition_rank.h"
#include "core/pitchers/pitcher_report.h"
#include "core/stats/detail_lines.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

const std::array<Text, 3> kBatterTitles = {U"　　　　　　　　セントラルリーグホームラン一覧",
                                           U"　　　　　　　　パシフィックリーグホームラン一覧",
                                           U"　　　　　　　　両リーグホームラン一覧"};
const std::array<Text, 3> kPitcherTitles = {U"　　　　　　セントラルリーグ被ホームラン投手一覧",
                                            U"　　　　　　パシフィックリーグ被ホームラン投手一覧",
                                            U"　　　　　　　　両リーグ被ホームラン投手一覧"};

const std::array<Text, 3> kClubHeaders = {U"  総合順位　 バッター名          ホームラン数",
                                          U"  総合順位　 バッター名    　ホームラン数",
                                          U"  総合順位　 バッター名     ホームラン数"};

Text count_of(const Text& entry) {
    return mid(entry, 13, 2);
}

Text name_of(const Text& entry) {
    return name_cell(entry, 10);
}

}  // namespace

const ReportColumns& homerun_list_columns(HrSide side) {
    static const auto columns = [](const char32_t* who) {
        return ReportColumns{{U"順位", 3}, {U"", 3}, {who, 10}, {U"ホームラン数", 2}, {U"", 5}, {U"チーム", 5}};
    };
    static const ReportColumns batters = columns(U"バッター名"), pitchers = columns(U"投手名");
    return side == HrSide::batters ? batters : pitchers;
}

const ReportColumns& homerun_club_columns() {
    static const ReportColumns columns = {{U"チーム内順位", 3}, {U"", 2},          {U"総合順位", 3}, {U"", 3},
                                          {U"バッター名", 10},  {U"ホームラン数", 2}, {U"", 2}};
    return columns;
}

std::span<const Text> homerun_table(const HomerunTables& tables, int league, HrSide side) {
    const bool bat = side == HrSide::batters;
    if (league == 1)
        return bat ? std::span<const Text>(tables.bat_c) : std::span<const Text>(tables.pit_c);
    if (league == 2)
        return bat ? std::span<const Text>(tables.bat_p) : std::span<const Text>(tables.pit_p);
    return bat ? std::span<const Text>(tables.bat_all) : std::span<const Text>(tables.pit_all);
}

std::span<const Text> used_entries(std::span<const Text> table) {
    std::size_t n = 0;
    while (n < table.size() && !table[n].empty()) ++n;
    return table.first(n);
}

ReportPane homerun_league_report(const HomerunTables& tables, int league, HrSide side, const ClubNames& clubs) {
    ReportPane pane;
    pane.status = side == HrSide::batters ? kBatterHint : kPitcherHint;
    pane.caption =
        Text(kLineBreak) + (side == HrSide::batters ? kBatterTitles : kPitcherTitles)[league - 1];
    const auto entries = used_entries(homerun_table(tables, league, side));
    CompetitionRank rank;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int r = rank.next(i > 0 && count_of(entries[i]) == count_of(entries[i - 1]));
        pane.lines.push_back(join_cells(homerun_list_columns(side),
                                        {right_num(r, 3), U"]  ", name_cell(entries[i], 10), count_of(entries[i]),
                                         U"本    ", clubs.team_name(key_team(entries[i]))}));
    }
    pane.table.columns = homerun_list_columns(side);
    return pane;
}

const Text& homerun_club_prefix(int team, const ClubNames& clubs) {
    return clubs.form(ClubForm::hr_title, team >= 1 && team <= 12 ? team : 1);
}

ReportPane homerun_club_report(const HomerunTables& tables, int team, int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    pane.status = kBatterHint;
    pane.caption = homerun_club_prefix(team, clubs) + U"ホームラン成績一覧" + kLineBreak +
                   kClubHeaders[disp_size == 1 || disp_size == 2 ? disp_size : 0];
    const auto entries = used_entries(homerun_table(tables, league_of(team), HrSide::batters));
    CompetitionRank league_rank, club_rank;
    const Text* previous_club_entry = nullptr;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int in_league =
            league_rank.next(i > 0 && count_of(entries[i]) == count_of(entries[i - 1]));
        if (key_team(entries[i]) != team) continue;
        const int in_club = club_rank.next(previous_club_entry != nullptr &&
                                           count_of(entries[i]) == count_of(*previous_club_entry));
        previous_club_entry = &entries[i];
        pane.lines.push_back(join_cells(homerun_club_columns(),
                                        {right_num(in_club, 3), U") ", right_num(in_league, 3), U"]  ",
                                         name_of(entries[i]), count_of(entries[i]), U"本 "}));
    }
    pane.table.columns = homerun_club_columns();
    return pane;
}

std::vector<Text> homerun_keys(std::span<const Text> table) {
    std::vector<Text> keys;
    for (const Text& entry : used_entries(table)) keys.push_back(mid(entry, 1, 12));
    return keys;
}

std::vector<Text> homerun_club_keys(const HomerunTables& tables, int team) {
    std::vector<Text> keys;
    for (const Text& entry : used_entries(homerun_table(tables, league_of(team), HrSide::batters)))
        if (key_team(entry) == team) keys.push_back(mid(entry, 1, 12));
    return keys;
}

std::vector<Text> homerun_detail_lines(const Season& season, const Text& key, HrSide side) {
    std::vector<Text> lines;
    const int team = key_team(key);
    if (team != 0 && key.size() == 12) {
        const int league = league_of(team);
        const bool batter = side == HrSide::batters;
        for_each_game(
            season, first_team(league), last_team(league), [&](Slot slot, const Text& game) {
                for (int j = 0; j < hr_count(game); ++j) {
                    const Text record = hr_at(game, j);
                    if (mid(record, batter ? 1 : 13, 12) != key) continue;
                    const Text other = mid(record, batter ? 13 : 1, 12);
                    lines.push_back(month_day_text(game) + U"  対　" + season.clubs.team_name(key_team(other)) +
                                    right_num(slot.meet, 4) + U"回戦　　" + mid(other, 3, 10));
                }
            });
    }
    lines.emplace_back(kCloseLine);
    return lines;
}

}  // namespace tev
