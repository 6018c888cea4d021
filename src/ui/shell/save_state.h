// The save in progress of the main window: which year's marker is on the disk and whether a
// write of this save has failed. After a failure the rest of the save writes nothing (the user
// has been told once) and the marker stays, so that the next start mends the folder.
#pragma once

#include <string>

namespace tev::ui {

struct SaveState {
    bool open = false;    // a save has begun and not ended
    bool failed = false;  // a write of this save failed (or its marker could not be written)
    std::string year;
};

}  // namespace tev::ui
