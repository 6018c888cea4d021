// The detail lists opened by clicking a report line, and the reading of the clicked line: a
// club's game list from the standings (also as of a chosen day), all meetings of two clubs from
// the meeting status, and every game that ended with a score from the score list. Each list ends
// with the closing line, whose click hides the pane.
#pragma once

#include <optional>
#include <vector>

#include "core/stats/score_list.h"
#include "core/stats/standings.h"
#include "core/stats/standings_as_of.h"
#include "core/store/club_names.h"
#include "core/store/season.h"

namespace tev {

// The team (1..12) of the club on line `line` (counting from 1) of the standings report or of
// the report as of a date: lines 2..7 the Central table's rows, 9..14 the Pacific table's; nothing
// for the other lines.
std::optional<int> standings_line_club(int line, const LeagueTable& central, const LeagueTable& pacific);

// The club game list of `team` counting only the games played by `date`, closing line included.
std::vector<Text> club_game_lines_as_of(const Season& season, int team, AsOfDate date);

// A click on line `line` of the report as of a date: the as-of club game list of the club on that
// line, or nothing when the line holds no club.
std::optional<std::vector<Text>> as_of_line_click(const Season& season, int line,
                                                  const LeagueTable& central_as_of,
                                                  const LeagueTable& pacific_as_of, AsOfDate date);

// The rival of a MeetingPick that stands for the whole other league (the interleague line).
inline constexpr int kOtherLeague = 0;

struct MeetingPick {
    int club = 0;   // team 1..12 of the block clicked
    int rival = 0;  // team 1..12 of the line clicked, or kOtherLeague

    friend bool operator==(const MeetingPick&, const MeetingPick&) = default;
};

// The club and rival of line `line` (counting from 1) of the meeting status report `lines`: the
// club of the block (7 lines, 8 with the interleague line), the rival whose name begins the
// line, or kOtherLeague for the interleague line; nothing for a heading, an empty line or a line
// outside the report.
std::optional<MeetingPick> meeting_status_click(int line, const std::vector<Text>& lines, const ClubNames& clubs = default_club_names());

// All stored meetings of `club` and `rival` in meeting order under a heading naming both, each
// line "NN回戦  date  mark runs-runs pitchers" from `club`'s side, then the closing line; for
// clubs of different leagues their interleague meetings. For `rival` kOtherLeague the heading
// names "交流戦" and the lines are the club's interleague games in date order, each naming its
// rival as the club's game list does.
std::vector<Text> meeting_detail_lines(const Season& season, int club, int rival);

// Every stored game (league games in store order, then interleague games in theirs) that ended
// with the score of the score-list `entry`, each line "date mark visitor 対 mark home NN回戦
// pitchers", then the closing line.
std::vector<Text> score_detail_lines(const Season& season, const Text& entry);

}  // namespace tev
