#include "core/stats/standings.h"

#include <charconv>

#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

struct ClubCount {
    long long games = 0, wins = 0, losses = 0, draws = 0, scored = 0, allowed = 0, attendance = 0;
};

// The percentage characters as a number of ten-thousandths ("0.5769" -> 5769).
long long pct_value(const StandingRow& row) {
    const Text pct = row_pct(row);
    return number_or_zero(mid(pct, 1, 1)) * 10000 + number_or_zero(mid(pct, 3, 4));
}

// Bubble passes that move a row up only when `key` is strictly greater: equal rows keep order.
template <class Key>
void stable_bubble(LeagueTable& table, Key key) {
    for (int pass = 1; pass <= 6; ++pass)
        for (int i = 0; i < 6 - pass; ++i)
            if (key(table[i + 1]) > key(table[i])) std::swap(table[i], table[i + 1]);
}

// One club's side of a game: its runs, the rival's, and the crowd when it was at home.
void count_side(ClubCount& c, int scored, int allowed, long long attendance) {
    ++c.games;
    c.scored += scored;
    c.allowed += allowed;
    c.attendance += attendance;
    if (scored > allowed)
        ++c.wins;
    else if (scored < allowed)
        ++c.losses;
    else
        ++c.draws;
}

StandingRow make_row(int club, const ClubCount& c) {
    return right_num(club, 2) + right_num(c.games, 3) + right_num(c.wins, 3) + right_num(c.losses, 3) +
           right_num(c.draws, 2) + right_num(c.scored, 4) + right_num(c.allowed, 4) +
           right_num(c.attendance, 8) +
           pct_text(static_cast<int>(c.wins), static_cast<int>(c.games - c.draws));
}

}  // namespace

Text pct_text(int wins, int decided) {
    if (decided <= 0) return U"0.0000";
    if (wins == decided) return U"1.0000";
    const float q = static_cast<float>(wins) / static_cast<float>(decided);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, q, std::chars_format::fixed);
    Text text = cut(ascii(std::string_view(buffer, result.ptr - buffer)) + U"000000", 6);
    return text == U"000000" ? Text(U"0.0000") : text;
}

LeagueTable build_standings(const Season& season, int first_team, int last_team) {
    return build_standings_if(season, first_team, last_team, {});
}

LeagueTable build_standings_if(const Season& season, int first_team, int last_team,
                               const std::function<bool(const Text&)>& keep) {
    std::array<ClubCount, 7> count{};
    for_each_game(season, first_team, last_team, [&](Slot slot, const Text& game) {
        if (keep && !keep(game)) return;
        const int r1 = first_runs(game);
        const int r2 = second_runs(game);
        count_side(count[league_index(slot.team)], r1, r2, 0);
        count_side(count[slot.opp], r2, r1, game_attendance(game));
    });
    // An interleague game counts for the club of this league in it, as NPB's standings count it.
    const auto in_range = [&](int team) { return team >= first_team && team <= last_team; };
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        if (keep && !keep(game)) return;
        const int r1 = first_runs(game);
        const int r2 = second_runs(game);
        const int home = interleague_home(slot);
        if (in_range(slot.team)) count_side(count[league_index(slot.team)], r1, r2, 0);
        if (in_range(home)) count_side(count[league_index(home)], r2, r1, game_attendance(game));
    });
    LeagueTable table;
    for (int k = 1; k <= 6; ++k) table[k - 1] = make_row(k, count[k]);
    stable_bubble(table, pct_value);
    if (first_team == 1 && wins_ranked_year(season.disp_year)) stable_bubble(table, row_wins);
    return table;
}

int row_club(const StandingRow& row) { return static_cast<int>(number_or_zero(mid(row, 1, 2))); }
int row_games(const StandingRow& row) { return static_cast<int>(number_or_zero(mid(row, 3, 3))); }
int row_wins(const StandingRow& row) { return static_cast<int>(number_or_zero(mid(row, 6, 3))); }
int row_losses(const StandingRow& row) { return static_cast<int>(number_or_zero(mid(row, 9, 3))); }
int row_draws(const StandingRow& row) { return static_cast<int>(number_or_zero(mid(row, 12, 2))); }
int row_scored(const StandingRow& row) { return static_cast<int>(number_or_zero(mid(row, 14, 4))); }
int row_allowed(const StandingRow& row) { return static_cast<int>(number_or_zero(mid(row, 18, 4))); }
Text row_pct(const StandingRow& row) { return mid(row, 30, 6); }

bool wins_ranked_year(const std::string& disp_year) { return disp_year == "2001"; }

}  // namespace tev
