#include "ui/share/pane_export.h"

#include "core/stats/standings_report.h"
#include "core/text/csv.h"

namespace tev::ui {

namespace {

// The columns of the report `view`; null for a report not yet described.
const ReportColumns* columns_of(ListView view) {
    switch (view) {
        case ListView::standings: return &standings_columns();
        default: return nullptr;
    }
}

}  // namespace

std::optional<std::string> list4_csv(MainWindow& window) {
    const ReportColumns* columns = columns_of(window.list4_view());
    const Control* pane = window.main().find("List4");
    if (columns == nullptr || pane == nullptr || !pane->visible) return std::nullopt;
    return report_csv(*columns, pane->lines);
}

}  // namespace tev::ui
