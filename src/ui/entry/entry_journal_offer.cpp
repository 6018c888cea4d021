// The entry journal at a start or a year read: games filed in a run that ended before they were
// saved (a crash, a power cut) are named and offered back; restored, they are filed as if typed
// again and entry opens, so that 入力終了 saves them. A journal that cannot be used is told and
// left as it is, never half-applied.
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"
#include "ui/entry/entry_presenter.h"

namespace tev::ui {

namespace {

const Text kTitle = U"入力の復元";

// "巨人 対 阪神 8回戦 (4/1)": one journal game as the question names it.
Text journal_line(const JournalEntry& entry, const ClubNames& clubs) {
    return trim_right(clubs.team_short(entry.first)) + U" 対 " + trim_right(clubs.team_short(entry.second)) + U" " +
           plain_num(entry.meeting) + U"回戦 (" + month_day_text(entry.game) + U")";
}

}  // namespace

void EntryPresenter::offer_journal() {
    if (modes_.entering || document_.pending().count() > 0) return;
    const auto read = document_.pending().read();
    if (!read) return tell_damaged_journal(read.error());
    if (!*read) return;
    // A run cut off after its save but before the journal went: those games are on the disk.
    std::vector<JournalEntry> entries;
    for (const JournalEntry& entry : **read)
        if (season().filed_game(entry.first, entry.second, entry.meeting) != entry.game) entries.push_back(entry);
    if (entries.empty()) return document_.pending().clear();
    Text names;
    for (const JournalEntry& entry : entries) names += U"\r\n    " + journal_line(entry, season().clubs);
    const Text question = U"前回、保存されないまま終わった試合が " + plain_num(static_cast<int>(entries.size())) +
                          U" 試合あります。" + names + U"\r\n\r\n復元しますか？（いいえを選ぶと破棄します）";
    if (!services_.ask(kTitle, question, Icon::question, true)) return document_.pending().clear();
    if (const Status restored = document_.restore_journal(entries); !restored)
        return tell_damaged_journal(restored.error());
    mnudat_in_Click();
    status(U"復元した試合は、入力終了で保存されます。");
}

void EntryPresenter::tell_damaged_journal(const Error& error) {
    // Said once a run: the file stays for the user to look at, and every later read finds it again.
    if (journal_told_ == season().disp_year) return;
    journal_told_ = season().disp_year;
    services_.message(U"入力の控え " + from_utf8(entry_journal_name(season().disp_year)) +
                          U" が壊れているため、試合を復元できません。\r\n\r\n" + from_utf8(error.describe()),
                      kTitle, Icon::exclamation);
}

}  // namespace tev::ui
