// The columns of a fixed-width report: each column's name for a table's header row and its width
// in characters. A report describes its columns once; its pane lines are joined from cells of
// those widths, and an export cuts the same lines back into fields at the same places.
#pragma once

#include <cstddef>
#include <vector>

#include "core/text/text.h"

namespace tev {

struct ReportColumn {
    Text name;           // the header word of the column; empty: a separator, not exported
    std::size_t width;   // characters the column takes in a pane line
};

using ReportColumns = std::vector<ReportColumn>;

// A pane line that is no row of the columns but a block's own heading (a grid names its rivals
// above each league), exported as the fields given here.
struct ReportHeading {
    Text line;
    std::vector<Text> fields;
};

// What a table export needs to know of a report: its columns and its headings. A report without
// headings gets the columns' names as the table's header row; a report with headings has them
// stand where they stand in the pane instead. Empty columns: the report is not described.
struct ReportTable {
    ReportColumns columns;
    std::vector<ReportHeading> headings;

    bool described() const { return !columns.empty(); }
};

// The header row: the names of the columns that are exported.
std::vector<Text> column_names(const ReportColumns& columns);

// The pane line made of `cells`, one per column, each padded with blanks to its column's width
// so that a short cell never shifts the columns after it.
Text join_cells(const ReportColumns& columns, const std::vector<Text>& cells);

// The fields of the pane line `line`, cut at the columns' places and trimmed of blanks, one per
// exported column; the last column takes whatever remains of the line.
std::vector<Text> split_line(const ReportColumns& columns, TextView line);

}  // namespace tev
