#include "core/text/calendar.h"

#include <string>

#include "core/text/fixed_width.h"

namespace tev {

namespace {

// Days since 1 January of year 0 of the proleptic Gregorian calendar, for month 1..12 and any
// day count (days past the month's end simply count on).
long long day_number(long long y, int m, long long d) {
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * (m - 3) + 2) / 5 + d;
}

}  // namespace

int weekday(int year, int month, int day) {
    // 2004-04-01 was a Thursday (4).
    const long long known = day_number(2004, 4, 1);
    const long long diff = day_number(year, month, day) - known;
    return static_cast<int>(((diff % 7) + 7 + 4) % 7);
}

Text weekday_name(int w) {
    static const Text names[7] = {U"日", U"月", U"火", U"水", U"木", U"金", U"土"};
    return names[((w % 7) + 7) % 7];
}

Text weekday_name_of(const std::string& year, int month, int day) {
    return weekday_name(weekday(static_cast<int>(number_or_zero(ascii(year))), month, day));
}

int days_in_month(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) return (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 29 : 28;
    return days[(month - 1 + 12) % 12];
}

}  // namespace tev
