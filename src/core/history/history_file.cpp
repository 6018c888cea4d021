#include "core/history/history_file.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr int kBlock = 12 * kHistoryDays;

// Where value v (0-based, file order) lives: the block, the day and the club.
struct Place {
    bool pct;
    int day;
    int team;
};

Place place_of(int v) {
    const int in_block = v % kBlock;
    return Place{v >= kBlock, in_block % kHistoryDays + 1, in_block / kHistoryDays + 1};
}

}  // namespace

bool rire_chek(const std::filesystem::path& dir, const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    return in.good();
}

bool history_rebuild_needed(const HistoryRead& read) { return read.state != HistoryFileState::complete; }

Result<HistoryRead> read_dat2(const std::filesystem::path& dir, const std::string& name) {
    auto read = std::make_unique<HistoryRead>();
    auto lines = read_items(dir, name);
    if (!lines) {
        if (lines.error().kind == ErrorKind::missing) return lines.error();
        read->state = HistoryFileState::damaged;
        read->problem = lines.error();
        read->history = History{};
        return *read;
    }
    const int count = static_cast<int>(std::min<std::size_t>(lines->size(), kHistoryValues));
    for (int v = 0; v < count; ++v) {
        const bool one_number = lines->items_in(v) == 1 && !lines->item(v, 0).quoted;
        const auto value = one_number ? read_number(lines->item(v, 0).text) : std::nullopt;
        const Place at = place_of(v);
        const long long high = at.pct ? 10000 : 6;
        if (!value || *value < 0 || *value > high) {
            // Out-of-range values would index the graph's boxes: nothing of this file is used.
            read->state = HistoryFileState::damaged;
            read->problem = Error{ErrorKind::damaged, name, v + 1, "順位・勝率の値が正しくありません"};
            read->history = History{};
            return *read;
        }
        (at.pct ? read->history.pct : read->history.rank)[at.day][at.team] = static_cast<std::int16_t>(*value);
    }
    if (count < kHistoryValues) {
        read->state = HistoryFileState::ended_early;
        read->problem = Error{ErrorKind::damaged, name, count + 1, "ファイルが途中で終わっています"};
    }
    return *read;
}

ItemWriter history_file_writer(const History& history, const std::string& name) {
    ItemWriter writer(name);
    for (int v = 0; v < kHistoryValues; ++v) {
        const Place at = place_of(v);
        writer.bare(num_text((at.pct ? history.pct : history.rank)[at.day][at.team]));
        writer.end_line();
    }
    return writer;
}

}  // namespace tev
