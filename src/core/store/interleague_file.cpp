#include "core/store/interleague_file.h"

#include <algorithm>

#include "core/store/game_string.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr int kInterleagueLines = 1 + kInterleagueSlotCount;

Error damaged(const std::string& file, int line, const std::string& detail) {
    return make_error(ErrorKind::damaged, file, line, detail);
}

// The meeting number of the slot stored at position `index` (from 0) of the store.
int meeting_of(int index) { return index % kMostInterleagueMeetings + 1; }

}  // namespace

std::string interleague_file_name(const std::string& year) { return "Kouryu_" + year + ".DAT"; }

Result<std::optional<InterleagueGames>> read_interleague_file(const std::filesystem::path& dir,
                                                              const std::string& name) {
    const std::string on_disk = name_on_disk(dir, name);
    auto lines = read_item_file(dir, on_disk);
    if (!lines) {
        if (lines.error().kind == ErrorKind::missing) return std::optional<InterleagueGames>();
        return lines.error();
    }
    if (lines->size() != kInterleagueLines)
        return damaged(on_disk, 0, "行数が" + std::to_string(kInterleagueLines) + "行ではありません");
    InterleagueGames read;
    const ItemLine& first = (*lines)[0];
    const std::optional<long long> meetings =
        first.size() == 1 && !first[0].quoted ? read_number(first[0].text) : std::nullopt;
    if (!meetings || *meetings < 0 || *meetings > kMostInterleagueMeetings)
        return damaged(on_disk, 1, "交流戦の対戦数が0から" + std::to_string(kMostInterleagueMeetings) + "の数字ではありません");
    read.meetings = static_cast<int>(*meetings);
    for (int i = 0; i < kInterleagueSlotCount; ++i) {
        const int line_no = i + 2;
        const ItemLine& line = (*lines)[static_cast<std::size_t>(i) + 1];
        if (line.size() != 1 || !line[0].quoted) return damaged(on_disk, line_no, "試合が1つの引用符付きの項目ではありません");
        const Text& game = line[0].text;
        if (game.empty()) continue;
        if (auto why = game_shape_error(game)) return damaged(on_disk, line_no, *why);
        if (meeting_of(i) > read.meetings) return damaged(on_disk, line_no, "交流戦の対戦数を超える回戦の試合です");
        read.games[static_cast<std::size_t>(i)] = game;
    }
    return std::optional<InterleagueGames>(std::move(read));
}

Status read_year_interleague(const std::filesystem::path& dir, const std::string& year, InterleagueGames& into) {
    auto read = read_interleague_file(dir, interleague_file_name(year));
    if (!read) return read.error();
    if (*read) {
        into = std::move(**read);
    } else {
        into = InterleagueGames{};
        into.meetings = era_shape(year).interleague_meetings;
    }
    return ok_status();
}

bool interleague_file_wanted(const std::filesystem::path& dir, const Season& season) {
    const bool any_game = std::any_of(season.interleague.begin(), season.interleague.end(),
                                      [](const Text& game) { return !game.empty(); });
    if (any_game || season.interleague_meetings != era_shape(season.disp_year).interleague_meetings)
        return true;
    std::error_code ec;
    return std::filesystem::exists(dir / name_on_disk(dir, interleague_file_name(season.disp_year)), ec);
}

ItemWriter interleague_file_writer(const Season& season, const std::string& name) {
    ItemWriter writer(name);
    writer.integer(season.interleague_meetings);
    writer.end_line();
    for (const Text& game : season.interleague) {
        writer.string(game);
        writer.end_line();
    }
    return writer;
}

}  // namespace tev
