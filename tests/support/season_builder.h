// Hand-built seasons for tests: games given by the few fields a test cares about.
#pragma once

#include "core/store/game_string.h"
#include "core/store/season.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev::test {

struct GameSpec {
    int first = 1;   // team batting first
    int second = 2;  // team batting second
    int meet = 1;
    int first_runs = 0;
    int second_runs = 0;
    int month = 4;
    int day = 5;
    int attendance = 30000;
    const char32_t* first_pitcher = U"";
    const char32_t* second_pitcher = U"";
    const char32_t* save = U"";
};

// The game of `spec` as a GameString: the runs scored in the first inning, eight scoreless
// innings after it, the bottom of the ninth played.
inline Text make_game(const GameSpec& spec, const std::string& year = "1996") {
    GameFields f;
    f.first_runs = spec.first_runs;
    f.second_runs = spec.second_runs;
    f.first_pitcher = spec.first_pitcher;
    f.second_pitcher = spec.second_pitcher;
    f.save_pitcher = spec.save;
    f.attendance = plain_num(spec.attendance);
    f.first_innings = right_num(spec.first_runs, 2) + Text(U" 0 0 0 0 0 0 0 0");
    f.second_innings = right_num(spec.second_runs, 2) + Text(U" 0 0 0 0 0 0 0 0");
    f.year = ascii(year);
    f.month = spec.month;
    f.day = spec.day;
    return format_game(f);
}

// Stores the interleague game of `spec` (clubs of different leagues) at its slot (first team,
// the second club's index in its league, meeting).
inline void add_interleague_game(Season& season, const GameSpec& spec) {
    season.interleague_at(Slot{spec.first, league_index(spec.second), spec.meet}) = make_game(spec, season.disp_year);
}

// Stores the game of `spec` at its slot (first team, league index of the second, meeting).
inline void add_game(Season& season, const GameSpec& spec) {
    season.game_at(spec.first, league_index(spec.second), spec.meet) = make_game(spec, season.disp_year);
}

}  // namespace tev::test
