// Standings as of a chosen day (指定日成績): `build_standings_as_of` counts only the games played
// up to and including the day, `standings_as_of_report` lays them out as the standings report
// under a title line naming the date, and the date chooser steps the day with the calendar
// buttons, within 1 March .. 31 October.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/stats/report_pane.h"
#include "core/stats/standings.h"
#include "core/store/club_names.h"

namespace tev {

// The chosen day: `month` 1..12 and `day` 1..31 (a day past the month's end is allowed and
// filters by its numbers).
struct AsOfDate {
    int month = 4;
    int day = 1;

    friend bool operator==(const AsOfDate&, const AsOfDate&) = default;
};

// The day the report opens on: 1 April.
constexpr AsOfDate as_of_opening() { return {4, 1}; }

// True when `game` was played on or before the chosen day (month and day as stored; March is
// March here).
bool played_by(const Text& game, AsOfDate date);

// The standings of first_team..last_team ((1, 6) or (7, 12)) counting only the games played by
// `date`, ordered exactly as `build_standings` orders them: the tables the as-of report shows and
// its line clicks read.
LeagueTable build_standings_as_of(const Season& season, int first_team, int last_team,
                                  AsOfDate date);

// The title line "【開幕よりM月D日（W曜日）迄の成績一覧】" of `date` in the season `disp_year`.
Text as_of_title(const std::string& disp_year, AsOfDate date);

// The standings caption (title and the column header of `disp_size`), the 14 lines (the title
// line, six Central lines, an empty line, six Pacific lines, each as in the standings report)
// and the hint for Text1.
ReportPane standings_as_of_report(const LeagueTable& central_as_of,
                                  const LeagueTable& pacific_as_of, const std::string& disp_year,
                                  AsOfDate date, int disp_size,
                                  const ClubNames& clubs = default_club_names());

// A day button (1..31): the chosen day becomes `day`, or nothing when the day is refused (31 in
// April, June or September).
std::optional<AsOfDate> as_of_pick_day(AsOfDate date, int day);

// A month button (1..12): the chosen month becomes `month`, the day stays.
AsOfDate as_of_pick_month(AsOfDate date, int month);

// "－": one day back; from day 1 to the last day of the previous month; never before 1 March
// (a date there, or earlier, stays).
AsOfDate as_of_step_back(AsOfDate date);

// "＋": one day forward; after the month's last day (30 in April, June, September, November, 31
// otherwise) to day 1 of the next month; never past 31 October (a date there, or later, stays).
AsOfDate as_of_step_forward(AsOfDate date);

// A keypad button Command4(index) in the date chooser: 0 "－", 32 "＋", 1..31 a day. The new
// date, or nothing when the press does nothing (a refused day, an index outside 0..32).
std::optional<AsOfDate> as_of_key(AsOfDate date, int index);

}  // namespace tev
