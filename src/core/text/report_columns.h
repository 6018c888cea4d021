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
    // A table whose rows belong to different groups, as the clubs of the two leagues: the name of
    // the column that says which ("リーグ") and each row's group, in the order of the rows (the
    // lines that are neither empty nor headings). A table export puts it before the other columns.
    Text group_column;
    std::vector<Text> row_groups;

    bool described() const { return !columns.empty(); }
};

// The next row's league (1 Central, 2 Pacific), in the table's league column.
void add_league_row(ReportTable& table, int league);

// The league of each row, for a table of `rows_per_league` rows of Central League clubs and
// then as many of the Pacific League's.
void name_league_rows(ReportTable& table, int rows_per_league = 6);

// A league (1 Central, 2 Pacific) as a table names it in its league column ("セ・リーグ").
Text league_short_name(int league);

// The header row: the names of the columns that are exported.
std::vector<Text> column_names(const ReportColumns& columns);

// The pane line made of `cells`, one per column, each padded with blanks to its column's width
// so that a short cell never shifts the columns after it.
Text join_cells(const ReportColumns& columns, const std::vector<Text>& cells);

// The fields of the pane line `line`, cut at the columns' places and trimmed of blanks, one per
// exported column; the last column takes whatever remains of the line.
std::vector<Text> split_line(const ReportColumns& columns, TextView line);

// A field as a table export shows it: a name spread out with full-width blanks between its
// characters to fill its column ("阪　神") is closed up ("阪神"); any other field is kept.
Text closed_up(TextView field);

}  // namespace tev
