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

// The header row: the names of the columns that are exported.
std::vector<Text> column_names(const ReportColumns& columns);

// The pane line made of `cells`, one per column, each padded with blanks to its column's width
// so that a short cell never shifts the columns after it.
Text join_cells(const ReportColumns& columns, const std::vector<Text>& cells);

// The fields of the pane line `line`, cut at the columns' places and trimmed of blanks, one per
// exported column; the last column takes whatever remains of the line.
std::vector<Text> split_line(const ReportColumns& columns, TextView line);

}  // namespace tev
