// The file layer's seam: every step of reading and writing a data file passes a named point,
// where a test can make the step fail with a system error (a full disk, a folder that cannot be
// written, a file that cannot be opened) or stop the process, to see what an interruption at
// that moment leaves behind. Without a seam installed every point lets the step go ahead.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace tev {

// The points, in the order a save passes them. The `before_` points come before a step and may
// fail it; the others come after a step has happened and can only stop the process.
enum class FilePoint {
    before_open_read,     // a data file is about to be opened for reading
    before_open_write,    // a temporary file is about to be created
    before_write,         // its bytes are about to be written
    half_written,         // half of its bytes are written (a torn write)
    flushed,              // all of its bytes are out of the program's hands
    synced,               // ... and on the disk (fsync)
    before_rename,        // it is about to replace the real file
    renamed,              // it has replaced the real file
    before_remove,        // a file is about to be removed
    removed,              // it has been removed
    folder_synced,        // the folder's entries are on the disk (fsync of the folder)
    before_make_folder,   // a folder (the instance lock's) is about to be created
};

// The point's name as tests print it ("flushed", "renamed", ...).
const char* point_name(FilePoint point);

// Called at every point with the file or folder concerned. A nonzero result at a `before_`
// point makes that step fail with that errno value; at the other points it is ignored.
using FileSeam = std::function<int(FilePoint, const std::filesystem::path&)>;

// Installs `seam` for the whole process (an empty function removes it). Tests only.
void set_file_seam(FileSeam seam);

// The seam's answer at `point` for `path`: 0 (go ahead) when no seam is installed.
int at_file_point(FilePoint point, const std::filesystem::path& path);

// One change the file layer made to a folder, as a power-loss simulation replays it: what the
// disk keeps of a change depends on which of them were made durable (`sync`, `sync_folder`).
struct FileStep {
    enum class Kind {
        write,        // `path` created or truncated and given `bytes` (not yet on the disk)
        sync,         // `path`'s bytes are on the disk (fsync)
        rename,       // `path` renamed over `target`
        remove,       // `path` unlinked
        sync_folder,  // the folder's entries (creations, renames, removals) are on the disk
    };
    Kind kind = Kind::write;
    std::filesystem::path path;
    std::filesystem::path target;
    std::string bytes;
};

// Installs `recorder` for the whole process (an empty function removes it); it is told every
// change the file layer makes, after the change. Tests only.
void set_file_recorder(std::function<void(const FileStep&)> recorder);

// True when a recorder is installed (so that the file layer copies bytes only then).
bool recording_file_steps();

// Tells the recorder, when there is one, of `step`.
void record_file_step(const FileStep& step);

}  // namespace tev
