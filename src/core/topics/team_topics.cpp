#include "core/topics/team_topics.h"

#include <array>

#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// The innings the cumulative blocks compare: the nine of a regular game.
constexpr int kRegularInnings = 9;

// Per club (1..12) the counts of a both-league tally; entries whose club is not 1..12 are left
// out, as no line could show them.
template <class Table>
std::array<long long, 13> per_club(const Table& tally) {
    std::array<long long, 13> sums{};
    for (const Text& entry : tally) {
        if (entry.empty()) continue;
        const long long team = number_or_zero(mid(entry, 1, 2));
        if (team < 1 || team > kTeamCount) continue;
        sums[team] += number_or_zero(entry.substr(entry.size() >= 2 ? entry.size() - 2 : 0));
    }
    return sums;
}

struct InningPick {
    int inning = 1;
    int runs = 0;
};

// The first inning 1..9 with the most (`best`) or the fewest runs of `team`.
InningPick pick_inning(const InningTotals& innings, int team, bool batted_first, bool best) {
    const auto runs = [&](int inning) {
        return batted_first ? innings.runs_batting_first(team, inning)
                            : innings.runs_batting_second(team, inning);
    };
    InningPick pick{1, runs(1)};
    for (int inning = 2; inning <= kRegularInnings; ++inning) {
        const int r = runs(inning);
        if (best ? r > pick.runs : r < pick.runs) pick = {inning, r};
    }
    return pick;
}

// A season's runs in one inning can pass 99: the count keeps every digit rather than lose its
// first one.
Text inning_cell(const InningPick& pick) {
    return num_text(pick.inning) + U"回 " + right_num_uncut(pick.runs, 2) + U"点";
}

std::vector<Text> inning_topic(const InningTotals& innings, const Text& heading, bool best, const ClubNames& clubs) {
    std::vector<Text> lines = {heading, U"   チーム" + Text(U"        先攻時") + U"     後攻時"};
    for (int team = 1; team <= kTeamCount; ++team) {
        if (team == 7) lines.emplace_back();
        lines.push_back(U"   " + clubs.team_name(team) + U"  " + inning_cell(pick_inning(innings, team, true, best)) + U"  " +
                        inning_cell(pick_inning(innings, team, false, best)));
    }
    return lines;
}

}  // namespace

std::vector<Text> team_homerun_topic(const Season& season) {
    const auto hit = per_club(season.homeruns.bat_all);
    const auto allowed = per_club(season.homeruns.pit_all);
    std::vector<Text> lines = {U"【チェーム別ホームラン数】", U"   チーム名" + Text(U"　　本塁打数") + U"　 被本塁打数"};
    for (int team = 1; team <= kTeamCount; ++team) {
        if (team == 7) lines.emplace_back();
        lines.push_back(U"   " + season.clubs.team_name(team) + U"　　" + right_num_uncut(hit[team], 3) + U"本　　　" +
                        right_num_uncut(allowed[team], 3) + U"本");
    }
    return lines;
}

std::vector<Text> best_inning_topic(const InningTotals& innings, const ClubNames& clubs) {
    return inning_topic(innings, U"【累計ビックイニング】", true, clubs);
}

std::vector<Text> worst_inning_topic(const InningTotals& innings, const ClubNames& clubs) {
    return inning_topic(innings, U"【累計プアーイニング】", false, clubs);
}

}  // namespace tev
