#include "ui/app/save_session.h"

#include "core/settings/settings.h"
#include "core/text/fixed_width.h"
#include "core/years/save_recovery.h"

namespace tev::ui {

bool SaveSession::open(SaveKind kind, const std::string& year) {
    open_ = true;
    failed_ = false;
    year_ = year;
    // A save of this session that failed between its two primary files left them mixed: take
    // them back first, as the next start would, so that this save's put-back is of whole files.
    Status begun = ok_status();
    if (auto earlier = pending_save(dir_, year); earlier && earlier->put_back) begun = apply_put_back(dir_, *earlier->put_back);
    if (begun) begun = begin_save(dir_, year, kind);
    if (!begun) {
        failed_ = true;
        listener_.tell(kGamesNotSaved + U"\r\n\r\n" +
                       from_utf8(begun.error().describe()));
        return false;
    }
    return true;
}

bool SaveSession::close() {
    const bool whole = open_ && !failed_;
    open_ = false;
    // A failed save keeps its marker: the next start rebuilds what the save left mixed.
    if (whole && !end_save(dir_, year_)) return false;
    return whole;
}

bool SaveSession::write(const std::vector<const ItemWriter*>& writers, const Text& failure) {
    if (open_ && failed_) return false;  // told already; the marker stays
    const Status written = commit_writers(dir_, writers);
    if (written) return true;
    if (open_) failed_ = true;
    listener_.tell(failure + U"\r\n\r\n" + from_utf8(written.error().describe()));
    return false;
}

bool SaveSession::hold_put_back(const ItemWriter& first, const ItemWriter& commit_point) {
    if (!open_ || failed_) return !failed_;
    const Status held = tev::hold_put_back(dir_, year_, {first.file_name(), first.bytes()},
                                           {commit_point.file_name(), commit_point.bytes()});
    if (held) return true;
    failed_ = true;
    listener_.tell(kGamesNotSaved + U"\r\n\r\n" + from_utf8(held.error().describe()));
    return false;
}

void SaveSession::mend_interrupted(const std::string& year) {
    const Recovery mended = year.empty() ? recover_interrupted_saves(dir_) : recover_year(dir_, year);
    for (const std::string& rebuilt : mended.rebuilt)
        listener_.tell(U"前回のデータ保存が途中で終わっていました。\r\n" + ascii(rebuilt) + U"年の試合データ（" +
                       ascii(year_file_names(rebuilt).game_file) +
                       U"）に合わせて、得点・投手成績・ホームラン・履歴のデータを作り直しました。\r\n"
                       U"最後に入力した試合が見当たらない場合は、もう一度入力して下さい。");
    if (mended.failure)
        listener_.tell(U"前回のデータ保存が途中で終わっていましたが、データを作り直せませんでした。\r\n\r\n" +
                       from_utf8(mended.failure->describe()));
}

}  // namespace tev::ui
