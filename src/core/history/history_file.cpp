#include "core/history/history_file.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/text/data_file.h"
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

bool history_file_readable(const std::filesystem::path& dir, const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    return in.good();
}

bool history_rebuild_needed(const HistoryRead& read) { return read.state != HistoryFileState::complete; }

namespace {

// The values of a history file as the program writes it, every line a number (blanks before it,
// a minus sign, digits) ending in a line feed, read straight from its bytes: start-up reads its
// 5,448 lines every time. Nothing for any other file, which the general item reader then reads
// with its errors.
std::optional<std::vector<std::optional<long long>>> plain_number_lines(std::string_view bytes) {
    while (!bytes.empty() && bytes.back() == '\x1a') bytes.remove_suffix(1);
    std::vector<std::optional<long long>> values;
    values.reserve(kHistoryValues);
    std::size_t at = 0;
    while (at < bytes.size()) {
        while (at < bytes.size() && bytes[at] == ' ') ++at;  // numbers are written with a sign blank
        const bool negative = at < bytes.size() && bytes[at] == '-';
        if (negative) ++at;
        long long value = 0;
        int digits = 0;
        for (; at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9' && digits < 9; ++at, ++digits)
            value = value * 10 + (bytes[at] - '0');
        if (digits == 0) return std::nullopt;
        if (at < bytes.size() && bytes[at] == '\r') ++at;
        if (at == bytes.size() || bytes[at] != '\n') return std::nullopt;
        ++at;
        values.push_back(negative ? -value : value);
    }
    return values;
}

// Every value of the file in file order (a number, or nothing where an item is not one), or the
// error that makes the whole file unreadable.
Result<std::vector<std::optional<long long>>> history_values(const std::filesystem::path& dir,
                                                             const std::string& name) {
    const std::string on_disk = name_on_disk(dir, name);  // errors name the file the user has
    auto bytes = read_file_bytes(dir, on_disk);
    if (!bytes) return bytes.error();
    if (auto plain = plain_number_lines(*bytes)) return std::move(*plain);
    auto lines = items_of_bytes(*bytes, on_disk);
    if (!lines) return lines.error();
    std::vector<std::optional<long long>> values;
    values.reserve(lines->size());
    for (std::size_t v = 0; v < lines->size(); ++v) {
        const bool one_number = lines->items_in(v) == 1 && !lines->item(v, 0).quoted;
        values.push_back(one_number ? read_number(lines->item(v, 0).text) : std::nullopt);
    }
    return values;
}

}  // namespace

Result<HistoryRead> read_history_file(const std::filesystem::path& dir, const std::string& name) {
    auto read = std::make_unique<HistoryRead>();
    auto values = history_values(dir, name);
    if (!values) {
        if (values.error().kind == ErrorKind::missing) return values.error();
        read->state = HistoryFileState::damaged;
        read->problem = values.error();
        read->history = History{};
        return *read;
    }
    const int count = static_cast<int>(std::min<std::size_t>(values->size(), kHistoryValues));
    for (int v = 0; v < count; ++v) {
        const std::optional<long long> value = (*values)[static_cast<std::size_t>(v)];
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
