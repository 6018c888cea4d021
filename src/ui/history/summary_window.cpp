// The past-years summary window "各種成績一覧": two blocks of earlier seasons' records from
// "record.dat", opened from データ閲覧(&K). The records shipped with the program are invented
// sample data, and the window says so, so that no invented figure passes for a real season's.
#include "core/history/past_years.h"
#include "ui/history/history_presenter.h"

namespace tev::ui {

namespace {

const Text kSampleNote = U"※収録の記録はサンプル用の架空データです。";
const Text kSampleNote2 = U"実在の球団・選手の成績ではありません。";
const Text kSource = U"データファイル: record.dat";

}  // namespace

void HistoryPresenter::build_summary_window() {
    summary_.caption = U"各種成績一覧";
    for (auto [name, caption] : {std::pair<const char*, const char32_t*>{"Label1", U"投手成績"},
                                 {"Label2", U"最終順位"},
                                 {"Label3", U"ホームラン"},
                                 {"Label4", U"得点状況"},
                                 {"Label5", U"各年度成績一覧"},
                                 {"Label6", U"打撃成績"}})
        summary_.add(captioned_control(ControlKind::label, name, caption));
    for (int i = 1; i <= 5; ++i) summary_.add(captioned_control(ControlKind::text, "Text" + std::to_string(i)));
    summary_.add(captioned_control(ControlKind::button, "Command1", U"戻る"));
}

void HistoryPresenter::mnuseedat_Click() {
    if (windows_refused()) return;
    hide_year_list();
    if (!read_past_years_into_window()) return;
    summary_.visible = true;
}

bool HistoryPresenter::read_past_years_into_window() {
    const auto past = read_past_years(document_.dir());
    if (!past) {
        // Empty boxes would say nothing; the user learns what is wrong with the file instead.
        const Text what = past.error().kind == ErrorKind::missing
                              ? U"過去の成績のデータファイル (record.dat) が見つかりません。"
                              : U"過去の成績のデータファイル (record.dat) が正しくないため表示できません。\r\n\r\n" +
                                    from_utf8(past.error().describe());
        services_.message(what);
        return false;
    }
    summary_.at("Text1").text = past->first_block;
    summary_.at("Text2").text = past->second_block;
    summary_.at("Text3").text = past->sample ? kSampleNote : Text();
    summary_.at("Text4").text = past->sample ? kSampleNote2 : Text();
    summary_.at("Text5").text = kSource;
    return true;
}

void HistoryPresenter::summary_Command1_Click() {
    status(Text());
    summary_.visible = false;
}

}  // namespace tev::ui
