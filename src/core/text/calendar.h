// Dates as the program's calendar gives them: a date built from year, month and day, where a day
// past the month's end rolls into the next month (31 April is 1 May), and its weekday.
#pragma once

#include "core/text/text.h"

namespace tev {

// 0 = Sunday .. 6 = Saturday for the date `year`/`month`/`day`, days past the month's end
// rolling into the next month.
int weekday(int year, int month, int day);

// "日", "月", "火", "水", "木", "金", "土" for 0..6.
Text weekday_name(int weekday);

// The weekday name of the date (the year given as its four-digit text).
Text weekday_name_of(const std::string& year, int month, int day);

// Number of days of `month` (1..12) in `year`.
int days_in_month(int year, int month);

}  // namespace tev
