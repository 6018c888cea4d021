#include "core/pitchers/pitcher_cum_report.h"

#include <array>

#include "core/pitchers/competition_rank.h"
#include "core/pitchers/pitcher_report.h"
#include "core/stats/detail_lines.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

const std::array<Text, 3> kTitles = {U"               セントラルリーグ投手成績一覧（累計）",
                                     U"               パシフィックリーグ投手成績一覧（累計）",
                                     U"               両リーグ投手成績一覧（累計）"};

const std::array<Text, 3> kStatus = {U"セントラルリーグ投手成績累計表示中",
                                     U"パシフィックリーグ投手成績累計表示中",
                                     U"両リーグ投手成績累計表示中"};

// A total in three columns; a total that does not fit keeps all its digits.
Text count3(int value) {
    return right_num_uncut(value, 3);
}

Text cum_line(const PitcherCumRow& row, int rank, const ClubNames& clubs) {
    return right_num(rank, 4) + U"] " + name_cell(row.key, 7) + count3(row.wins) + U"勝 " +
           count3(row.losses) + U"敗 " + count3(row.saves) + U"Ｓ " + clubs.team_name(key_team(row.key));
}

}  // namespace

bool key_in_league(const Text& key, int league) {
    const int team = key_team(key);
    if (league == 1) return team >= 1 && team <= 6;
    if (league == 2) return team >= 7 && team <= 12;
    return true;
}

ReportPane pitcher_cum_report(const PitcherCum& table, int league, int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    pane.caption = kTitles[league - 1] + kLineBreak + pitcher_list_header(league, disp_size);
    pane.status = kStatus[league - 1];
    CompetitionRank rank;
    const PitcherCumRow* previous = nullptr;
    for (const PitcherCumRow& row : table) {
        if (!key_in_league(row.key, league)) continue;
        const bool same =
            previous != nullptr && previous->wins == row.wins && previous->losses == row.losses;
        pane.lines.push_back(cum_line(row, rank.next(same), clubs));
        previous = &row;
    }
    return pane;
}

std::vector<Text> pitcher_cum_keys(const PitcherCum& table, int league) {
    std::vector<Text> keys;
    for (const PitcherCumRow& row : table)
        if (key_in_league(row.key, league)) keys.push_back(row.key);
    return keys;
}

std::vector<Text> pitcher_year_lines(const PitcherCum& table, const Text& key) {
    std::vector<Text> lines;
    for (const PitcherCumRow& row : table) {
        if (row.key != key) continue;
        for (std::size_t pos = 1; pos + kPitcherSlot - 1 <= row.years.size(); pos += kPitcherSlot) {
            const Text slot = mid(row.years, pos, kPitcherSlot);
            if (mid(slot, 1, 4) == U"0000") continue;
            lines.push_back(mid(slot, 1, 4) + U"年度  " + mid(slot, 5, 2) + U"勝 " +
                            mid(slot, 7, 2) + U"敗 " + mid(slot, 9, 2) + U"Ｓ");
        }
        break;
    }
    lines.emplace_back(kCloseLine);
    return lines;
}

}  // namespace tev
