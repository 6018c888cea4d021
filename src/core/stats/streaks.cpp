#include "core/stats/streaks.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/stats/game_outcome.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// A game's place in a club's sequence: its "MM/DD" characters as stored, then its mark; ordered
// as the text of the two would be.
struct ResultKey {
    std::array<char32_t, 6> chars{};
    std::size_t mark_at = 0;

    ResultKey(TextView game, char32_t mark) {
        const TextView date = mid_view(game, 105, 5);
        std::copy(date.begin(), date.end(), chars.begin());
        mark_at = date.size();  // a short field ends early, as the shorter text would
        chars[mark_at] = mark;
    }
    char32_t mark() const { return chars[mark_at]; }
    friend bool operator<(const ResultKey& a, const ResultKey& b) { return a.chars < b.chars; }
};

}  // namespace

Text result_sequence(const Season& season, int team) {
    std::vector<ResultKey> keys;
    keys.reserve(2 * 5 * kMeetings + 2 * 6 * kMostInterleagueMeetings);
    const int league = league_of(team);
    for (int club = 1; club <= 6; ++club) {
        const int rival = team_of(league, club);
        if (rival == team) continue;
        for (int meet = 1; meet <= kMeetings; ++meet) {
            if (const Text& game = season.game_at(team, club, meet); !game.empty())
                keys.emplace_back(game, outcome_mark(first_club_outcome(game)));
            if (const Text& game = season.game_at(rival, league_index(team), meet); !game.empty())
                keys.emplace_back(game, outcome_mark(-first_club_outcome(game)));
        }
    }
    // Interleague games run through the same sequence, in date order with the league games.
    const int other = league == 1 ? 2 : 1;
    for (int club = 1; club <= 6; ++club)
        for (int meet = 1; meet <= kMostInterleagueMeetings; ++meet) {
            if (const Text& game = season.interleague_at({team, club, meet}); !game.empty())
                keys.emplace_back(game, outcome_mark(first_club_outcome(game)));
            if (const Text& game = season.interleague_at({team_of(other, club), league_index(team), meet}); !game.empty())
                keys.emplace_back(game, outcome_mark(-first_club_outcome(game)));
        }
    std::sort(keys.begin(), keys.end());
    Text seq;
    seq.reserve(keys.size());
    for (const ResultKey& key : keys) seq += key.mark();
    return seq;
}

void offer_streak(StreakRanks& ranks, int length) {
    if (length <= 0) return;
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        if (length == ranks[i].length) {
            ++ranks[i].count;
            return;
        }
        if (length > ranks[i].length) {
            std::copy_backward(ranks.begin() + static_cast<std::ptrdiff_t>(i), ranks.end() - 1, ranks.end());
            ranks[i] = {length, 1};
            return;
        }
    }
}

StreakRanks streak_ranks(const Text& result_seq, char32_t mark) {
    StreakRanks ranks{};
    int running = 0;
    for (std::size_t i = 0; i <= result_seq.size(); ++i) {
        const char32_t c = i < result_seq.size() ? result_seq[i] : U'\0';  // the end closes a streak
        if (c == U'△') continue;
        if (c == mark) {
            ++running;
        } else {
            offer_streak(ranks, running);
            running = 0;
        }
    }
    return ranks;
}

Streaks build_streaks(const Season& season) {
    Streaks streaks;
    for (int team = 1; team <= 12; ++team) {
        streaks.result_seq[team] = result_sequence(season, team);
        streaks.win_streaks[team] = streak_ranks(streaks.result_seq[team], U'○');
        streaks.lose_streaks[team] = streak_ranks(streaks.result_seq[team], U'●');
    }
    return streaks;
}

Text streak_entry_text(const StreakEntry& entry) {
    if (entry.length == 0) return U"  -  ";
    return right_num(entry.length, 2) + U"-" + right_num(entry.count, 2);
}

}  // namespace tev
