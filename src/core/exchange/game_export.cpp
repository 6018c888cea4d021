#include "core/exchange/game_export.h"

#include <algorithm>
#include <tuple>

#include "core/exchange/game_columns.h"
#include "core/store/game_string.h"
#include "core/text/csv.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

struct StoredGame {
    int visitor = 0;
    int home = 0;
    int meeting = 0;
    const Text* game = nullptr;
};

std::vector<StoredGame> games_by_date(const Season& season) {
    std::vector<StoredGame> games;
    for_each_game(season, 1, 12, [&](Slot s, const Text& g) { games.push_back({s.team, home_team(s), s.meet, &g}); });
    for_each_interleague_game(season, [&](Slot s, const Text& g) { games.push_back({s.team, interleague_home(s), s.meet, &g}); });
    std::stable_sort(games.begin(), games.end(), [](const StoredGame& a, const StoredGame& b) {
        return std::tuple(game_month(*a.game), game_day(*a.game)) < std::tuple(game_month(*b.game), game_day(*b.game));
    });
    return games;
}

Text club_text(const Season& season, int team) {
    Text name = season.clubs.team_name(team);
    name.erase(std::remove_if(name.begin(), name.end(), [](char32_t c) { return c == U' ' || c == kWideBlank; }), name.end());
    return name;
}

Text two_digits(int n) { return (n < 10 ? U"0" : U"") + plain_num(n); }

Text date_text(const Season& season, TextView game) {
    return ascii(season.disp_year) + U"-" + two_digits(game_month(game)) + U"-" + two_digits(game_day(game));
}

Text innings_text(TextView game, bool first) {
    Text out;
    for (int i = 1; i <= 15; ++i) {
        const Text cell = trim_right(inning_cell(game, first, i));
        Text value = cell;
        value.erase(0, value.find_first_not_of(U' '));
        if (value.empty()) continue;
        out += (out.empty() ? U"" : U" ") + value;
    }
    return out;
}

// The home runs of `batting`'s club; numbered when the game's order is not the visitors' first.
Text homers_text(TextView game, int batting, bool numbered) {
    Text out;
    for (int j = 0; j < hr_count(game); ++j) {
        const HrEntry hr = parse_hr(hr_at(game, j));
        if (hr.batter_team != batting) continue;
        if (!out.empty()) out += U";";
        if (numbered) out += plain_num(j + 1) + U":";
        out += hr.batter + U"/" + hr.pitcher;
    }
    return out;
}

bool visitors_first(TextView game, int visitor) {
    bool home_seen = false;
    for (int j = 0; j < hr_count(game); ++j) {
        const bool visitors = parse_hr(hr_at(game, j)).batter_team == visitor;
        if (visitors && home_seen) return false;
        home_seen = home_seen || !visitors;
    }
    return true;
}

CsvRow row_of(const Season& season, const StoredGame& s) {
    const TextView g = *s.game;
    const int r1 = first_runs(g), r2 = second_runs(g);
    const Text p1 = first_pitcher(g), p2 = second_pitcher(g);
    Text attendance = parse_game(g).attendance;
    attendance.erase(std::remove(attendance.begin(), attendance.end(), U' '), attendance.end());
    const bool numbered = !visitors_first(g, s.visitor);
    return {date_text(season, g),
            club_text(season, s.visitor),
            club_text(season, s.home),
            plain_num(s.meeting),
            plain_num(r1),
            plain_num(r2),
            innings_text(g, true),
            innings_text(g, false),
            r1 == r2 ? Text() : (r1 > r2 ? p1 : p2),
            r1 == r2 ? Text() : (r1 > r2 ? p2 : p1),
            save_pitcher(g),
            r1 == r2 ? p1 : Text(),
            r1 == r2 ? p2 : Text(),
            attendance,
            homers_text(g, s.visitor, numbered),
            homers_text(g, s.home, numbered)};
}

}  // namespace

std::string games_csv(const Season& season) {
    CsvRow header;
    for (int c = 0; c < kGameColumns; ++c) header.push_back(column_name_ja(static_cast<GameColumn>(c)));
    std::vector<CsvRow> rows;
    for (const StoredGame& g : games_by_date(season)) rows.push_back(row_of(season, g));
    return csv_document(header, rows);
}

int exported_game_count(const Season& season) { return static_cast<int>(games_by_date(season).size()); }

}  // namespace tev
