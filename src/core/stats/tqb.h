// TQB (Team Quality Balance), the interleague table's tie-break after the head-to-head record:
// runs scored per inning batted minus runs allowed per inning pitched. Kept as an exact fraction,
// so that two clubs level on it compare equal and a tiny difference is never lost to rounding.
#pragma once

#include <compare>

namespace tev {

struct Tqb {
    long long numerator = 0;
    long long denominator = 1;  // always positive

    double value() const {
        return static_cast<double>(numerator) / static_cast<double>(denominator);
    }

    friend std::strong_ordering operator<=>(const Tqb& a, const Tqb& b) {
        return a.numerator * b.denominator <=> b.numerator * a.denominator;
    }
    friend bool operator==(const Tqb& a, const Tqb& b) { return (a <=> b) == 0; }
};

// The TQB of a club's runs and innings. A term without innings counts as 0 (a club that has not
// batted, or not pitched, yet).
Tqb tqb_of(int scored, int innings_batted, int allowed, int innings_pitched);

}  // namespace tev
