// How many times each pair of clubs of a league meets in a season. Every count of games left in
// the pennant race starts from this number, so it is asked for in one place.
#pragma once

#include "core/store/season.h"

namespace tev {

// Meetings per pair of clubs in `season`: its year's own number (26 unless its club file says).
int meetings_per_pair(const Season& season);

}  // namespace tev
