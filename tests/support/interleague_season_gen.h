// A generated season shaped as 2026's for property tests and benchmarks: 25 meetings a league pair
// and 3 an interleague pair, 143 games a club, every game filed. The games come from tools/gen's
// generator, so that their line scores, crowds and home runs are as plausible as its seasons':
// the league games are its first 25 meetings of each pair, moved onto the 2026 calendar (27 March
// to early October, around the interleague weeks); each interleague game takes the line score,
// crowd and home runs of a game of a second generated season, with pitchers and batters drawn from
// the two clubs' own (those of their league games).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/history/history_make.h"
#include "core/store/game_string.h"
#include "core/store/season.h"
#include "core/store/teams.h"
#include "season_gen.h"

namespace tev::test {

inline constexpr int k2026LeagueMeetings = 25;
inline constexpr int k2026InterleagueMeetings = 3;

// The interleague weeks: six three-game series, Tuesday to Thursday and Friday to Sunday, from
// Tuesday 26 May to Sunday 14 June; league play resumes on 19 June.
inline constexpr SeasonDate k2026InterleagueStart{5, 26};
inline constexpr SeasonDate k2026LeagueResumes{6, 19};
inline constexpr SeasonDate k2026Opening{3, 27};
inline constexpr SeasonDate k2026LastLeagueDay{10, 4};
inline constexpr int k2026InterleagueSeries = 6;

namespace il_gen {

using Rng = std::mt19937;

inline int day_of(SeasonDate date) { return season_day(date.month, date.day); }

// The season days league games may be played on, in order.
inline std::vector<int> league_days() {
    std::vector<int> days;
    for (int d = day_of(k2026Opening); d <= day_of(k2026LastLeagueDay); ++d)
        if (d < day_of(k2026InterleagueStart) || d >= day_of(k2026LeagueResumes)) days.push_back(d);
    return days;
}

// Season day of the game of meeting `meet` (1..3) in interleague series `series` (0..5): series
// start every three days, with the Monday after each weekend off.
inline int interleague_day(int series, int meet) {
    return day_of(k2026InterleagueStart) + 3 * series + series / 2 + (meet - 1);
}

inline Text redated(const Text& game, int day) {
    GameFields f = parse_game(game);
    const SeasonDate date = season_date(day);
    f.month = date.month;
    f.day = date.day;
    return format_game(f);
}

// Files meetings 1..25 of every league pair of `base`, each game day of `base` becoming a league
// day of 2026 in the same order, so that no club plays twice on one day it did not before.
inline void file_league_games(const Season& base, Season& season) {
    const auto kept = [](Slot slot) { return slot.meet <= k2026LeagueMeetings; };
    std::set<int> base_days;
    for_each_game(base, 1, 12, [&](Slot slot, const Text& game) {
        if (kept(slot)) base_days.insert(season_day(game_month(game), game_day(game)));
    });
    const std::vector<int> days = league_days();
    std::map<int, int> moved_to;
    std::size_t rank = 0;
    for (const int d : base_days) moved_to[d] = days[rank++ * days.size() / base_days.size()];
    for_each_game(base, 1, 12, [&](Slot slot, const Text& game) {
        if (kept(slot)) season.game_at(slot) = redated(game, moved_to[season_day(game_month(game), game_day(game))]);
    });
}

// A club's own players as its league games name them: pitchers of record, closers (save
// pitchers), pitchers who gave up a home run, and batters who hit one.
struct ClubPlayers {
    std::vector<Text> starters, closers, hr_pitchers, batters;
};
using Players = std::array<ClubPlayers, 13>;

inline void add_name(std::vector<Text>& pool, const Text& name) {
    if (!name.empty() && std::find(pool.begin(), pool.end(), name) == pool.end()) pool.push_back(name);
}

inline Players players_of(const Season& season) {
    Players players;
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        const int first = slot.team, second = home_team(slot);
        add_name(players[first].starters, first_pitcher(game));
        add_name(players[second].starters, second_pitcher(game));
        add_name(players[first_runs(game) > second_runs(game) ? first : second].closers, save_pitcher(game));
        for (int j = 0; j < hr_count(game); ++j) {
            const HrEntry hr = parse_hr(hr_at(game, j));
            add_name(players[hr.batter_team].batters, hr.batter);
            add_name(players[hr.pitcher_team].hr_pitchers, hr.pitcher);
        }
    });
    return players;
}

// One name of `pool`, or `otherwise` when the pool is empty.
inline Text draw(Rng& rng, const std::vector<Text>& pool, const Text& otherwise) {
    if (pool.empty()) return otherwise;
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng)];
}

