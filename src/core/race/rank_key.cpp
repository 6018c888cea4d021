#include "core/race/rank_key.h"

#include "core/stats/standings.h"
#include "core/text/fixed_width.h"

namespace tev {

long long pct_ten_thousandths(int wins, int losses) {
    // Through the standings' own text, so that a race table never ranks two clubs apart that the
    // standings show as tied, or the other way round.
    const Text pct = pct_text(wins, wins + losses);
    return number_or_zero(mid(pct, 1, 1)) * 10000 + number_or_zero(mid(pct, 3, 4));
}

RankKey rank_key(int wins, int losses, bool wins_ranked) {
    const long long pct = pct_ten_thousandths(wins, losses);
    return wins_ranked ? RankKey{wins, pct} : RankKey{pct, 0};
}

}  // namespace tev
