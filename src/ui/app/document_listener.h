// How the season document speaks while it rebuilds and saves: progress in the status line (with
// pending window events let run, or not) and messages the user must read. The pane host is the
// window's listener; the document never reaches a control or a dialog itself.
#pragma once

#include "core/text/text.h"

namespace tev::ui {

class DocumentListener {
public:
    virtual ~DocumentListener() = default;

    // Puts `status` in the status line and, when `let_events_run`, lets pending events run.
    virtual void progress(const Text& status, bool let_events_run) = 0;

    // Tells the user `message` and waits for them to read it.
    virtual void tell(const Text& message) = 0;
};

}  // namespace tev::ui
