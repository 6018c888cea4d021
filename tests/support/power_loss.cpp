#include "support/power_loss.h"

#include <stdexcept>

namespace tev::test {

PowerLossDisk::PowerLossDisk(const FolderImage& durable) {
    for (const auto& [name, bytes] : durable) {
        entries_[name] = files_.size();
        files_.push_back(File{bytes, bytes, false});
    }
    durable_entries_ = entries_;
}

void PowerLossDisk::change(Entries& entries, const EntryChange& c) {
    switch (c.kind) {
        case FileStep::Kind::write: entries[c.name] = c.file; return;
        case FileStep::Kind::rename: {
            const auto from = entries.find(c.name);
            if (from == entries.end()) return;  // its creation was lost: nothing to rename
            entries[c.target] = from->second;
            entries.erase(c.name);
            return;
        }
        case FileStep::Kind::remove: entries.erase(c.name); return;
        default: return;
    }
}

void PowerLossDisk::apply(const FileStep& step) {
    const std::string name = step.path.filename().string();
    switch (step.kind) {
        case FileStep::Kind::write: {
            const auto found = entries_.find(name);
            if (found != entries_.end()) {
                File& file = files_[found->second];
                file.written = step.bytes;
                file.dirty = true;
                return;
            }
            const EntryChange created{FileStep::Kind::write, name, {}, files_.size()};
            files_.push_back(File{{}, step.bytes, true});
            change(entries_, created);
            pending_.push_back(created);
            return;
        }
        case FileStep::Kind::sync: {
            const auto found = entries_.find(name);
            if (found == entries_.end()) throw std::logic_error("fsync of a file not there: " + name);
            File& file = files_[found->second];
            file.durable = file.written;
            file.dirty = false;
            return;
        }
        case FileStep::Kind::rename:
        case FileStep::Kind::remove: {
            const EntryChange c{step.kind, name, step.target.filename().string(), 0};
            if (!entries_.count(name)) throw std::logic_error("no such file to change: " + name);
            change(entries_, c);
            pending_.push_back(c);
            return;
        }
        case FileStep::Kind::sync_folder:
            durable_entries_ = entries_;
            pending_.clear();
            return;
    }
}

std::string PowerLossDisk::bytes_after_cut(const File& file, UnsyncedBytes bytes, std::mt19937& random) const {
    if (!file.dirty) return file.written;
    switch (bytes) {
        case UnsyncedBytes::dropped: return file.durable;
        case UnsyncedBytes::kept: return file.written;
        case UnsyncedBytes::cut: {
            std::uniform_int_distribution<std::size_t> length(0, file.written.size());
            return file.written.substr(0, length(random));
        }
    }
    return file.written;
}

FolderImage PowerLossDisk::after_cut(std::size_t entries_kept, UnsyncedBytes bytes, std::mt19937& random) const {
    Entries entries = durable_entries_;
    for (std::size_t i = 0; i < entries_kept && i < pending_.size(); ++i) change(entries, pending_[i]);
    FolderImage image;
    for (const auto& [name, file] : entries) image[name] = bytes_after_cut(files_[file], bytes, random);
    return image;
}

FolderImage PowerLossDisk::as_seen() const {
    FolderImage image;
    for (const auto& [name, file] : entries_) image[name] = files_[file].written;
    return image;
}

}  // namespace tev::test
