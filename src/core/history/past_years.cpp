#include "core/history/past_years.h"

#include <vector>

#include "core/text/cp932.h"
#include "core/text/data_file.h"

namespace tev {

namespace {

// The file's lines, split at CR LF (or a lone LF), without their line ends.
std::vector<std::string> byte_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

Result<PastYears> read_past_years(const std::filesystem::path& dir) {
    auto bytes = read_file_bytes(dir, kPastYearsFile);
    if (!bytes) return bytes.error();
    const std::vector<std::string> lines = byte_lines(*bytes);
    if (static_cast<int>(lines.size()) < kPastYearsLines)
        return Error{ErrorKind::damaged, kPastYearsFile, static_cast<int>(lines.size()) + 1,
                     "行が足りません（" + std::to_string(kPastYearsLines) + "行必要なところ" +
                         std::to_string(lines.size()) + "行です）"};
    PastYears past;
    for (int n = 1; n <= kPastYearsLines; ++n) {
        const auto text = decode_cp932(lines[static_cast<std::size_t>(n - 1)]);
        if (!text) return Error{ErrorKind::damaged, kPastYearsFile, n, "シフトJISの文字ではないバイトがあります"};
        if (n == 1)
            past.heading = *text;
        else
            (n <= 7 ? past.first_block : past.second_block) += *text + U"\r\n";
    }
    past.sample = past.heading.find(U"サンプル") != Text::npos;
    return past;
}

}  // namespace tev
