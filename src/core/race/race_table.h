// The pennant race table of both leagues: place, club, record, percentage, games behind the
// leader and the club above, games left (interleague games included), the pennant mark (a magic
// number as the press shows it, or the clinch or elimination mark) and in a Climax Series year the
// mark for a place in the first three; below it each league's games left per pair of clubs, and in
// a season with interleague play each club's interleague games left. As of the last game day, or
// of a chosen day. Clubs are placed by each league's rules for the year.
#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/race/league_position.h"
#include "core/race/league_rules.h"
#include "core/race/place_chase.h"
#include "core/stats/report_pane.h"
#include "core/stats/standings_as_of.h"
#include "core/store/club_names.h"

namespace tev {

// One club's line of the race table, as computed.
struct RaceLine {
    int team = 0;          // team number 1..12
    int rank = 0;          // the place by the league's rules, shared where they share it
    ClubRecord record;
    int behind_leader = 0;  // half games behind the club in first place
    int behind_above = 0;   // half games behind the club one line up (0 for the first line)
    int games_left = 0;
    PlaceChase pennant;
    std::optional<PlaceChase> climax;  // in a Climax Series year
};

// The clubs of `pos`'s league in the table's order, and their places: the standings' own under
// rules that part no level finish, else the order of `rules`.
std::pair<std::array<int, 6>, std::array<int, 7>> race_order(const Season& season, const LeaguePosition& pos,
                                                             const TieRules& rules,
                                                             const std::function<bool(const Text& game)>& keep = {});

// The six lines of `pos`'s league in the order of `rules` (the standings' order under rules
// that part no level finish), counting the games `keep` accepts.
std::vector<RaceLine> race_lines(const Season& season, const LeaguePosition& pos, const TieRules& rules,
                                 const std::function<bool(const Text& game)>& keep = {});

// The report: the caption (title naming the day, column header), both leagues' tables and their
// games left per pair, and the closing line. `as_of` nothing: every stored game, named by the
// last day a game was played. `previous`: the places of the year before, where it is registered.
ReportPane race_report(const Season& season, int meetings, std::optional<AsOfDate> as_of,
                       const std::optional<LeaguePlaces>& previous = std::nullopt);

// The team number on line `line` (1-based) of the race report, or nothing for another line.
std::optional<int> race_line_team(const std::vector<Text>& lines, int line, const ClubNames& clubs);

}  // namespace tev
