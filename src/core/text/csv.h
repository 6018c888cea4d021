// CSV as RFC 4180 writes it, for the tables a user saves: fields separated by commas, records
// ended by CR LF, a field quoted when it holds a comma, a quote or a line break (its quotes
// doubled). The bytes are UTF-8 after a byte-order mark, which a spreadsheet in Japanese settings
// needs to read the file as UTF-8 rather than as Shift_JIS.
#pragma once

#include <string>
#include <vector>

#include "core/text/report_columns.h"
#include "core/text/text.h"

namespace tev {

using CsvRow = std::vector<Text>;

// The field as it stands in a record: quoted with doubled quotes when it has to be.
std::string csv_field(TextView field);

// The whole file: the byte-order mark, then each record.
std::string csv_records(const std::vector<CsvRow>& records);

// The whole file: the byte-order mark, the header row, then each row.
std::string csv_document(const CsvRow& header, const std::vector<CsvRow>& rows);

// A report pane as CSV: the columns' names as the header row, then one row per non-empty pane
// line, cut at the columns' places (empty lines only part the pane's blocks).
std::string report_csv(const ReportColumns& columns, const std::vector<Text>& lines);

// A report pane as CSV by its table: as above, except that a line equal to one of the table's
// headings gives that heading's fields, and a table with headings has no header row of its own.
std::string report_csv(const ReportTable& table, const std::vector<Text>& lines);

// A pane whose columns are not described, as CSV: one field per non-empty line (its trailing
// blanks removed) under the header "内容", so that nothing on screen is lost.
std::string lines_csv(const std::vector<Text>& lines);

}  // namespace tev
