// The windows of the program: the main window, the notice shown while the season loads, the
// shared dialog (version box and year-file search), the history graph, the past-years summary and
// the club-names dialog. The view and the driver reach them by name.
#pragma once

#include <string>
#include <vector>

#include "ui/window.h"

namespace tev::ui {

struct Windows {
    Window main{"main"}, notice{"notice"}, dialog{"dialog"}, graph{"graph"}, summary{"summary"}, clubs{"clubs"};

    std::vector<Window*> all() { return {&main, &notice, &dialog, &graph, &summary, &clubs}; }

    // The window named `name`, or nullptr.
    Window* find(const std::string& name) {
        for (Window* w : all())
            if (w->name() == name) return w;
        return nullptr;
    }
};

}  // namespace tev::ui
