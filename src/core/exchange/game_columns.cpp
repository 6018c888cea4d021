#include "core/exchange/game_columns.h"

#include <algorithm>

#include "core/exchange/club_lookup.h"

namespace tev {

namespace {

struct Names {
    const char32_t* english;
    const char32_t* japanese;
};

constexpr std::array<Names, kGameColumns> kNames = {{
    {U"date", U"日付"},
    {U"visitor", U"先攻"},
    {U"home", U"後攻"},
    {U"meeting", U"回戦"},
    {U"visitor_score", U"先攻得点"},
    {U"home_score", U"後攻得点"},
    {U"visitor_innings", U"先攻各回"},
    {U"home_innings", U"後攻各回"},
    {U"winning_pitcher", U"勝利投手"},
    {U"losing_pitcher", U"敗戦投手"},
    {U"save_pitcher", U"セーブ投手"},
    {U"visitor_pitcher", U"先攻投手"},
    {U"home_pitcher", U"後攻投手"},
    {U"attendance", U"観客数"},
    {U"visitor_homers", U"先攻本塁打"},
    {U"home_homers", U"後攻本塁打"},
}};

}  // namespace

Text column_name(GameColumn column) { return kNames[static_cast<int>(column)].english; }
Text column_name_ja(GameColumn column) { return kNames[static_cast<int>(column)].japanese; }

ColumnPlaces column_places(const std::vector<Text>& header) {
    ColumnPlaces places;
    for (std::size_t field = 0; field < header.size(); ++field) {
        // Width and case do not matter, nor blanks ("Visitor Score" is visitor_score).
        Text name = fold_name(header[field]);
        for (char32_t& c : name)
            if (c == U'_') c = U' ';
        name = fold_name(name);
        bool known = false;
        for (int c = 0; c < kGameColumns; ++c) {
            Text english = fold_name(kNames[c].english);
            english.erase(std::remove(english.begin(), english.end(), U'_'), english.end());
            if (name != english && name != fold_name(kNames[c].japanese)) continue;
            known = true;
            if (places.place[c]) places.repeated.push_back(header[field]);
            else places.place[c] = field;
        }
        if (!known && !name.empty()) places.unknown.push_back(header[field]);
    }
    return places;
}

std::vector<GameColumn> missing_columns(const ColumnPlaces& places) {
    std::vector<GameColumn> missing;
    for (GameColumn c : {GameColumn::date, GameColumn::visitor, GameColumn::home, GameColumn::visitor_score,
                         GameColumn::home_score})
        if (!places.of(c)) missing.push_back(c);
    return missing;
}

}  // namespace tev
