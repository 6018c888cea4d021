// Every control of every window is data: the view draws it, the headless driver prints it, and
// the handlers change nothing but these fields (and the season).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/text/text.h"

namespace tev::ui {

enum class ControlKind { menu, separator, button, option, check, frame, text, label, list, scrollbar };

// Colours are 0xRRGGBB; kDefaultColor leaves the toolkit's own colour for the role.
using Color = std::uint32_t;
inline constexpr Color kDefaultColor = 0xFF000000;
inline constexpr Color kHighlight = 0xFFFF80;  // light yellow: the button can be used now
inline constexpr Color kRed = 0xFF0000;
inline constexpr Color kBlue = 0x0000FF;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kOrange = 0xFF8000;  // the captions of Pacific and both-league lists
inline constexpr Color kYellow = 0xFFFF00;

struct Control {
    ControlKind kind = ControlKind::button;
    std::string name;       // as the program names it: "Command4", "Text6", "mnudat_in"
    int index = -1;         // index within a control array, -1 for a single control
    std::string parent;     // the menu or frame that holds it ("" for the window itself)
    Text caption;           // buttons, options, frames, menus, labels' fixed texts
    Text text;              // text boxes and labels
    Color back_color = kDefaultColor;
    Color fore_color = kDefaultColor;
    bool enabled = true;
    bool visible = true;
    bool value = false;     // option selected / check box checked
    std::vector<Text> lines;  // list panes
    int list_index = -1;    // selected line of a list pane, 0-based, -1 for none
    int scroll_value = 0;   // scroll bars
    int scroll_min = 0, scroll_max = 0;
    int extra_height = 0;   // twips a pane is lengthened by beyond its designed height
    Text tooltip;
    bool focused = false;

    // "Command4(5)" for an array element, "Command9" otherwise.
    std::string key() const { return index < 0 ? name : name + "(" + std::to_string(index) + ")"; }
};

// A control of `kind` named `name` with its caption, its place in a control array (-1 for a single
// control) and the menu or frame that holds it ("" for the window itself).
inline Control make_control(ControlKind kind, std::string name, Text caption = Text(), int index = -1,
                            std::string parent = "") {
    Control c;
    c.kind = kind;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.index = index;
    c.parent = std::move(parent);
    return c;
}

// A small window's label or box whose text starts as its caption.
inline Control captioned_control(ControlKind kind, std::string name, Text caption = Text()) {
    Control c = make_control(kind, std::move(name), caption);
    c.text = std::move(caption);
    return c;
}

}  // namespace tev::ui
