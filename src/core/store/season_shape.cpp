#include "core/store/season_shape.h"

namespace tev {

SeasonShape era_shape(int year) {
    if (year <= 1996) return {26, 0};
    if (year <= 2000) return {27, 0};
    if (year <= 2004) return {28, 0};
    if (year <= 2006) return {22, 6};
    if (year <= 2014) return {24, 4};
    if (year <= 2019) return {25, 3};
    if (year == 2020) return {24, 0};  // the shortened season: no interleague play
    return {25, 3};
}

SeasonShape era_shape(const std::string& year) {
    const bool digits = !year.empty() && year.find_first_not_of("0123456789") == std::string::npos && year.size() <= 4;
    return era_shape(digits ? std::stoi(year) : 0);
}

}  // namespace tev
