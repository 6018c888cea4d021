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

}  // namespace tev
