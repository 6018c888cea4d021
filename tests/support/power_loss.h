// A folder as a power cut leaves it. The disk is told each change the file layer records
// (core/text/file_seam.h) and keeps two views: what the program sees, and what is durable —
// file bytes once fsynced, folder entries (creations, renames, removals) once the folder is
// fsynced. A cut keeps the durable view plus, in order, some of the entry changes not yet made
// durable (a journaling file system keeps a prefix of them), and treats every file's bytes not
// yet fsynced as dropped, kept whole or cut at a random length.
#pragma once

#include <cstddef>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/text/file_seam.h"

namespace tev::test {

// A folder's files by name with their bytes.
using FolderImage = std::map<std::string, std::string>;

enum class UnsyncedBytes { dropped, kept, cut };

class PowerLossDisk {
public:
    // The disk with `durable` on it, all of it durable.
    explicit PowerLossDisk(const FolderImage& durable);

    // One change of the file layer, in the order it was made (all in one folder).
    void apply(const FileStep& step);

    // How many entry changes a cut now could keep or lose.
    std::size_t entry_changes_not_durable() const { return pending_.size(); }

    // The folder after a cut now that keeps the first `entries_kept` entry changes not yet
    // durable, with unsynced bytes treated as `bytes` (`random` picks the length of a cut).
    FolderImage after_cut(std::size_t entries_kept, UnsyncedBytes bytes, std::mt19937& random) const;

    // The folder as the program sees it now (what a cut keeping everything leaves).
    FolderImage as_seen() const;

private:
    struct File {
        std::string durable;  // bytes on the disk
        std::string written;  // bytes the program wrote
        bool dirty = false;   // written since the last fsync
    };
    struct EntryChange {
        FileStep::Kind kind;  // write (a creation), rename or remove
        std::string name;
        std::string target;
        std::size_t file = 0;
    };
    using Entries = std::map<std::string, std::size_t>;  // name → file

    static void change(Entries& entries, const EntryChange& c);
    std::string bytes_after_cut(const File& file, UnsyncedBytes bytes, std::mt19937& random) const;

    std::vector<File> files_;
    Entries durable_entries_;
    Entries entries_;
    std::vector<EntryChange> pending_;
};

}  // namespace tev::test
