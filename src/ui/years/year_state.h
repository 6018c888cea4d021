// The year files' own state: which operation the year list List3 will carry out when a year is
// clicked, and the year-switch marker that tells a failed read of another year.
#pragma once

namespace tev::ui {

// What a click in the year list does (set by the menu command that filled the list).
enum class YearOperation { none, new_year, read_year, delete_year };

struct YearFileState {
    YearOperation pending = YearOperation::none;
    int year_switch = 0;  // the number of the year being left while another is read, else 0
};

}  // namespace tev::ui
