#include "core/text/file_seam.h"

#include <utility>

namespace tev {

namespace {

FileSeam& installed() {
    static FileSeam seam;
    return seam;
}

std::function<void(const FileStep&)>& recorder() {
    static std::function<void(const FileStep&)> installed_recorder;
    return installed_recorder;
}

}  // namespace

const char* point_name(FilePoint point) {
    switch (point) {
        case FilePoint::before_open_read: return "before_open_read";
        case FilePoint::before_open_write: return "before_open_write";
        case FilePoint::before_write: return "before_write";
        case FilePoint::half_written: return "half_written";
        case FilePoint::flushed: return "flushed";
        case FilePoint::synced: return "synced";
        case FilePoint::before_rename: return "before_rename";
        case FilePoint::renamed: return "renamed";
        case FilePoint::before_remove: return "before_remove";
        case FilePoint::removed: return "removed";
        case FilePoint::folder_synced: return "folder_synced";
        case FilePoint::before_make_folder: return "before_make_folder";
    }
    return "?";
}

void set_file_seam(FileSeam seam) { installed() = std::move(seam); }

int at_file_point(FilePoint point, const std::filesystem::path& path) {
    const FileSeam& seam = installed();
    return seam ? seam(point, path) : 0;
}

void set_file_recorder(std::function<void(const FileStep&)> recorder_to_install) {
    recorder() = std::move(recorder_to_install);
}

bool recording_file_steps() { return static_cast<bool>(recorder()); }

void record_file_step(const FileStep& step) {
    if (recorder()) recorder()(step);
}

}  // namespace tev
