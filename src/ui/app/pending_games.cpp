#include "ui/app/pending_games.h"

#include "core/text/fixed_width.h"

namespace tev::ui {

void PendingGames::note_filed(const JournalEntry& entry, bool replaced) {
    entries_.push_back(entry);
    if (replaced) ++replaced_;
    const ItemWriter file = entry_journal_writer(year(), entries_);
    const Status written = commit_writers(dir_, {&file});
    if (written) {
        write_failed_ = false;
        return;
    }
    if (write_failed_) return;
    write_failed_ = true;
    listener_.tell(U"入力した試合の控えを書けませんでした。入力終了の前にプログラムが止まると、この試合は失われます。\r\n\r\n" +
                   from_utf8(written.error().describe()));
}

void PendingGames::clear() {
    forget();
    // Made durable, so that a power cut cannot bring back games the user has let go. Should it
    // fail, the next start offers only those of its games that differ from the disk.
    remove_file_durably(dir_, name_on_disk(dir_, entry_journal_name(year())));
}

void PendingGames::forget() {
    entries_.clear();
    replaced_ = 0;
}

Result<std::optional<std::vector<JournalEntry>>> PendingGames::read() const {
    return read_entry_journal(dir_, year());
}

void PendingGames::restored(std::vector<JournalEntry> entries) {
    entries_ = std::move(entries);
    replaced_ = 0;
}

Text PendingGames::change_name() const {
    if (entries_.empty()) return Text();
    const ClubNames& clubs = season_->clubs;
    if (entries_.size() == 1) {
        const JournalEntry& only = entries_.front();
        return (replaced_ > 0 ? U"再登録 " : U"入力 ") + meeting_name(clubs, only.first, only.second, only.meeting);
    }
    Text name = U"入力 " + plain_num(count()) + U"試合";
    if (replaced_ > 0) name += U"（再登録 " + plain_num(replaced_) + U"）";
    return name;
}

}  // namespace tev::ui
