#include "core/race/rank_key.h"

#include <vector>

#include "core/stats/standings.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// Through the standings' own text, so that a race table never ranks two clubs apart that the
// standings show as tied, or the other way round.
long long pct_through_text(int wins, int losses) {
    const Text pct = pct_text(wins, wins + losses);
    return number_or_zero(mid(pct, 1, 1)) * 10000 + number_or_zero(mid(pct, 3, 4));
}

// The race searches compare percentages millions of times; every record of a season's length
// is read once from the text and kept.
constexpr int kKeptRecords = 160;

const std::vector<long long>& kept_percentages() {
    static const std::vector<long long> table = [] {
        std::vector<long long> t(kKeptRecords * kKeptRecords);
        for (int w = 0; w < kKeptRecords; ++w)
            for (int l = 0; l < kKeptRecords; ++l) t[w * kKeptRecords + l] = pct_through_text(w, l);
        return t;
    }();
    return table;
}

}  // namespace

long long pct_ten_thousandths(int wins, int losses) {
    if (wins < 0 || losses < 0 || wins >= kKeptRecords || losses >= kKeptRecords)
        return pct_through_text(wins, losses);
    return kept_percentages()[wins * kKeptRecords + losses];
}

RankKey rank_key(int wins, int losses, bool wins_ranked) {
    const long long pct = pct_ten_thousandths(wins, losses);
    return wins_ranked ? RankKey{wins, pct} : RankKey{pct, 0};
}

}  // namespace tev
