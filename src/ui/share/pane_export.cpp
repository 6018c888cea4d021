#include "ui/share/pane_export.h"

#include "core/stats/detail_lines.h"
#include "core/stats/report_pane.h"
#include "core/text/csv.h"

namespace tev::ui {

namespace {

// The lines of a caption label's text, joined by CR LF in the label.
std::vector<Text> caption_lines(const Text& text) {
    std::vector<Text> lines;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find(kLineBreak, at);
        lines.push_back(text.substr(at, end == Text::npos ? Text::npos : end - at));
        if (end == Text::npos) break;
        at = end + 2;
    }
    return lines;
}

}  // namespace

std::optional<ShownPane> list_pane(const Window& main, const DrawnReport& drawn, const std::string& list) {
    const std::string label = list == "List4" ? "Label7" : list == "List1" ? "Label6" : "";
    const Control* pane = main.find(list);
    if (pane == nullptr || !pane->visible) return std::nullopt;
    ShownPane shown;
    shown.lines = pane->lines;
    const Control* caption = label.empty() ? nullptr : main.find(label);
    if (caption != nullptr && caption->visible && !caption->text.empty()) shown.caption = caption_lines(caption->text);
    if (drawn.list == list && drawn.lines == pane->lines) shown.table = drawn.table;
    return shown;
}

std::optional<ShownPane> shown_pane(const Window& main, const DrawnReport& drawn) {
    if (auto pane = list_pane(main, drawn, "List4")) return pane;
    return list_pane(main, drawn, "List1");
}

std::string pane_csv(const ShownPane& pane) {
    if (!pane.table.described()) return lines_csv(pane.lines);
    // The closing line belongs to the window, not to the table's columns.
    std::vector<Text> rows;
    for (const Text& line : pane.lines)
        if (line != kCloseLine && line != kCloseLineShort) rows.push_back(line);
    return report_csv(pane.table, rows);
}

std::string pane_text(const ShownPane& pane) {
    std::string out;
    for (const auto* part : {&pane.caption, &pane.lines})
        for (const Text& line : *part) out += to_utf8(line) + "\n";
    return out;
}

PanePage pane_page(const ShownPane& pane) { return PanePage{pane.caption, pane.lines, Text()}; }

std::string suggested_file_name(const ShownPane& pane, const std::string& year, const std::string& extension) {
    Text title;
    for (const Text& line : pane.caption) {
        for (char32_t c : line)
            if (c != U' ' && c != U'\u3000') title += c;
        if (!title.empty()) break;
    }
    // Characters a file name cannot hold on some systems never come from a caption, but a
    // hand-made club name might carry one.
    std::erase_if(title, [](char32_t c) { return c < 0x20 || Text(U"\\/:*?\"<>|").find(c) != Text::npos; });
    if (title.empty()) title = U"Tevardin";
    return to_utf8(title) + "_" + year + extension;
}

Text page_heading(const std::string& year, const std::optional<AsOfDate>& as_of) {
    Text day = U"現在";
    if (as_of) day = from_utf8(std::to_string(as_of->month)) + U"月" + from_utf8(std::to_string(as_of->day)) + U"日" + day;
    return from_utf8(year) + U"年　" + day;
}

}  // namespace tev::ui
