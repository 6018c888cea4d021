// The save journal: a small marker file "Tevardin_<year>.SAV" that is on the disk for exactly as
// long as a save of that year may have left the folder in a mixed state. A save writes it (and
// flushes the folder) before it replaces any file, and removes it only when every file of the
// save is in place and the folder is flushed. A marker found at start-up therefore means that
// the last save of that year was cut off; it names what the save was doing, so that the start
// can mend the folder (core/years/save_recovery.h). The marker is written and removed with the
// same all-or-nothing steps as the data files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/text/data_file.h"
#include "core/text/error.h"

namespace tev {

// What a save of one year was doing, and so how an interrupted one is mended.
enum class SaveKind {
    rebuild,      // the games changed (入力終了, データ削除): the derived files follow the game file
    new_year,     // 新規作成: the year's files, then the settings registering it
    delete_year,  // ﾃﾞｰﾀﾌｧｲﾙ削除: the settings without the year, then its files removed
};

// A save that changes two primary files replaces them one after the other; the second one's
// rename is the save's commit point. Until it is on the disk, the marker keeps the first file as
// it was, so that a cut between the two renames can be taken back to the season before the save.
struct PutBack {
    std::string commit_point;          // the file replaced last (the game file)
    std::uint64_t commit_digest = 0;   // its new bytes' digest: there means the save happened
    std::string name;                  // the file replaced before it (the interleague file)
    std::optional<std::string> bytes;  // its bytes before the save; none when it was not there
};

struct PendingSave {
    std::string year;
    SaveKind kind = SaveKind::rebuild;
    std::optional<PutBack> put_back;  // a rebuild of a save that changed two primary files
};

// "Tevardin_<year>.SAV".
std::string save_marker_name(const std::string& year);

// Writes the marker of `year` saying `kind`, durably, before the save touches any file.
Status begin_save(const std::filesystem::path& dir, const std::string& year, SaveKind kind);

// Rewrites the rebuild marker of `year` so that it also holds `first` as it is on the disk now,
// when both `first` and `commit_point` are about to change (nothing otherwise). Called after
// begin_save and before either file is written.
Status hold_put_back(const std::filesystem::path& dir, const std::string& year, const PendingFile& first,
                     const PendingFile& commit_point);

// What a save's put-back asks of a folder after a cut: `first` restored (or removed) when the
// commit point does not hold its new bytes; nothing when it does.
Status apply_put_back(const std::filesystem::path& dir, const PutBack& put_back);

// Removes the marker of `year` durably, once every file of the save is in place.
Status end_save(const std::filesystem::path& dir, const std::string& year);

// The marker of `year`, when one is in `dir` (a marker that cannot be read counts as a rebuild,
// the one mending that never loses a game).
std::optional<PendingSave> pending_save(const std::filesystem::path& dir, const std::string& year);

// Every marker in `dir`, by year.
std::vector<PendingSave> pending_saves(const std::filesystem::path& dir);

}  // namespace tev
