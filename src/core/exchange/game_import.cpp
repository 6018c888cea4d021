#include "core/exchange/game_import.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/text/csv_read.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

std::pair<int, int> pair_of(const ImportedGame& g) { return {std::min(g.visitor, g.home), std::max(g.visitor, g.home)}; }

bool before(const ImportedGame& a, const ImportedGame& b) {
    return std::tie(a.fields.month, a.fields.day, a.line) < std::tie(b.fields.month, b.fields.day, b.line);
}

// The filed game of meeting `m` of the pair (either way round), or nullptr.
const Text* filed_meeting(const Season& season, int a, int b, int m) {
    if (const Text& g = season.filed_game(a, b, m); !g.empty()) return &g;
    if (const Text& g = season.filed_game(b, a, m); !g.empty()) return &g;
    return nullptr;
}

// Numbers the rows that gave no meeting, one pair at a time in date order: a row takes the
// meeting of a game filed on its day (so that a table imported again finds its games), else the
// lowest meeting neither filed nor given by another row. A row past the pair's meetings is refused.
void number_meetings(const Season& season, std::vector<ImportedGame>& games, std::vector<ImportNote>& refused) {
    std::map<std::pair<int, int>, std::vector<ImportedGame*>> unnumbered;
    std::map<std::pair<int, int>, std::set<int>> taken;
    for (ImportedGame& g : games) {
        if (g.meeting > 0) taken[pair_of(g)].insert(g.meeting);
        else unnumbered[pair_of(g)].push_back(&g);
    }
    for (auto& [pair, rows] : unnumbered) {
        std::stable_sort(rows.begin(), rows.end(), [](const ImportedGame* a, const ImportedGame* b) { return before(*a, *b); });
        std::set<int>& used = taken[pair];
        const int most = meetings_of_pair(season, pair.first, pair.second);
        for (ImportedGame* g : rows) {
            for (int m = 1; m <= most && g->meeting == 0; ++m) {
                const Text* filed = filed_meeting(season, pair.first, pair.second, m);
                if (filed && !used.count(m) && game_month(*filed) == g->fields.month && game_day(*filed) == g->fields.day) {
                    g->meeting = m;
                    used.insert(m);
                }
            }
        }
        for (ImportedGame* g : rows) {
            for (int m = 1; m <= most && g->meeting == 0; ++m) {
                if (!used.count(m) && !filed_meeting(season, pair.first, pair.second, m)) {
                    g->meeting = m;
                    used.insert(m);
                }
            }
            if (g->meeting == 0)
                refused.push_back({g->line, trim_right(season.clubs.team_short(g->visitor)) + U" 対 " +
                                                trim_right(season.clubs.team_short(g->home)) + U" の対戦が" +
                                                plain_num(most) + U"回戦を超えます"});
        }
    }
    games.erase(std::remove_if(games.begin(), games.end(), [](const ImportedGame& g) { return g.meeting == 0; }), games.end());
}

// A second row giving the same meeting is refused: the first one stands. (Rows numbered later
// never take a meeting another row gives.)
void refuse_repeated_meetings(const Season& season, std::vector<ImportedGame>& games, std::vector<ImportNote>& refused) {
    std::map<std::tuple<int, int, int>, int> first_line;
    std::vector<ImportedGame> kept;
    for (ImportedGame& g : games) {
        if (g.meeting == 0) {
            kept.push_back(std::move(g));
            continue;
        }
        const auto key = std::tuple{pair_of(g).first, pair_of(g).second, g.meeting};
        const auto [at, inserted] = first_line.emplace(key, g.line);
        if (inserted) kept.push_back(std::move(g));
        else
            refused.push_back({g.line, U"同じ試合（" + meeting_name(season.clubs, g.visitor, g.home, g.meeting) + U"）が" +
                                           plain_num(at->second) + U"行目にもあります"});
    }
    games = std::move(kept);
}

