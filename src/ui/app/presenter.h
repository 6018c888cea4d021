// The base of every subsystem's presenter: built from one Context (the windows, the services,
// the season document, the modes, the report panes and the input panel, the hooks), it binds its
// own handlers by control name and keeps only its own state. What two presenters share lives in
// the document or the modes; what one tells the others goes through the hooks, which the base
// answers with nothing.
#pragma once

#include <string>
#include <vector>

#include "ui/app/hooks.h"
#include "ui/app/input_panel.h"
#include "ui/app/modes.h"
#include "ui/app/pane_host.h"
#include "ui/app/season_document.h"
#include "ui/app/windows.h"
#include "ui/shell/services.h"

namespace tev::ui {

struct Context {
    Windows& windows;
    Services& services;
    SeasonDocument& document;
    Modes& modes;
    PaneHost& panes;
    InputPanel& panel;
    Hooks& hooks;
};

class Presenter {
public:
    explicit Presenter(const Context& context)
        : main_(context.windows.main),
          services_(context.services),
          document_(context.document),
          modes_(context.modes),
          panes_(context.panes),
          panel_(context.panel),
          hooks_(context.hooks) {}
    virtual ~Presenter() = default;
    Presenter(const Presenter&) = delete;
    Presenter& operator=(const Presenter&) = delete;

    // Registers the presenter's handlers (and builds the windows it alone owns).
    virtual void bind() = 0;

    virtual void on_club_names_changed() {}
    virtual void on_games_changed() {}
    virtual void on_year_created() {}
    virtual void on_views_closed() {}
    virtual void on_record_list_switched() {}
    virtual void on_season_opened() {}

protected:
    Season& season() { return document_.season(); }
    const Season& season() const { return document_.season(); }
    void status(const Text& text) { panes_.status(text); }
    void pump() { panes_.pump(); }
    void hide_year_list() { panes_.hide_year_list(); }
    void select_option(const std::string& name, int index) { panel_.select_option(name, index); }
    // Registers `handler` for clicks on `name` of the main window.
    template <class Handler>
    void on_click(const std::string& name, Handler handler) {
        main_.on(name, Event::click, handler);
    }

    // While `view` owns the report pane, the keypad (not during a rebuild) and the month buttons
    // step the as-of day, and `redraw` shows the report of the new day.
    template <class Redraw>
    void claim_as_of_calendar(PaneReport view, Redraw redraw) {
        main_.claim("Command4", Event::click, [this, view, redraw](int key) {
            if (modes_.rebuilding || modes_.pane != view) return false;
            if (panes_.step_as_of(key, 0)) redraw();
            return true;
        });
        main_.claim("Command2", Event::click, [this, view, redraw](int month) {
            if (modes_.pane != view) return false;
            hide_year_list();
            if (panes_.step_as_of(-1, month)) redraw();
            return true;
        });
    }

    Window& main_;
    Services& services_;
    SeasonDocument& document_;
    Modes& modes_;
    PaneHost& panes_;
    InputPanel& panel_;
    Hooks& hooks_;
};

}  // namespace tev::ui
