#include "core/stats/monthly_report.h"

#include <charconv>

#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

const Text kMonthHeaders[3] = {
    U"    ﾁｰﾑ　  ３，４月  ５月     ６月    ７月     ８月    ９月  １０月",
    U"    ﾁｰﾑ　  ３，４月  ５月    ６月    ７月    ８月    ９月   １０月",
    U"    ﾁｰﾑ　  ３，４月 ５月    ６月     ７月    ８月    ９月    １０月",
};

// The quotient's shortest decimal text padded with zeros and cut to "0.dddd".
Text cut_quotient(double q) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, q, std::chars_format::fixed);
    return cut(ascii(std::string_view(buffer, result.ptr - buffer)) + U"00000", 6);
}

// The columns of a monthly row: the club, then the seven months, `between` blanks apart. A
// percentage row's empty month is one character wider than its column, so only the win-loss
// rows keep to their columns throughout and are described for export.
ReportColumns month_columns(std::size_t cell, std::size_t between) {
    static const char32_t* const kMonths[] = {U"3・4月", U"5月", U"6月", U"7月", U"8月", U"9月", U"10月"};
    ReportColumns columns = {{U"チーム", 5}, {U"", 1}};
    for (const char32_t* month : kMonths) {
        if (columns.size() > 2) columns.push_back({U"", between});
        columns.push_back({month, cell});
    }
    return columns;
}

template <class Cell>
Text month_row(const ClubNames& clubs, const TeamTallies& tallies, int team, const ReportColumns& columns, Cell cell) {
    std::vector<Text> cells = {clubs.team_name(team), Text()};
    for (int column = kFirstMonthColumn; column <= kLastMonthColumn; ++column) {
        if (column > kFirstMonthColumn) cells.emplace_back();
        cells.push_back(cell(tallies.month_tally(team, column)));
    }
    return join_cells(columns, cells);
}

}  // namespace

const ReportColumns& monthly_record_columns() {
    static const ReportColumns columns = month_columns(7, 2);
    return columns;
}

Text monthly_header(int disp_size) { return kMonthHeaders[disp_size >= 0 && disp_size <= 2 ? disp_size : 0]; }

Text month_pct_cell(const Tally& tally) {
    if (!tally.played()) return Text(7, U' ');
    if (tally.wins == 0) return U"0.0000";
    if (tally.losses == 0) return U"1.0000";
    return cut_quotient(static_cast<double>(tally.wins) / (tally.wins + tally.losses));
}

ReportPane monthly_record_report(const TeamTallies& tallies, int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    pane.status = U"各チームの月別勝敗一覧を表示中。";
    pane.caption = Text(U"            　　       両リーグ  月別勝敗一覧") + kLineBreak + monthly_header(disp_size);
    for (int league : {1, 2}) {
        if (league == 2) pane.lines.emplace_back();
        pane.lines.emplace_back(U" ");
        for (int team = first_team(league); team <= last_team(league); ++team)
            pane.lines.push_back(month_row(clubs, tallies, team, monthly_record_columns(), tally_cell));
    }
    pane.table.columns = monthly_record_columns();
    name_league_rows(pane.table);
    return pane;
}

ReportPane monthly_pct_report(const TeamTallies& tallies, int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    pane.status = U"各チームの月別率一覧を表示中。";
    pane.caption = Text(U"            　　       両リーグ  月別勝率一覧") + kLineBreak + monthly_header(disp_size);
    pane.lines.emplace_back();
    static const ReportColumns pct_columns = month_columns(6, 3);
    for (int team = 1; team <= 6; ++team) pane.lines.push_back(month_row(clubs, tallies, team, pct_columns, month_pct_cell));
    pane.lines.emplace_back();
    pane.lines.emplace_back();
    for (int team = 7; team <= 12; ++team) pane.lines.push_back(month_row(clubs, tallies, team, pct_columns, month_pct_cell));
    return pane;
}

}  // namespace tev
