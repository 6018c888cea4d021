#include "core/stats/streaks_report.h"

#include "core/text/fixed_width.h"

namespace tev {

namespace {

// Length and count of an entry, blanks for an empty one.
Text length_of(const StreakEntry& entry) { return mid(streak_entry_text(entry), 1, 2); }
Text count_of(const StreakEntry& entry) { return mid(streak_entry_text(entry), 4, 2); }

Text streak_line(const Text& name, const StreakEntry& win, const Text& between, const StreakEntry& lose) {
    return U" " + name + U" " + length_of(win) + U"連勝　" + count_of(win) + U"回" + between + length_of(lose) +
           U"連敗　" + count_of(lose) + U"回";
}

}  // namespace

ReportPane streaks_report(const Streaks& streaks, const ClubNames& clubs) {
    ReportPane pane;
    pane.caption = Text(kLineBreak) + U"　　　　　　　　両リーグ　連 勝、連 敗 一 覧";
    for (int team = 1; team <= 12; ++team) {
        const auto& wins = streaks.win_streaks[team];
        const auto& losses = streaks.lose_streaks[team];
        pane.lines.push_back(streak_line(clubs.team_name(team), wins[0], U" 　", losses[0]));
        pane.lines.push_back(streak_line(clubs.team_name(13), wins[1], U"　 ", losses[1]));
        pane.lines.push_back(streak_line(clubs.team_name(13), wins[2], U"　 ", losses[2]));
        pane.lines.emplace_back();
    }
    return pane;
}

}  // namespace tev
