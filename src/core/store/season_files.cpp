#include "core/store/season_files.h"

#include <limits>
#include <memory>

#include "core/store/game_string.h"
#include "core/store/interleague_file.h"
#include "core/text/cp932.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace fs = std::filesystem;

namespace {

Error damaged(const std::string& file, int line, std::string detail) {
    return Error{ErrorKind::damaged, file, line, std::move(detail)};
}

// The file's lines, which must number exactly `count`, each of `items` items.
Result<ItemFile> check_lines(Result<ItemFile> lines, const std::string& name, std::size_t count,
                             std::size_t items) {
    if (!lines) return lines.error();
    if (lines->size() < count)
        return damaged(name, static_cast<int>(lines->size()) + 1,
                       std::to_string(lines->size()) + "行で終わっています（" + std::to_string(count) + "行必要）");
    if (lines->size() > count)
        return damaged(name, static_cast<int>(count) + 1, "行数が多すぎます（" + std::to_string(count) + "行まで）");
    for (std::size_t i = 0; i < count; ++i) {
        if (lines->items_in(i) != items)
            return damaged(name, static_cast<int>(i) + 1,
                           "項目数が" + std::to_string(lines->items_in(i)) + "個です（" + std::to_string(items) + "個必要）");
    }
    return lines;
}

Result<ItemFile> read_lines(const fs::path& dir, const std::string& name, std::size_t count,
                            std::size_t items) {
    return check_lines(read_items(dir, name), name, count, items);
}

// A quoted item, or a damaged error.
Result<TextView> quoted_item(const ItemView& item, const std::string& file, int line) {
    if (!item.quoted) return damaged(file, line, "文字列の項目が引用符で囲まれていません");
    return item.text;
}

// A 16-bit count item, or a damaged error.
Result<std::int16_t> count_item(const ItemView& item, const std::string& file, int line) {
    const auto value = item.quoted ? std::nullopt : read_number(item.text);
    if (!value || *value < 0 || *value > std::numeric_limits<std::int16_t>::max())
        return damaged(file, line, "数値でない項目があります");
    return static_cast<std::int16_t>(*value);
}

// The game file as the program writes it, every line one quoted string and nothing else,
// decoded straight into the slots: the whole file's decoded text and item places, the largest
// buffers of a start-up, are never made. False for any other file (well-formed or not), which
// read_games then reads item by item with the same result or the error it tells.
bool decode_written_games(std::string_view bytes, std::array<Text, kSlotCount>& games) {
    while (!bytes.empty() && bytes.back() == '\x1a') bytes.remove_suffix(1);
    std::size_t start = 0;
    for (Text& game : games) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) return false;
        std::string_view line = bytes.substr(start, lf - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() < 2 || line.front() != '"' || line.back() != '"') return false;
        line = line.substr(1, line.size() - 2);
        if (line.find('"') != std::string_view::npos) return false;
        auto text = decode_cp932(line);
        if (!text) return false;
        game = std::move(*text);
        start = lf + 1;
    }
    return start == bytes.size();
}

// A stored game (line `line` of the file) must have the shape of a game string.
Status check_game_shape(const std::string& name, int line, TextView game) {
    if (game.empty()) return ok_status();
    if (auto why = game_shape_error(game)) return damaged(name, line, *why);
    return ok_status();
}

Status read_games(const fs::path& dir, const std::string& name, std::array<Text, kSlotCount>& games) {
    auto bytes = read_file_bytes(dir, name);
    if (!bytes) return bytes.error();
    if (decode_written_games(*bytes, games)) {
        for (int i = 0; i < kSlotCount; ++i)
            if (auto s = check_game_shape(name, i + 1, games[i]); !s) return s;
        return ok_status();
    }
    auto lines = check_lines(items_of_bytes(*bytes, name), name, kSlotCount, 1);
    if (!lines) return lines.error();
    for (int i = 0; i < kSlotCount; ++i) {
        auto game = quoted_item(lines->item(i, 0), name, i + 1);
        if (!game) return game.error();
        if (auto s = check_game_shape(name, i + 1, *game); !s) return s;
        games[i] = *game;
    }
    return ok_status();
}

Status read_best(const fs::path& dir, const std::string& name, std::array<Text, kScoreListEntries>& best) {
    auto lines = read_lines(dir, name, kScoreListEntries, 1);
    if (!lines) return lines.error();
    for (int i = 0; i < kScoreListEntries; ++i) {
        auto entry = quoted_item(lines->item(i, 0), name, i + 1);
        if (!entry) return entry.error();
        best[i] = *entry;
    }
    return ok_status();
}

Status read_pitcher_row(const ItemFile& lines, std::size_t r, std::size_t first, const std::string& name,
                        PitcherRow& row) {
    const int line = static_cast<int>(r) + 1;
    auto key = quoted_item(lines.item(r, first), name, line);
    if (!key) return key.error();
    auto wins = count_item(lines.item(r, first + 1), name, line);
    auto losses = count_item(lines.item(r, first + 2), name, line);
    auto saves = count_item(lines.item(r, first + 3), name, line);
    if (!wins) return wins.error();
    if (!losses) return losses.error();
    if (!saves) return saves.error();
    row = PitcherRow{Text(*key), *wins, *losses, *saves};
    return ok_status();
}

