// The race as the press reads it, on hand-built leagues: when a magic number is shown, how the
// tie rules decide a level finish, and the Climax Series' places. Each position is small enough
// for every outcome of its games left to be tried, and the marks are checked against that too.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/race/final_order.h"
#include "core/race/place_chase.h"
#include "core/race/place_search.h"
#include "core/race/rank_key.h"
#include "core/race/tie_rules.h"
#include "core/stats/standings.h"
#include "core/text/fixed_width.h"
#include "support/golden.h"
#include "support/race_oracle.h"

namespace tev {
namespace {

using test::enumerate_places;
using test::play;

// A league built game by game: `won(a, b, n)` a beat b n times, `drew`, `ahead` for games left.
struct League {
    LeaguePosition pos;

    League& won(int a, int b, int n) {
        for (int i = 0; i < n; ++i) play(pos, a, b, 1);
        return *this;
    }
    League& drew(int a, int b, int n) {
        for (int i = 0; i < n; ++i) play(pos, a, b, 0);
        return *this;
    }
    League& ahead(int a, int b, int n) {
        pos.left[a][b] += n;
        pos.left[b][a] += n;
        return *this;
    }
};

const char* const kClubs[7] = {"", "A", "B", "C", "D", "E", "F"};

// The table of a position as the race shows it: place, club, record, percentage, the pennant mark
// and (with `climax`) the Climax Series mark. Every number is compared with every outcome first.
std::vector<Text> table(const LeaguePosition& pos, const TieRules& rules, bool climax) {
    const LeagueOrder order = order_in_season(pos, rules);
    const auto pennant = place_chases(pos, rules, 1);
    const auto third = place_chases(pos, rules, kClimaxSeriesPlaces);
    for (int places : {1, kClimaxSeriesPlaces}) {
        const auto e = enumerate_places(pos, rules, places);
        for (int c = 1; c <= 6; ++c) {
            const auto& chase = places == 1 ? pennant[c] : third[c];
            EXPECT_EQ(chase.own_chance, e.clinch[c].has_value()) << "club " << c << " places " << places;
            if (chase.lit || e.clinch[c] == 0) {
                EXPECT_EQ(chase.number, e.clinch[c]) << "club " << c << " places " << places;
            }
            EXPECT_EQ(chase.out, !e.clinch[c] && !e.can_finish[c]) << "club " << c << " places " << places;
        }
    }
    std::vector<Text> lines;
    for (int c : order.clubs) {
        const ClubRecord& r = pos.clubs[c];
        Text line = right_num(order.place[c], 2) + U"] " + ascii(kClubs[c]) + right_num(r.wins, 4) + right_num(r.losses, 4) +
                    right_num(r.draws, 3) + U"  " + pct_text(r.wins, r.wins + r.losses) + right_num(pos.games_left(c), 4) +
                    U"  " + pad_columns(pennant_mark(pennant[c]), 12);
        if (climax) line += U"  " + climax_mark(third[c]);
        lines.push_back(trim_right(line));
    }
    return lines;
}

// Lines of several days, each headed by its name.
void add_day(std::vector<Text>& lines, const std::string& day, const std::vector<Text>& table_lines) {
    lines.push_back(ascii(day));
    lines.insert(lines.end(), table_lines.begin(), table_lines.end());
}

// A and B ahead of four clubs far behind; A has beaten B twice in two meetings, two are left.
League two_club_race() {
    League l;
    l.won(1, 2, 2).ahead(1, 2, 2);
    for (int c = 3; c <= 6; ++c) l.pos.clubs[c] = {2, 9, 0};
    return l;
}

// Plays one game left between a and b: a wins.
void beats(League& l, int a, int b) {
    l.pos.left[a][b] -= 1;
    l.pos.left[b][a] -= 1;
    l.won(a, b, 1);
}

TEST(RacePress, AMagicNumberIsLitGoesOutAndIsLitAgainAsTheRivalsOwnChanceComesAndGoes) {
    // The Central League's rules of 2002-2021: percentage, wins, head to head, the year before.
    const TieRules rules = tie_rules(1, 2015);
    League l = two_club_race();
    l.pos.clubs[1].wins += 7;  // 9-2 with the two wins over B
    l.pos.clubs[1].losses += 2;
    l.pos.clubs[2].wins += 7;  // 7-3
    l.pos.clubs[2].losses += 1;
    l.ahead(2, 3, 1).ahead(1, 4, 1).ahead(2, 5, 1);
    std::vector<Text> lines;
    // B winning its four games left ends 11-3, above anything A can reach without those two
    // meetings: B keeps its own chance.
    add_day(lines, "B keeps its own chance", table(l.pos, rules, false));
    // B loses to C. Winning all it has left, B ends 10-4; A, beating D, ends 10-4 too, level on
    // wins and head to head (2-2). With the year before unknown nothing parts them, and a level
    // finish it cannot be sure of does not keep B's own chance: A's number lights.
    beats(l, 3, 2);
    add_day(lines, "B loses to C", table(l.pos, rules, false));
    // The same day with B above A the year before: B's level finish would be first, so it keeps
    // its own chance and A's number stays dark.
    TieRules known = rules;
    known.previous_place = {0, 2, 1, 3, 4, 5, 6};
    add_day(lines, "B loses to C, B above A the year before", table(l.pos, known, false));
    // A loses to D: B's best, 10-4, is above anything A can now reach: A's number goes out.
    beats(l, 4, 1);
    add_day(lines, "A loses to D", table(l.pos, rules, false));
    // B loses to E: its best, 9-5, is level with A's worst at most, and A's number lights again.
    beats(l, 5, 2);
    add_day(lines, "B loses to E", table(l.pos, rules, false));
    EXPECT_TRUE(test::matches_golden("race_press/lit_out_relit.golden", lines));
}

TEST(RacePress, ALevelPercentageIsPartedByWinsInTheCentralAndHeadToHeadInThePacific) {
    // A 12-6 and B 10-5 with three draws finish level on percentage; B beat A three games to one.
    // The Central League places the club with more wins first, the Pacific the better record
    // between the two.
    League l;
    l.won(2, 1, 3).won(1, 2, 1);
    l.pos.clubs[1] = {12, 6, 0};
    l.pos.clubs[2] = {10, 5, 3};
    for (int c = 3; c <= 6; ++c) l.pos.clubs[c] = {4, 10, 0};
    std::vector<Text> lines;
    add_day(lines, "Central League", table(l.pos, tie_rules(1, 2024), false));
    add_day(lines, "Pacific League", table(l.pos, tie_rules(2, 2024), false));
    // The day before, A at 11-6 with one game left against C: a win makes the level finish.
    l.pos.clubs[1] = {11, 6, 0};
    l.ahead(1, 3, 1);
    add_day(lines, "Central League, A with a game left", table(l.pos, tie_rules(1, 2024), false));
    add_day(lines, "Pacific League, A with a game left", table(l.pos, tie_rules(2, 2024), false));
    EXPECT_TRUE(test::matches_golden("race_press/level_finish.golden", lines));
}

TEST(RacePress, TheClimaxSeriesNumberLightsForThirdPlace) {
    // A and B are through; C leads D by two games with C-D meetings left; E and F are out.
    const TieRules rules = tie_rules(1, 2024);
    League l;
    l.won(1, 3, 5).won(1, 4, 5).won(1, 5, 5).won(1, 6, 5).won(2, 3, 5).won(2, 4, 5).won(2, 5, 5).won(2, 6, 5);
    l.won(1, 2, 2).won(2, 1, 2);
    l.won(3, 5, 4).won(3, 6, 4).won(4, 5, 3).won(4, 6, 3).won(5, 6, 1).won(6, 5, 1).won(3, 4, 1).won(4, 3, 1);
    l.ahead(3, 4, 3).ahead(3, 5, 1).ahead(4, 6, 1);
    std::vector<Text> lines;
    add_day(lines, "C two games ahead of D, three meetings left", table(l.pos, rules, true));
    l.pos.left[3][4] = l.pos.left[4][3] = 0;
    l.won(3, 4, 1).ahead(3, 4, 2);
    add_day(lines, "C beats D", table(l.pos, rules, true));
    EXPECT_TRUE(test::matches_golden("race_press/climax_series.golden", lines));
}

}  // namespace
}  // namespace tev
