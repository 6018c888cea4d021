// The save journal: a small marker file "Tevardin_<year>.SAV" that is on the disk for exactly as
// long as a save of that year may have left the folder in a mixed state. A save writes it (and
// flushes the folder) before it replaces any file, and removes it only when every file of the
// save is in place and the folder is flushed. A marker found at start-up therefore means that
// the last save of that year was cut off; it names what the save was doing, so that the start
// can mend the folder (core/years/save_recovery.h). The marker is written and removed with the
// same all-or-nothing steps as the data files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/text/error.h"

namespace tev {

// What a save of one year was doing, and so how an interrupted one is mended.
enum class SaveKind {
    rebuild,      // the games changed (入力終了, データ削除): the derived files follow the game file
    new_year,     // 新規作成: the year's files, then the settings registering it
    delete_year,  // ﾃﾞｰﾀﾌｧｲﾙ削除: the settings without the year, then its files removed
};

struct PendingSave {
    std::string year;
    SaveKind kind = SaveKind::rebuild;
};

// "Tevardin_<year>.SAV".
std::string save_marker_name(const std::string& year);

// Writes the marker of `year` saying `kind`, durably, before the save touches any file.
Status begin_save(const std::filesystem::path& dir, const std::string& year, SaveKind kind);

// Removes the marker of `year` durably, once every file of the save is in place.
Status end_save(const std::filesystem::path& dir, const std::string& year);

// The marker of `year`, when one is in `dir` (a marker that cannot be read counts as a rebuild,
// the one mending that never loses a game).
std::optional<PendingSave> pending_save(const std::filesystem::path& dir, const std::string& year);

// Every marker in `dir`, by year.
std::vector<PendingSave> pending_saves(const std::filesystem::path& dir);

}  // namespace tev
