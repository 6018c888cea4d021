#include "core/text/report_columns.h"

#include <algorithm>

#include "core/text/fixed_width.h"

namespace tev {

std::vector<Text> column_names(const ReportColumns& columns) {
    std::vector<Text> names;
    for (const ReportColumn& column : columns)
        if (!column.name.empty()) names.push_back(column.name);
    return names;
}

Text join_cells(const ReportColumns& columns, const std::vector<Text>& cells) {
    Text line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line += cells[i];
        if (i < columns.size() && cells[i].size() < columns[i].width)
            line.append(columns[i].width - cells[i].size(), U' ');
    }
    return line;
}

std::vector<Text> split_line(const ReportColumns& columns, TextView line) {
    std::vector<Text> fields;
    std::size_t at = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool last = i + 1 == columns.size();
        const std::size_t begin = std::min(at, line.size());
        const TextView cell = last ? line.substr(begin) : line.substr(begin, columns[i].width);
        at += columns[i].width;
        if (!columns[i].name.empty()) fields.push_back(trim_both(cell));
    }
    return fields;
}

Text league_short_name(int league) { return league == 1 ? U"セ・リーグ" : U"パ・リーグ"; }

void add_league_row(ReportTable& table, int league) {
    table.group_column = U"リーグ";
    table.row_groups.push_back(league_short_name(league));
}

void name_league_rows(ReportTable& table, int rows_per_league) {
    for (int league : {1, 2})
        for (int row = 0; row < rows_per_league; ++row) add_league_row(table, league);
}

Text closed_up(TextView field) {
    constexpr char32_t kFullWidthBlank = U'\u3000';
    if (field.size() < 3 || field.size() % 2 == 0) return Text(field);
    Text out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool blank = field[i] == kFullWidthBlank || field[i] == U' ';
        if (blank != (i % 2 == 1) || (blank && field[i] != kFullWidthBlank)) return Text(field);
        if (!blank) out += field[i];
    }
    return out;
}

}  // namespace tev
