// The one season in memory: the game store `games` and the tables saved with it (score list,
// pitcher tables, home-run tallies, history) and the year's club names. Plain data; the builders
// are free functions.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/history/history.h"
#include "core/homeruns/homerun_tables.h"
#include "core/pitchers/pitcher_table.h"
#include "core/store/club_names.h"
#include "core/store/season_shape.h"
#include "core/store/teams.h"
#include "core/text/text.h"

namespace tev {

inline constexpr int kOppSlots = 6;
inline constexpr int kMeetings = 30;
inline constexpr int kSlotCount = 12 * kOppSlots * kMeetings;  // 2,160
inline constexpr int kScoreListEntries = 150;
inline constexpr int kInterleagueSlotCount = 12 * kOppSlots * kMostInterleagueMeetings;  // 432

// A slot of the game store: first-batting team 1..12, the home club's league index 1..6, and
// the meeting number 1..30.
struct Slot {
    int team = 0;
    int opp = 0;
    int meet = 0;

    friend bool operator==(const Slot&, const Slot&) = default;
};

// Line number of `slot` in the game file, and its position in the store (line - 1).
constexpr int slot_line(Slot s) { return ((s.team - 1) * kOppSlots + (s.opp - 1)) * kMeetings + s.meet; }

// Position (from 1) of an interleague slot in the interleague store: first-batting team 1..12, the
// home club's index 1..6 within the other league, and the meeting number 1..6.
constexpr int interleague_slot_line(Slot s) {
    return ((s.team - 1) * kOppSlots + (s.opp - 1)) * kMostInterleagueMeetings + s.meet;
}

struct Season {
    std::string disp_year = "1996";  // four digits
    std::array<Text, kSlotCount> games;
    std::array<Text, kScoreListEntries> score_list;  // entry e (1..150) is element e - 1
    PitcherTable pitcher_c, pitcher_p, pitcher_all;
    HomerunTables homeruns;
    History history;
    ClubNames clubs = default_club_names();  // the year's names of its clubs (club_file.h)
    // Interleague play (交流戦): the games between the two leagues, filed as the league games are
    // (first-batting team, the home club's index in its league, meeting), and the meetings per
    // pair; 0 meetings and no game for a year without interleague play.
    std::array<Text, kInterleagueSlotCount> interleague;
    int interleague_meetings = 0;

    // The GameString at (team, opp, meet), or empty.
    const Text& game_at(int team, int opp, int meet) const { return games[slot_line({team, opp, meet}) - 1]; }
    Text& game_at(int team, int opp, int meet) { return games[slot_line({team, opp, meet}) - 1]; }
    const Text& game_at(Slot s) const { return game_at(s.team, s.opp, s.meet); }
    Text& game_at(Slot s) { return game_at(s.team, s.opp, s.meet); }

    // The interleague GameString at (team, opp, meet), or empty.
    const Text& interleague_at(Slot s) const { return interleague[interleague_slot_line(s) - 1]; }
    Text& interleague_at(Slot s) { return interleague[interleague_slot_line(s) - 1]; }

    // Meeting `meet` of `first` (batting first) and `second` as filed with `first` first: the
    // game store for two clubs of one league, the interleague store for two of different leagues.
    const Text& filed_game(int first, int second, int meet) const;
    Text& filed_game(int first, int second, int meet);

    // The meetings per pair of the season's clubs: in a league (clubs.meetings) and between them.
    SeasonShape shape() const { return {clubs.meetings, interleague_meetings}; }

    // True when no slot holds a game.
    bool empty() const;
};

// The slot holding meeting `n` of teams `a` and `b` (either orientation), or nothing.
std::optional<Slot> find_meeting(const Season& season, int a, int b, int n);

// Where meeting `n` of `a` (visitor) and `b` (home) is filed: the stored slot of either
// orientation when there is one, else (a, league index of b, n).
Slot filing_slot(const Season& season, int a, int b, int n);

// Calls `visit(slot, game)` for every stored game with first-batting team in
// [first_team, last_team], in the store's order (team, opp, meet).
template <class Visit>
void for_each_game(const Season& season, int first_team, int last_team, Visit&& visit) {
    for (int team = first_team; team <= last_team; ++team)
        for (int opp = 1; opp <= kOppSlots; ++opp)
            for (int meet = 1; meet <= kMeetings; ++meet) {
                const Text& game = season.game_at(team, opp, meet);
                if (!game.empty()) visit(Slot{team, opp, meet}, game);
            }
}

// The team number of the home club of `slot`.
constexpr int home_team(Slot s) { return s.team > 6 ? s.opp + 6 : s.opp; }

// True when the season has interleague play: meetings between the leagues set, or an
// interleague game stored. The race counts the interleague games such a season has left.
bool has_interleague_play(const Season& season);

// True when an interleague game is stored. Only such a season shows the interleague columns and
// lines of the tables, so a season without them reads as it always has.
bool has_interleague_games(const Season& season);

// The highest meeting number of a stored interleague game, 0 when there is none.
int last_interleague_meeting_filed(const Season& season);

// The home club of the interleague slot `s`: club `s.opp` of the league `s.team` does not play in.
constexpr int interleague_home(Slot s) { return team_of(league_of(s.team) == 1 ? 2 : 1, s.opp); }

// Calls `visit(slot, game)` for every stored interleague game, in the store's order (team, opp,
// meet); `slot.opp` is the home club's index in the other league (interleague_home).
template <class Visit>
void for_each_interleague_game(const Season& season, Visit&& visit) {
    for (int team = 1; team <= 12; ++team)
        for (int opp = 1; opp <= kOppSlots; ++opp)
            for (int meet = 1; meet <= kMostInterleagueMeetings; ++meet) {
                const Slot slot{team, opp, meet};
                const Text& game = season.interleague_at(slot);
                if (!game.empty()) visit(slot, game);
            }
}

}  // namespace tev
