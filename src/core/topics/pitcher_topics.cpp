#include "core/topics/pitcher_topics.h"

#include <algorithm>

#include "core/store/teams.h"
#include "core/text/fixed_width.h"
#include "core/topics/topic_lines.h"

namespace tev {

namespace {

enum class Count { wins, losses, saves };

struct Leader {
    const char32_t* heading;
    const PitcherTable Season::*table;
    Count count;
    const char32_t* unit;
};

int count_of(const PitcherRow& row, Count count) {
    switch (count) {
        case Count::wins:
            return row.wins;
        case Count::losses:
            return row.losses;
        case Count::saves:
            return row.saves;
    }
    return 0;
}

// The rows in use: those before the first empty key.
std::vector<const PitcherRow*> used_rows(const PitcherTable& table) {
    std::vector<const PitcherRow*> rows;
    for (const PitcherRow& row : table) {
        if (row.key.empty()) break;
        rows.push_back(&row);
    }
    return rows;
}

// 23 blanks, the name in six full-width-padded characters, then the club.
Text pitcher_line(const PitcherRow& row, const ClubNames& clubs) {
    const Text name = trim_right(mid(row.key, 3, 10));
    const int team = static_cast<int>(number_or_zero(mid(row.key, 1, 2)));
    return Text(23, U' ') + pad_wide(name, 6) + clubs.team_name(team);
}

void add_leader(const Season& season, const Leader& leader, std::vector<Text>& lines) {
    const auto rows = used_rows(season.*leader.table);
    int most = 0;
    for (const PitcherRow* row : rows) most = std::max(most, count_of(*row, leader.count));
    lines.push_back(leader.heading + topic_cell(most, 3) + leader.unit);
    // Without a single win, loss or save nobody leads; every pitcher would tie at 0.
    if (most > 0)
        for (const PitcherRow* row : rows)
            if (count_of(*row, leader.count) == most) lines.push_back(pitcher_line(*row, season.clubs));
    lines.emplace_back();
}

}  // namespace

std::vector<Text> pitcher_topics(const Season& season) {
    static const Leader kLeaders[] = {
        {U"【セ・最多勝利投手】", &Season::pitcher_c, Count::wins, U"勝"},
        {U"【パ・最多勝利投手】", &Season::pitcher_p, Count::wins, U"勝"},
        {U"【セ・最多敗け投手】", &Season::pitcher_c, Count::losses, U"敗"},
        {U"【パ・最多敗け投手】", &Season::pitcher_p, Count::losses, U"敗"},
        {U"【セ・最多ｾｰﾌﾞ投手】", &Season::pitcher_c, Count::saves, U"Ｓ"},
        {U"【パ・最多ｾｰﾌﾞ投手】", &Season::pitcher_p, Count::saves, U"Ｓ"},
    };
    std::vector<Text> lines;
    for (const Leader& leader : kLeaders) add_leader(season, leader, lines);
    return lines;
}

}  // namespace tev