Text filed_game_text(const Season& season, const ImportedGame& g, const Text& filed) {
    const bool turned = season.filed_game(g.visitor, g.home, g.meeting).empty();
    const int first = turned ? g.home : g.visitor, second = turned ? g.visitor : g.home;
    return plain_num(game_month(filed)) + U"月" + plain_num(game_day(filed)) + U"日 " +
           trim_right(season.clubs.team_short(first)) + U" " + plain_num(first_runs(filed)) + U" - " +
           plain_num(second_runs(filed)) + U" " + trim_right(season.clubs.team_short(second));
}

void classify(const Season& season, std::vector<ImportedGame>& games, ImportPlan& plan) {
    for (ImportedGame& g : games) {
        const Text* filed = filed_meeting(season, g.visitor, g.home, g.meeting);
        if (!filed) {
            if (!g.line_score) ++plan.score_only;
            plan.fresh.push_back(std::move(g));
        } else if (season.filed_game(g.visitor, g.home, g.meeting) == format_game(g.fields)) {
            plan.identical.push_back(std::move(g));
        } else {
            if (!g.line_score) ++plan.score_only;
            plan.differences.push_back({g.line, imported_game_name(season, g) + U" " + plain_num(g.fields.first_runs) +
                                                    U" - " + plain_num(g.fields.second_runs) + U": 登録済みの試合（" +
                                                    filed_game_text(season, g, *filed) + U"）と違います"});
            plan.differing.push_back(std::move(g));
        }
    }
}

Text column_list(const std::vector<GameColumn>& columns) {
    Text out;
    for (GameColumn c : columns) out += (out.empty() ? U"" : U"、") + column_name(c) + U"（" + column_name_ja(c) + U"）";
    return out;
}

}  // namespace

Result<ImportPlan> plan_import(std::string_view bytes, const std::string& name, const Season& season) {
    auto records = read_csv(bytes, name);
    if (!records) return records.error();
    if (records->empty()) return Error{ErrorKind::damaged, name, 0, "表が空です（見出しの行がありません）"};
    const CsvRecord& header = records->front();
    const ColumnPlaces places = column_places(header.fields);
    if (const auto missing = missing_columns(places); !missing.empty())
        return Error{ErrorKind::damaged, name, header.line, "見出しの行に " + to_utf8(column_list(missing)) + " の列がありません"};
    if (!places.repeated.empty())
        return Error{ErrorKind::damaged, name, header.line, "見出しの行に「" + to_utf8(places.repeated.front()) + "」の列が二度あります"};
    ImportPlan plan;
    plan.unknown_columns = places.unknown;
    std::vector<ImportedGame> games;
    for (std::size_t r = 1; r < records->size(); ++r) {
        RowReading row = read_game_row((*records)[r], places, season);
        if (row.game) games.push_back(std::move(*row.game));
        else plan.refused.push_back({(*records)[r].line, std::move(row.refusal)});
    }
    refuse_repeated_meetings(season, games, plan.refused);
    number_meetings(season, games, plan.refused);
    classify(season, games, plan);
    std::stable_sort(plan.refused.begin(), plan.refused.end(), [](const ImportNote& a, const ImportNote& b) { return a.line < b.line; });
    return plan;
}

int apply_import(Season& season, const ImportPlan& plan, bool replace_differing) {
    int filed = 0;
    const auto file = [&](const ImportedGame& g) {
        season.filed_game(g.home, g.visitor, g.meeting).clear();
        season.filed_game(g.visitor, g.home, g.meeting) = format_game(g.fields);
        ++filed;
    };
    for (const ImportedGame& g : plan.fresh) file(g);
    if (replace_differing)
        for (const ImportedGame& g : plan.differing) file(g);
    return filed;
}

Text imported_game_name(const Season& season, const ImportedGame& game) {
    return plain_num(game.fields.month) + U"月" + plain_num(game.fields.day) + U"日 " +
           meeting_name(season.clubs, game.visitor, game.home, game.meeting);
}

}  // namespace tev
