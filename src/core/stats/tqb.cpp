#include "core/stats/tqb.h"

namespace tev {

Tqb tqb_of(int scored, int innings_batted, int allowed, int innings_pitched) {
    if (innings_batted == 0 && innings_pitched == 0) return {};
    if (innings_batted == 0) return {-static_cast<long long>(allowed), innings_pitched};
    if (innings_pitched == 0) return {scored, innings_batted};
    return {static_cast<long long>(scored) * innings_pitched -
                static_cast<long long>(allowed) * innings_batted,
            static_cast<long long>(innings_batted) * innings_pitched};
}

}  // namespace tev