struct Donor {
    Slot slot;
    const Text* game = nullptr;
};

// The game of `visitor` at `home` on season day `day`, with the line score, crowd and home runs
// of the donor game (its first-batting club's part going to the visitor) and the clubs' own
// players in it.
inline Text interleague_game(Rng& rng, const Donor& donor, int visitor, int home, int day, const Players& players) {
    GameFields f = parse_game(redated(*donor.game, day));
    if (f.first_runs != f.second_runs) {
        f.first_pitcher = draw(rng, players[visitor].starters, f.first_pitcher);
        f.second_pitcher = draw(rng, players[home].starters, f.second_pitcher);
        const int winner = f.first_runs > f.second_runs ? visitor : home;
        if (!f.save_pitcher.empty()) f.save_pitcher = draw(rng, players[winner].closers, f.save_pitcher);
    }
    for (Text& record : f.hr_records) {
        HrEntry hr = parse_hr(record);
        const bool by_visitor = hr.batter_team == donor.slot.team;
        hr.batter_team = by_visitor ? visitor : home;
        hr.pitcher_team = by_visitor ? home : visitor;
        hr.batter = draw(rng, players[hr.batter_team].batters, hr.batter);
        hr.pitcher = draw(rng, players[hr.pitcher_team].hr_pitchers, hr.pitcher);
        record = format_hr(hr);
    }
    return format_game(f);
}

inline bool drawn(const Donor& donor) { return first_runs(*donor.game) == second_runs(*donor.game); }

// The games of `donor_season` in random order, at least `draws` drawn games among the first
// `used`: generated draws are rare enough that 108 games might hold none, and interleague play
// should have its share (about 3 in 100 in NPB) for their counting to be tried.
inline std::vector<Donor> donor_games(Rng& rng, const Season& donor_season, std::size_t used, int draws) {
    std::vector<Donor> donors;
    for_each_game(donor_season, 1, 12, [&](Slot slot, const Text& game) { donors.push_back({slot, &game}); });
    std::shuffle(donors.begin(), donors.end(), rng);
    const auto first = donors.begin(), last_used = donors.begin() + static_cast<std::ptrdiff_t>(used);
    int have = static_cast<int>(std::count_if(first, last_used, drawn));
    for (auto later = last_used; have < draws && later != donors.end(); ++later) {
        if (!drawn(*later)) continue;
        std::size_t spot = std::uniform_int_distribution<std::size_t>(0, used - 1)(rng);
        while (drawn(donors[spot])) spot = (spot + 1) % used;
        std::swap(donors[spot], *later);
        ++have;
    }
    return donors;
}

// Files the three meetings of each of the 36 interleague pairs: in series s Central club c meets
// Pacific club (c + s) mod 6, all three games at one ground, the Central clubs at home in the
// first, third and fifth series (nine home games a club).
inline void file_interleague_games(Rng& rng, const Season& donor_season, const Players& players, Season& season) {
    const std::vector<Donor> donors = donor_games(rng, donor_season, 36 * k2026InterleagueMeetings, 3);
    std::size_t next = 0;
    for (int series = 0; series < k2026InterleagueSeries; ++series)
        for (int c = 1; c <= 6; ++c) {
            const int pacific = team_of(2, (c - 1 + series) % 6 + 1);
            const bool central_home = series % 2 == 0;
            const int visitor = central_home ? pacific : c;
            const int home = central_home ? c : pacific;
            for (int meet = 1; meet <= k2026InterleagueMeetings; ++meet)
                season.interleague_at(Slot{visitor, league_index(home), meet}) =
                    interleague_game(rng, donors[next++], visitor, home, interleague_day(series, meet), players);
        }
}

}  // namespace il_gen

// The complete 2026 season drawn from `seed`; the same seed gives the same season.
inline Season generate_2026_season(std::uint32_t seed) {
    const auto base = std::make_unique<Season>(gen::generate_season("2026", seed));
    const auto donor = std::make_unique<Season>(gen::generate_season("2026", seed + 0x9e3779b9u));
    auto season = std::make_unique<Season>();
    season->disp_year = "2026";
    season->clubs = club_names_of_new_year("2026");
    season->clubs.meetings = k2026LeagueMeetings;
    season->interleague_meetings = k2026InterleagueMeetings;
    il_gen::file_league_games(*base, *season);
    il_gen::Rng rng(seed);
    il_gen::file_interleague_games(rng, *donor, il_gen::players_of(*season), *season);
    return *season;
}

}  // namespace tev::test
