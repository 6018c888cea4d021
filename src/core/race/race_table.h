// The pennant race table of both leagues: place, club, record, percentage, games behind the
// leader and the club above, games left (interleague games included), and the magic number or
// the elimination mark; below it each league's games left per pair of clubs, and in a season with
// interleague play each club's interleague games left. As of the last game day, or of a chosen
// day.
#pragma once

#include <optional>
#include <vector>

#include "core/race/league_position.h"
#include "core/stats/report_pane.h"
#include "core/stats/standings_as_of.h"
#include "core/store/club_names.h"

namespace tev {

// One club's line of the race table, as computed.
struct RaceLine {
    int team = 0;          // team number 1..12
    int rank = 0;          // the standings' place, shared on ties
    bool alone_first = false;  // first, and no other club level with it
    ClubRecord record;
    int behind_leader = 0;  // half games behind the club in first place
    int behind_above = 0;   // half games behind the club one line up (0 for the first line)
    int games_left = 0;
    std::optional<int> magic;  // fewest wins that clinch; nothing when its own wins cannot
    bool eliminated = false;
};

// The six lines of `league` in the standings' order, from `pos`, with the standings' places.
std::vector<RaceLine> race_lines(const Season& season, const LeaguePosition& pos,
                                 const std::function<bool(const Text& game)>& keep = {});

// The mark of a line: "マジック N" for the club alone in first place that can clinch by its wins,
// "優勝" once it has, "優勝消滅" for a club that cannot finish first at all, "自力優勝消滅" for one
// that can no longer by its own wins alone; empty otherwise.
Text race_mark(const RaceLine& line);

// The report: the caption (title naming the day, column header), both leagues' tables and their
// games left per pair, and the closing line. `as_of` nothing: every stored game, named by the
// last day a game was played.
ReportPane race_report(const Season& season, int meetings, std::optional<AsOfDate> as_of);

// The team number on line `line` (1-based) of the race report, or nothing for another line.
std::optional<int> race_line_team(const std::vector<Text>& lines, int line, const ClubNames& clubs);

}  // namespace tev
