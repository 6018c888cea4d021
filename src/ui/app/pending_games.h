// The games filed with Return since the season was last saved, and the entry journal that keeps
// them on the disk until then (core/store/entry_journal.h): what quitting or a year switch would
// drop, what a start after a crash offers back, and what the commit that saves them is called in
// the undo history.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/store/club_names.h"
#include "core/store/entry_journal.h"
#include "ui/app/document_listener.h"

namespace tev::ui {

class PendingGames {
public:
    // `season` is the document's season, whichever year it holds now.
    PendingGames(const std::filesystem::path& dir, const std::unique_ptr<Season>& season, DocumentListener& listener)
        : dir_(dir), season_(season), listener_(listener) {}

    int count() const { return static_cast<int>(entries_.size()); }
    // `entry` filed into the season (`replaced`: over a stored game); the journal is written again
    // at once, and a journal that cannot be written is told once.
    void note_filed(const JournalEntry& entry, bool replaced);
    // The games saved or let go: the season's journal goes with them.
    void clear();
    // A season replaced: its pending games are no longer this season's (the file stays).
    void forget();
    // The season's journal found on the disk (nothing when there is none).
    Result<std::optional<std::vector<JournalEntry>>> read() const;
    // The games of a journal filed again: pending as if typed again.
    void restored(std::vector<JournalEntry> entries);
    // "入力 巨人 対 阪神 5回戦", "再登録 …", "入力 3試合（再登録 1）": the commit that saves them.
    Text change_name() const;

private:
    const std::string& year() const { return season_->disp_year; }

    const std::filesystem::path& dir_;
    const std::unique_ptr<Season>& season_;
    DocumentListener& listener_;
    std::vector<JournalEntry> entries_;  // in filing order
    int replaced_ = 0;                   // re-filings among them
    bool write_failed_ = false;          // told once, until a write succeeds again
};

}  // namespace tev::ui
