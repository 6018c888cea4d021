#include "core/history/history_make.h"

#include <array>
#include <cstdint>
#include <vector>

#include "core/store/game_string.h"
#include "core/store/teams.h"

namespace tev {

int season_day(int month, int day) {
    static const std::array<int, 8> offsets = {0, 12, 42, 73, 103, 134, 165, 195};  // March..October
    if (month < 3 || month > 10 || day < 1 || day > 31) return -1;
    if (month == 3) return day >= 19 ? day - 19 : -1;
    return offsets[month - 3] + day;
}

SeasonDate season_date(int day) {
    // First season day of each month March..October, and the day of month it is.
    static const std::array<int, 8> first = {1, 13, 43, 74, 104, 135, 166, 196};
    if (day < 0 || day > kHistoryDays) return {};
    if (day < first[1]) return {3, day + 19};
    int m = 7;
    while (first[m] > day) --m;
    return {m + 3, day - first[m] + 1};
}

int history_pct(int wins, int losses) {
    if (wins + losses == 0) return 10000;
    if (wins == 0) return 0;
    const float ratio = static_cast<float>(static_cast<double>(wins) / (wins + losses));
    return static_cast<int>(static_cast<double>(ratio) * 10000.0);
}

namespace {

// What one season day's decided games add to each club's record, by team number. Draws move
// neither places nor percentages.
struct DayResults {
    std::array<std::int16_t, 13> wins{}, losses{};
};

// Places and percentages of one league's clubs (team numbers first..first+5) on day `x`.
void rank_league(History& h, int x, int first, const std::array<int, 13>& wins, const std::array<int, 13>& losses) {
    std::array<std::pair<int, int>, 6> records{};  // (club index 1..6, percentage)
    for (int k = 0; k < 6; ++k) records[k] = {k + 1, history_pct(wins[first + k], losses[first + k])};
    for (int pass = 0; pass < 6; ++pass)
        for (int i = 0; i < 5; ++i)
            if (records[i + 1].second > records[i].second) std::swap(records[i], records[i + 1]);
    int place = 1;
    for (int p = 0; p < 6; ++p) {
        if (p > 0 && records[p].second != records[p - 1].second) place = p + 1;
        const int team = first + records[p].first - 1;
        h.rank[x][team] = static_cast<std::int16_t>(place);
        h.pct[x][team] = static_cast<std::int16_t>(records[p].second);
    }
}

}  // namespace

History history_make(const Season& season) {
    std::array<DayResults, kHistoryDays + 1> days;
    const auto count_game = [&](int first, int second, const Text& game) {
        const int x = season_day(game_month(game), game_day(game));
        if (x < 0) return;
        const int r1 = first_runs(game), r2 = second_runs(game);
        if (r1 == r2) return;
        ++days[x].wins[r1 > r2 ? first : second];
        ++days[x].losses[r1 > r2 ? second : first];
    };
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) { count_game(slot.team, home_team(slot), game); });
    // Interleague games move each club's percentage, and so the places, within its own league.
    for_each_interleague_game(season,
                              [&](Slot slot, const Text& game) { count_game(slot.team, interleague_home(slot), game); });
    History h;
    std::array<int, 13> wins{}, losses{};
    const auto count_day = [&](const DayResults& d) {
        for (int t = 1; t <= 12; ++t) {
            wins[t] += d.wins[t];
            losses[t] += d.losses[t];
        }
    };
    // Day 0 (19 March) is not recorded itself, but its games stand from day 1 on.
    count_day(days[0]);
    for (int x = 1; x <= kHistoryDays; ++x) {
        count_day(days[x]);
        rank_league(h, x, 1, wins, losses);
        rank_league(h, x, 7, wins, losses);
    }
    return h;
}

std::vector<Slot> history_left_out(const Season& season) {
    std::vector<Slot> out;
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        if (season_day(game_month(game), game_day(game)) < 0) out.push_back(slot);
    });
    return out;
}

}  // namespace tev
