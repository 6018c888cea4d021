#include "core/text/csv.h"

namespace tev {

namespace {

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

std::string csv_document(const CsvRow& header, const std::vector<CsvRow>& rows) {
    std::string out = "\xEF\xBB\xBF";
    append_record(out, header);
    for (const CsvRow& row : rows) append_record(out, row);
    return out;
}

std::string report_csv(const ReportColumns& columns, const std::vector<Text>& lines) {
    std::vector<CsvRow> rows;
    for (const Text& line : lines)
        if (line.find_first_not_of(U" \u3000") != Text::npos) rows.push_back(split_line(columns, line));
    return csv_document(column_names(columns), rows);
}

}  // namespace tev
