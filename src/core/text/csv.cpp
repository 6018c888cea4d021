#include "core/text/csv.h"

#include <algorithm>

#include "core/text/fixed_width.h"

namespace tev {

namespace {

// Empty lines (or lines of blanks only) only part a pane's blocks.
bool is_blank(TextView line) { return line.find_first_not_of(U" \u3000") == TextView::npos; }

bool needs_quotes(TextView field) {
    return field.find_first_of(U",\"\r\n") != TextView::npos;
}

void append_record(std::string& out, const CsvRow& row) {
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += ',';
        out += csv_field(row[i]);
    }
    out += "\r\n";
}

}  // namespace

std::string csv_field(TextView field) {
    const std::string bytes = to_utf8(field);
    if (!needs_quotes(field)) return bytes;
    std::string quoted = "\"";
    for (char c : bytes) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csv_records(const std::vector<CsvRow>& records) {
    std::string out = "\xEF\xBB\xBF";
    for (const CsvRow& record : records) append_record(out, record);
    return out;
}

std::string csv_document(const CsvRow& header, const std::vector<CsvRow>& rows) {
    std::vector<CsvRow> records = {header};
    records.insert(records.end(), rows.begin(), rows.end());
    return csv_records(records);
}

std::string report_csv(const ReportColumns& columns, const std::vector<Text>& lines) {
    ReportTable table;
    table.columns = columns;
    return report_csv(table, lines);
}

namespace {

const ReportHeading* heading_of(const ReportTable& table, const Text& line) {
    for (const ReportHeading& heading : table.headings)
        if (heading.line == line) return &heading;
    return nullptr;
}

CsvRow row_fields(const ReportTable& table, const Text& line) {
    CsvRow fields = split_line(table.columns, line);
    for (Text& field : fields) field = closed_up(field);
    return fields;
}

}  // namespace

std::string report_csv(const ReportTable& table, const std::vector<Text>& lines) {
    const bool grouped = !table.group_column.empty();
    std::vector<CsvRow> records;
    if (table.headings.empty()) {
        records.push_back(column_names(table.columns));
        if (grouped) records.back().insert(records.back().begin(), table.group_column);
    }
    std::size_t row = 0;
    for (const Text& line : lines) {
        if (is_blank(line)) continue;
        if (const ReportHeading* heading = heading_of(table, line)) {
            records.push_back(heading->fields);
            for (Text& field : records.back()) field = closed_up(field);
            if (grouped) records.back().insert(records.back().begin(), table.group_column);
            continue;
        }
        records.push_back(row_fields(table, line));
        if (grouped) records.back().insert(records.back().begin(), row < table.row_groups.size() ? table.row_groups[row] : Text());
        ++row;
    }
    return csv_records(records);
}

std::string lines_csv(const std::vector<Text>& lines) {
    std::vector<CsvRow> records = {{U"内容"}};
    for (const Text& line : lines)
        if (!is_blank(line)) records.push_back({trim_right(line)});
    return csv_records(records);
}

}  // namespace tev
