#include "core/homeruns/homerun_cum_report.h"

#include <array>

#include "core/pitchers/competition_rank.h"
#include "core/pitchers/pitcher_cum_report.h"
#include "core/pitchers/pitcher_report.h"
#include "core/stats/detail_lines.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

const std::array<Text, 3> kMenuTitles = {
    U"               セントラルリーグホームラン成績一覧（累計）",
    U"          セントラルリーグホームラン成績一覧（累計）",
    U"               セントラルリーグホームラン成績一覧（累計）"};
const std::array<Text, 3> kHeaders = {U"         バッター名          ホームラン数",
                                      U"         バッター名         ホームラン数",
                                      U"         バッター名            ホームラン数"};
const std::array<Text, 3> kBatterTitles = {U"          セントラルリーグホームラン累計一覧",
                                           U"          パシフィックリーグホームラン累計一覧",
                                           U"            両リーグホームラン累計一覧"};
const std::array<Text, 3> kPitcherTitles = {U"        セントラルリーグ被ホームラン投手一覧",
                                            U"        パシフィックリーグ被ホームラン投手一覧",
                                            U"          両リーグ被ホームラン投手一覧"};

}  // namespace

ReportPane homerun_cum_report(const HomerunCum& table, int league, HrSide side, HrCumCaption how,
                              int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    const int mode = disp_size == 1 || disp_size == 2 ? disp_size : 0;
    const Text title = how == HrCumCaption::menu
                           ? kMenuTitles[mode]
                           : (side == HrSide::batters ? kBatterTitles : kPitcherTitles)[league - 1];
    pane.caption = title + kLineBreak + kHeaders[mode];
    // Only the menu names the view in the status line; the switches redraw it without a word.
    if (how == HrCumCaption::menu) pane.status = league_name(league) + U"ホームラン成績累計表示中";
    CompetitionRank rank;
    const HomerunCumRow* previous = nullptr;
    for (const HomerunCumRow& row : table) {
        if (!key_in_league(row.key, league)) continue;
        const int r = rank.next(previous != nullptr && previous->count == row.count);
        previous = &row;
        pane.lines.push_back(right_num(r, 4) + U"] " + name_cell(row.key, 10) +
                             right_num_uncut(row.count, 3) + U"本    " +
                             clubs.team_name(key_team(row.key)));
    }
    return pane;
}

std::vector<Text> homerun_cum_keys(const HomerunCum& table, int league) {
    std::vector<Text> keys;
    for (const HomerunCumRow& row : table)
        if (key_in_league(row.key, league)) keys.push_back(row.key);
    return keys;
}

std::vector<Text> homerun_year_lines(const HomerunCum& table, const Text& key) {
    std::vector<Text> lines;
    for (const HomerunCumRow& row : table) {
        if (row.key != key) continue;
        for (std::size_t pos = 1; pos + kHomerunSlot - 1 <= row.years.size(); pos += kHomerunSlot) {
            const Text slot = mid(row.years, pos, kHomerunSlot);
            if (mid(slot, 1, 4) == U"0000") continue;
            lines.push_back(mid(slot, 1, 4) + U"年度  " + mid(slot, 5, 2) + U"本 ");
        }
        break;
    }
    lines.emplace_back(kCloseLine);
    return lines;
}

}  // namespace tev
