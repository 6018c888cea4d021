// Where a league's pennant race stands: each club's wins, losses and draws so far (its
// interleague games included, as the standings count them), the games each pair of clubs still
// has to play, and the interleague games each club still has to play. Built from the stored games
// (all of them, or those a filter keeps, for the race as of a chosen day); every race number is
// computed from it.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/store/season.h"

namespace tev {

struct ClubRecord {
    int wins = 0;
    int losses = 0;
    int draws = 0;

    int games() const { return wins + losses + draws; }
};

struct LeaguePosition {
    int league = 1;            // 1 Central, 2 Pacific
    bool wins_ranked = false;  // ranked by wins before percentage (Central League of 2001)
    int meetings = 26;         // meetings per pair in the season
    bool interleague_play = false;                    // the season has interleague games
    std::array<ClubRecord, 7> clubs{};                // by league index 1..6; entry 0 unused
    std::array<std::array<int, 7>, 7> left{};         // games left between two clubs, symmetric
    std::array<std::array<int, 7>, 7> played{};       // meetings played between two clubs
    std::array<std::array<int, 7>, 7> beat{};         // games a club has won against another
    // Games left against the other league's clubs: outside the race, each of them is a club's own
    // to win or lose without touching a rival of its league.
    std::array<int, 7> interleague_left{};

    // Games `club` has left against the clubs of its league.
    int league_games_left(int club) const;

    // Games `club` has left in all, its interleague games included.
    int games_left(int club) const;

    // The record of `club` in the games against its own league (the interleague games left out).
    ClubRecord league_record(int club) const;

    // The record of `club` in its games against the clubs of `group` (a mask over league indexes).
    ClubRecord record_within(int club, unsigned group) const;
};

// Every way of choosing `count` rivals of `club` (league indexes), as masks with bit r for rival r.
std::vector<unsigned> rival_sets(int club, int count);

// The league indexes in `mask`, in order.
std::vector<int> clubs_in(unsigned mask);

// The position of `league` (1 or 2) with `meetings` per pair in the league and the season's own
// interleague meetings per pair, counting the games `keep` accepts (every stored game when it is
// empty). A pair that has played more than its meetings has none left.
LeaguePosition league_position(const Season& season, int league, int meetings,
                               const std::function<bool(const Text& game)>& keep = {});

}  // namespace tev
