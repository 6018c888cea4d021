#include "support/golden.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/golden_switch.h"

namespace tev::test {

namespace {

std::filesystem::path golden_path(const std::string& name) {
    return std::filesystem::path(TEVARDIN_TEST_DATA) / name;
}

std::vector<std::string> read_lines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

}  // namespace

::testing::AssertionResult matches_golden(const std::string& name, const std::vector<std::string>& lines) {
    const auto path = golden_path(name);
    if (rewriting_goldens()) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const auto& line : lines) out << line << '\n';
        return ::testing::AssertionSuccess() << "rewrote " << name;
    }
    if (!std::filesystem::exists(path)) return ::testing::AssertionFailure() << "no golden file " << path;
    const auto expected = read_lines(path);
    const std::size_t n = std::max(expected.size(), lines.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string want = i < expected.size() ? expected[i] : "<end of file>";
        const std::string got = i < lines.size() ? lines[i] : "<no line>";
        if (want != got)
            return ::testing::AssertionFailure() << name << " line " << (i + 1) << "\n  expected: [" << want
                                                 << "]\n  actual:   [" << got << "]";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult matches_golden(const std::string& name, const std::vector<Text>& lines) {
    std::vector<std::string> utf8;
    for (const Text& line : lines) utf8.push_back(to_utf8(line));
    return matches_golden(name, utf8);
}

std::vector<Text> pane_lines(const ReportPane& pane) {
    std::vector<Text> out;
    std::size_t start = 0;
    for (std::size_t at; (at = pane.caption.find(kLineBreak, start)) != Text::npos; start = at + 2)
        out.push_back(pane.caption.substr(start, at - start));
    out.push_back(pane.caption.substr(start));
    out.push_back(U"--");
    out.insert(out.end(), pane.lines.begin(), pane.lines.end());
    out.push_back(U"--");
    out.push_back(pane.status);
    return out;
}

}  // namespace tev::test
