// A window of the model: its caption, visibility, controls in creation order and the handlers
// that run when the user acts on a control. The view and the driver act only through `fire`.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tev::ui {

// `close`: the window's frame close button (fired on kFormName).
enum class Event { click, mouse_down, mouse_move, change, close };

using Handler = std::function<void(int index)>;

// A handler that takes the event only in some modes: true when it took it. Several subsystems
// share the input panel's controls (the keypad steps an as-of day, types a game or picks a
// meeting), each claiming the event in its own mode.
using Claim = std::function<bool(int index)>;

// The name under which the window's own events (mouse movement over its background) are fired.
inline const std::string kFormName = "Form";

// One line of a window's drawing, in the window's own units; the colour is 0xRRGGBB.
struct LineSegment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = 0;
    int width = 1;

    friend bool operator==(const LineSegment&, const LineSegment&) = default;
};

class Window {
public:
    explicit Window(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    Text caption;
    bool visible = false;
    // Size and position in twips (the layout check sets them; the view may follow them).
    int width = 0, height = 0, left = 0, top = 0;
    double scale = 1.0;  // control positions are multiplied by this on small screens
    // What is drawn on the window itself, in drawing order (the graph window), and the height
    // of its drawing area in the drawing's own vertical units (0: the window draws nothing).
    std::vector<LineSegment> drawing;
    int scale_height = 0;

    // Adds a control; controls keep their creation order.
    Control& add(Control control);

    // The control `name` (`index` for an array element). Throws std::out_of_range when there is
    // no such control: asking for one that does not exist is a programming error.
    Control& at(const std::string& name, int index = -1);
    const Control& at(const std::string& name, int index = -1) const;

    // The control, or nullptr when there is none.
    Control* find(const std::string& name, int index = -1);
    const Control* find(const std::string& name, int index = -1) const;

    // Every element of the control array `name`, in index order (the single control when it
    // is not an array).
    std::vector<Control*> array(const std::string& name);

    std::vector<std::unique_ptr<Control>>& controls() { return controls_; }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Registers the handler of `event` on every element of `name`: it takes the event whenever
    // no claim registered before it took it.
    void on(const std::string& name, Event event, Handler handler);

    // Adds a claim on `event` of `name`, asked after the claims and handlers registered before it.
    void claim(const std::string& name, Event event, Claim claim);

    // True when `name` has a handler or a claim for `event`.
    bool handles(const std::string& name, Event event) const;

    // Whether the user can act on the control now: it and every menu or frame holding it are
    // enabled and visible.
    bool usable(const Control& control) const;

    // Runs the claims of `event` on the control in order until one takes it, as the user's action
    // would: nothing happens when the control is not usable or has no claim. Returns whether the
    // control has claims (whether or not one took the event).
    bool fire(const std::string& name, int index, Event event);

    // Runs `after` whenever a handler of this window has run, so that state derived from what
    // the handler left (the share menu items' enabled state) follows every action.
    void after_event(std::function<void()> after) { after_event_ = std::move(after); }

private:
    std::string name_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::string, Control*> by_key_;
    std::map<std::pair<std::string, Event>, std::vector<Claim>> claims_;
    std::function<void()> after_event_;
};

}  // namespace tev::ui
