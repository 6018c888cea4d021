#include "core/exchange/import_summary.h"

#include "core/text/fixed_width.h"

namespace tev {

namespace {

Text count_line(const char32_t* what, std::size_t n) {
    return pad_wide(what, 12) + right_num(static_cast<long long>(n), 5) + U" 試合";
}

void add_notes(std::vector<Text>& lines, const char32_t* heading, const std::vector<ImportNote>& notes) {
    if (notes.empty()) return;
    lines.push_back(Text());
    lines.push_back(heading);
    for (const ImportNote& note : notes) lines.push_back(right_num(note.line, 6) + U"行目  " + note.text);
}

}  // namespace

ReportPane import_summary_pane(const ImportPlan& plan, const std::string& file_name) {
    ReportPane pane;
    pane.caption = U"試合結果の取り込み　" + from_utf8(file_name);
    std::vector<Text>& lines = pane.lines;
    lines.push_back(count_line(U"新しい試合", plan.fresh.size()));
    lines.push_back(count_line(U"登録済みと同じ試合", plan.identical.size()));
    lines.push_back(count_line(U"登録済みと違う試合", plan.differing.size()));
    lines.push_back(pad_wide(U"取り込めない行", 12) + right_num(static_cast<long long>(plan.refused.size()), 5) + U" 行");
    if (plan.score_only > 0)
        lines.push_back(U"（うち " + plain_num(plan.score_only) + U" 試合は得点だけで、各回の得点がありません）");
    if (!plan.unknown_columns.empty()) {
        Text names;
        for (const Text& name : plan.unknown_columns) names += (names.empty() ? U"" : U"、") + name;
        lines.push_back(U"知らない列（読み飛ばします）：" + names);
    }
    add_notes(lines, U"取り込めない行", plan.refused);
    add_notes(lines, U"登録済みと違う試合", plan.differences);
    pane.status = U"取り込む前の確認です。";
    return pane;
}

Text import_new_games_question(const ImportPlan& plan) {
    return U"新しい試合 " + plain_num(static_cast<long long>(plan.fresh.size())) + U" 試合を取り込みますか？";
}

Text replace_differing_question(const ImportPlan& plan) {
    return U"登録済みと違う試合が " + plain_num(static_cast<long long>(plan.differing.size())) +
           U" 試合あります。取り込む表の内容で置き換えますか？\r\n（いいえ：登録済みの試合をそのまま残します）";
}

}  // namespace tev
