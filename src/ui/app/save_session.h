// The saves of the window: every save runs between open and close, so that the marker of the save
// journal is on the disk for as long as the folder may be mixed and a start that finds one mends
// the folder first (mend_interrupted). After a failed write the rest of the save writes nothing
// (the user has been told once) and the marker stays. docs/saving.md says why this keeps the
// season whole across a crash or a power loss.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/store/save_journal.h"
#include "core/text/data_file.h"
#include "ui/app/document_listener.h"

namespace tev::ui {

// What the user reads when a save of the games did not happen.
inline const Text kGamesNotSaved = U"データを保存できませんでした。入力したデータはまだ保存されていません。";

class SaveSession {
public:
    SaveSession(std::filesystem::path dir, DocumentListener& listener) : dir_(std::move(dir)), listener_(listener) {}

    // Begins a save of `kind` for `year`: its marker written first; false when it could not be.
    bool open(SaveKind kind, const std::string& year);
    // Ends the save: its marker removed when every write succeeded; false when the save did not
    // complete (the user has been told).
    bool close();
    // Forgets the save begun without touching its marker.
    void abandon() { open_ = false; }
    void mark_failed() { failed_ = true; }
    bool failed() const { return failed_; }

    // Writes one group of files (each whole or not at all), telling `failure` when it cannot;
    // nothing after a failure of the save in progress.
    bool write(const std::vector<const ItemWriter*>& writers, const Text& failure);

    // Before a write that replaces `first` and then `commit_point`: keeps `first` as it is now in
    // the save's marker, so that a cut between the two can be taken back; false (told) when the
    // marker could not be written.
    bool hold_put_back(const ItemWriter& first, const ItemWriter& commit_point);

    // Mends what an interrupted save left, for every year or only `year`; tells what it did.
    void mend_interrupted(const std::string& year = {});

private:
    std::filesystem::path dir_;
    DocumentListener& listener_;
    bool open_ = false;    // a save has begun and not ended
    bool failed_ = false;  // a write of this save failed (or its marker could not be written)
    std::string year_;
};

}  // namespace tev::ui
