// What places a club in the standings, as one comparable value: the winning percentage as the
// standings print it (cut to four decimals, draws left out), and in a season ranked by wins
// (the Central League of 2001) the wins first and the percentage after them. A greater key
// ranks higher; equal keys share a place, as equal rows do in the standings report.
#pragma once

#include <compare>

namespace tev {

struct RankKey {
    long long first = 0;
    long long second = 0;

    friend auto operator<=>(const RankKey&, const RankKey&) = default;
};

// The percentage of `wins` and `losses` in ten-thousandths, cut as the standings cut it
// (2/3 gives 6666; no decided game gives 0).
long long pct_ten_thousandths(int wins, int losses);

// The key of a record; `wins_ranked` for a league ranked by wins before percentage.
RankKey rank_key(int wins, int losses, bool wins_ranked);

}  // namespace tev
