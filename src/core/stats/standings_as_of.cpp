#include "core/stats/standings_as_of.h"

#include "core/stats/standings_report.h"
#include "core/store/game_string.h"
#include "core/text/calendar.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr AsOfDate kFirstDay{3, 1};
constexpr AsOfDate kLastDay{10, 31};

bool before(AsOfDate a, AsOfDate b) { return a.month < b.month || (a.month == b.month && a.day < b.day); }

// The chooser's length of a month: 30 for April, June, September and November, else 31 (the
// calendar offers 31 days in every month).
int chooser_month_days(int month) { return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31; }

}  // namespace

bool played_by(const Text& game, AsOfDate date) {
    const int month = game_month(game);
    return month < date.month || (month == date.month && game_day(game) <= date.day);
}

LeagueTable build_standings_as_of(const Season& season, int first_team, int last_team,
                                  AsOfDate date) {
    return build_standings_if(season, first_team, last_team, [date](const Text& game) { return played_by(game, date); });
}

Text as_of_title(const std::string& disp_year, AsOfDate date) {
    return U"              【開幕より" + plain_num(date.month) + U"月" + plain_num(date.day) + U"日（" +
           weekday_name_of(disp_year, date.month, date.day) + U"曜日）迄の成績一覧】";
}

ReportPane standings_as_of_report(const LeagueTable& central_as_of,
                                  const LeagueTable& pacific_as_of, const std::string& disp_year,
                                  AsOfDate date, int disp_size, const ClubNames& clubs) {
    ReportPane pane;
    pane.status = U"チーム名をクリックすると詳細が表示されます。";
    pane.caption = standings_title() + kLineBreak + standings_header(disp_size);
    pane.lines = standings_lines(central_as_of, pacific_as_of, disp_year, clubs);
    pane.lines.front() = as_of_title(disp_year, date);  // the title takes the leading empty line's place
    return pane;
}

std::optional<AsOfDate> as_of_pick_day(AsOfDate date, int day) {
    if (day < 1 || day > 31) return std::nullopt;
    if (day == 31 && (date.month == 4 || date.month == 6 || date.month == 9)) return std::nullopt;
    return AsOfDate{date.month, day};
}

AsOfDate as_of_pick_month(AsOfDate date, int month) { return {month, date.day}; }

AsOfDate as_of_step_back(AsOfDate date) {
    if (!before(kFirstDay, date)) return date;
    if (date.day > 1) return {date.month, date.day - 1};
    return {date.month - 1, chooser_month_days(date.month - 1)};
}

AsOfDate as_of_step_forward(AsOfDate date) {
    if (!before(date, kLastDay)) return date;
    if (date.day < chooser_month_days(date.month)) return {date.month, date.day + 1};
    return {date.month + 1, 1};
}

std::optional<AsOfDate> as_of_key(AsOfDate date, int index) {
    if (index == 0) return as_of_step_back(date);
    if (index == 32) return as_of_step_forward(date);
    return as_of_pick_day(date, index);
}

}  // namespace tev
