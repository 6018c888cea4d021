// Detail lists opened from report lines and the calendar: a club's game list and the day's
// match cards. Each returns the lines of the detail pane, closing line included.
#pragma once

#include <functional>
#include <vector>

#include "core/store/season.h"

namespace tev {

inline constexpr const char32_t* kCloseLine = U"以上です。このラインをクリックするとこの窓は、消去されます。";
inline constexpr const char32_t* kCloseLineShort = U">このラインをクリックするとこの窓は、消去されます。";

// A pitcher name of a game (trailing blanks removed) in a cell of six characters.
Text pitcher_cell(const Text& name);

// The three pitcher cells of a game in stored order: the first-batting club's pitcher of record,
// the second-batting club's, the save pitcher.
Text pitcher_cells(const Text& game);

// "○ " won, "● " lost, "   " drawn, from the club's and the rival's runs as stored (compared as
// the right-aligned texts they are).
Text result_mark(const Text& runs, const Text& rival_runs);

// A club's game list: the games it batted first in (rival by rival, meeting by meeting), then the
// games it batted second in, each line "date 対 rival meeting回戦  mark runs-runs pitchers", then
// the closing line. In a season with interleague games (has_interleague_games) the list holds the
// club's interleague games too, laid out alike, and all its games stand in date order. Only the
// games `keep` accepts are listed (all when it is empty).
std::vector<Text> club_game_lines(const Season& season, int team,
                                  const std::function<bool(const Text& game)>& keep = {});

// The club's interleague games in date order, one line each as in its game list; no closing line.
std::vector<Text> interleague_game_lines(const Season& season, int team);

// The match cards of `month`/`day`: one numbered line per game (the league games in the store's
// order, then the interleague games), then the summary line naming the weekday (or saying there
// were none), then the short closing line.
std::vector<Text> day_card_lines(const Season& season, int month, int day);

}  // namespace tev
