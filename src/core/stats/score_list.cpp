#include "core/stats/score_list.h"

#include <algorithm>
#include <vector>

#include "core/stats/stored_games.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// Runs up to what the 2-character field can hold, so every stored game has its place.
constexpr int kMaxRuns = 99;

struct ScoreCount {
    int high = 0, low = 0;
    int all = 0, central = 0, pacific = 0;
};

Text score_entry(const ScoreCount& s) {
    return right_num(s.high, 2) + U" -" + right_num(s.low, 2) + U"  " + right_num(s.all, 3) + U" 回    " +
           right_num(s.central, 3) + U" 回   " + right_num(s.pacific, 3) + U" 回";
}

int entry_all(const Text& entry) { return static_cast<int>(number_or_zero(mid(entry, 9, 3))); }
int entry_central(const Text& entry) { return static_cast<int>(number_or_zero(mid(entry, 18, 3))); }
int entry_pacific(const Text& entry) { return static_cast<int>(number_or_zero(mid(entry, 26, 3))); }

}  // namespace

ScoreList build_score_list(const Season& season) {
    std::vector<ScoreCount> counts((kMaxRuns + 1) * (kMaxRuns + 1));
    for_each_stored_game(season, [&](const StoredGame& g) {
        const int a = std::clamp(first_runs(*g.game), 0, kMaxRuns);
        const int b = std::clamp(second_runs(*g.game), 0, kMaxRuns);
        ScoreCount& s = counts[std::max(a, b) * (kMaxRuns + 1) + std::min(a, b)];
        s.high = std::max(a, b);
        s.low = std::min(a, b);
        ++s.all;
        // A league game is its league's; an interleague game is each league's, as both
        // leagues' standings count it.
        if (g.interleague || league_of(g.visitor) == 1) ++s.central;
        if (g.interleague || league_of(g.visitor) == 2) ++s.pacific;
    });
    // Counts in (higher, lower) order; a stable sort keeps that order among equal counts.
    std::vector<ScoreCount> seen;
    for (const ScoreCount& s : counts)
        if (s.all > 0) seen.push_back(s);
    std::stable_sort(seen.begin(), seen.end(), [](const ScoreCount& x, const ScoreCount& y) { return x.all > y.all; });
    ScoreList score_list;
    for (std::size_t e = 0; e < seen.size() && e < score_list.size(); ++e) score_list[e] = score_entry(seen[e]);
    return score_list;
}

int score_list_size(const ScoreList& score_list) {
    int n = 0;
    while (n < kScoreListEntries && !score_list[n].empty()) ++n;
    return n;
}

ReportPane score_list_report(const ScoreList& score_list) {
    ReportPane pane;
    pane.status = U"得点をクリックすると詳細が表示されます。";
    pane.caption = Text(U"　　　　　　  　  　両リーグ得点一覧") + kLineBreak + U"          得点    回 数　 　セリーグ  パリーグ";
    int all = 0, central = 0, pacific = 0;
    int rank = 0;
    for (int e = 0; e < score_list_size(score_list); ++e) {
        const Text& entry = score_list[e];
        if (e == 0 || mid(entry, 9, 3) != mid(score_list[e - 1], 9, 3)) rank = e + 1;  // equal counts share
        pane.lines.push_back(right_num(rank, 3) + U"] " + entry);
        all += entry_all(entry);
        central += entry_central(entry);
        pacific += entry_pacific(entry);
    }
    pane.lines.push_back(U"合　　計 " + Text(U"     ") + right_num_uncut(all, 3) + U" 回    " +
                         right_num_uncut(central, 3) + U" 回   " + right_num_uncut(pacific, 3) + U" 回");
    return pane;
}

std::optional<int> score_line_click(int line, const ScoreList& score_list) {
    if (line < 1 || line > score_list_size(score_list)) return std::nullopt;
    return line;
}

}  // namespace tev
