#include "core/race/games_behind.h"

#include <cstdlib>

#include "core/text/fixed_width.h"

namespace tev {

int half_games_behind(const ClubRecord& ahead, const ClubRecord& club) {
    return (ahead.wins - club.wins) + (club.losses - ahead.losses);
}

Text games_behind_text(int half_games) {
    const int magnitude = std::abs(half_games);
    return Text(half_games < 0 ? U"-" : U"") + plain_num(magnitude / 2) + (magnitude % 2 ? U".5" : U".0");
}

}  // namespace tev