Status read_pitchers(const fs::path& dir, const std::string& name, PitcherTable& c, PitcherTable& p,
                     PitcherTable& all) {
    auto lines = read_lines(dir, name, kPitcherRows, 12);
    if (!lines) return lines.error();
    for (int r = 0; r < kPitcherRows; ++r) {
        for (auto [first, table] : {std::pair{0, &c}, std::pair{4, &p}, std::pair{8, &all}}) {
            auto status = read_pitcher_row(*lines, r, first, name, (*table)[r]);
            if (!status) return status;
        }
    }
    return ok_status();
}

void take_interleague(Season& season, InterleagueGames&& read) {
    season.interleague = std::move(read.games);
    season.interleague_meetings = read.meetings;
}

}  // namespace

Status read_season_files(const fs::path& dir, const FileNames& names, Season& season,
                         const std::function<void(ReadStep)>& before) {
    const auto step = [&](ReadStep s) {
        if (before) before(s);
    };
    // Read into a copy so that a fault in any file leaves the season as it was.
    auto games = std::make_unique<std::array<Text, kSlotCount>>();
    auto best = std::make_unique<std::array<Text, kScoreListEntries>>();
    auto tables = std::make_unique<std::array<PitcherTable, 3>>();
    // Files handed out by other installations may end in ".dat"; errors name the file as it is.
    step(ReadStep::games);
    if (auto s = read_games(dir, name_on_disk(dir, names.game_file), *games); !s) return s;
    auto interleague = std::make_unique<InterleagueGames>();
    if (auto s = read_year_interleague(dir, season.disp_year, *interleague); !s) return s;
    step(ReadStep::best);
    if (auto s = read_best(dir, name_on_disk(dir, names.best_file), *best); !s) return s;
    step(ReadStep::pitchers);
    if (auto s = read_pitchers(dir, name_on_disk(dir, names.pitcher_file), (*tables)[0], (*tables)[1],
                               (*tables)[2]);
        !s)
        return s;
    season.games = std::move(*games);
    take_interleague(season, std::move(*interleague));
    season.score_list = std::move(*best);
    season.pitcher_c = std::move((*tables)[0]);
    season.pitcher_p = std::move((*tables)[1]);
    season.pitcher_all = std::move((*tables)[2]);
    return ok_status();
}

Status read_game_file(const fs::path& dir, const FileNames& names, Season& season) {
    auto games = std::make_unique<std::array<Text, kSlotCount>>();
    if (auto s = read_games(dir, name_on_disk(dir, names.game_file), *games); !s) return s;
    auto interleague = std::make_unique<InterleagueGames>();
    if (auto s = read_year_interleague(dir, season.disp_year, *interleague); !s) return s;
    season.games = std::move(*games);
    take_interleague(season, std::move(*interleague));
    return ok_status();
}

Result<std::array<PitcherTable, 3>> read_pitcher_file(const fs::path& dir, const std::string& name) {
    auto tables = std::make_unique<std::array<PitcherTable, 3>>();
    if (auto s = read_pitchers(dir, name, (*tables)[0], (*tables)[1], (*tables)[2]); !s) return s.error();
    return std::move(*tables);
}

ItemWriter game_file_writer(const Season& season, const std::string& name) {
    ItemWriter writer(name);
    for (const Text& game : season.games) {
        writer.string(game);
        writer.end_line();
    }
    return writer;
}

ItemWriter best_file_writer(const Season& season, const std::string& name) {
    ItemWriter writer(name);
    for (const Text& entry : season.score_list) {
        writer.string(entry);
        writer.end_line();
    }
    return writer;
}

ItemWriter pitcher_file_writer(const Season& season, const std::string& name) {
    ItemWriter writer(name);
    for (int r = 0; r < kPitcherRows; ++r) {
        for (const PitcherTable* table : {&season.pitcher_c, &season.pitcher_p, &season.pitcher_all}) {
            const PitcherRow& row = (*table)[r];
            writer.string(row.key).integer(row.wins).integer(row.losses).integer(row.saves);
        }
        writer.end_line();
    }
    return writer;
}

std::vector<ItemWriter> season_file_writers(const fs::path& dir, const FileNames& names, const Season& season) {
    std::vector<ItemWriter> writers;
    writers.push_back(best_file_writer(season, names.best_file));
    writers.push_back(pitcher_file_writer(season, names.pitcher_file));
    if (interleague_file_wanted(dir, season))
        writers.push_back(interleague_file_writer(season, interleague_file_name(season.disp_year)));
    writers.push_back(game_file_writer(season, names.game_file));
    return writers;
}

Status write_season_files(const fs::path& dir, const FileNames& names, const Season& season) {
    const ItemWriter games = game_file_writer(season, names.game_file);
    const ItemWriter best = best_file_writer(season, names.best_file);
    const ItemWriter pitchers = pitcher_file_writer(season, names.pitcher_file);
    std::vector<const ItemWriter*> set = {&games, &best, &pitchers};
    std::optional<ItemWriter> interleague;
    if (interleague_file_wanted(dir, season))
        set.push_back(&interleague.emplace(interleague_file_writer(season, interleague_file_name(season.disp_year))));
    return commit_writers(dir, set);
}

}  // namespace tev
