// The season history: every club's place in its league and winning percentage (times 10,000)
// at the end of each season day. Day 1 is 20 March, day 226 is 31 October; day 0 stays 0.
#pragma once

#include <array>
#include <cstdint>

namespace tev {

inline constexpr int kHistoryDays = 226;

struct History {
    // [day 0..226][team 0..12]; team 0 unused.
    std::array<std::array<std::int16_t, 13>, kHistoryDays + 1> rank{};
    std::array<std::array<std::int16_t, 13>, kHistoryDays + 1> pct{};

    friend bool operator==(const History&, const History&) = default;
};

}  // namespace tev
