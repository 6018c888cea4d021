// The score list (得点一覧, `Season::score_list`): how often each final score (higher - lower
// runs) occurred, in all games and per league, most frequent first. `build_score_list` builds it;
// it is saved with the season (the Best100_ file), so the report in List1 reads the 150 saved
// strings, not the games.
// An entry is 30 characters:
//   1-2 higher runs   3-4 " -"   5-6 lower runs   7-8 blanks   9-11 games, both leagues
//   12-17 " 回    "   18-20 Central games   21-25 " 回   "   26-28 Pacific games   29-30 " 回"
#pragma once

#include <array>
#include <optional>

#include "core/stats/report_pane.h"
#include "core/store/season.h"

namespace tev {

using ScoreList = std::array<Text, kScoreListEntries>;  // entry e (1..150) is element e - 1

// The score list of the stored games: entries 1..n in order of count (equal counts ordered by
// higher, then lower runs, smaller first), the rest empty; at most 150 scores are kept. Every
// game counts once in the count of both leagues; a league game in its league's count, an
// interleague game in both leagues' counts, so that in a season with interleague games the
// leagues' counts add up to more than the whole.
ScoreList build_score_list(const Season& season);

// The number of used entries: those before the first empty one.
int score_list_size(const ScoreList& score_list);

// 得点一覧: Label6's caption, one line per used entry with its shared rank ("  1] " + entry), a
// totals line, and the hint for Text1.
ReportPane score_list_report(const ScoreList& score_list);

// The entry number (1..n) of the score line clicked at `line` (counting from 1), or nothing for
// the totals line and beyond.
std::optional<int> score_line_click(int line, const ScoreList& score_list);

}  // namespace tev
