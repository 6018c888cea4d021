// Where the manual (TEVARDIN.HLP, an HTML page) explains each thing a user can reach: one section
// for every menu item and button of the main window, for each window that opens over it, and for
// the places of the main window that no one control stands for. The help opens at these
// sections, and a test holds the manual to every one of them.
#pragma once

#include <string_view>
#include <vector>

namespace tev::ui {

// The manual's file name in the data folder.
inline constexpr std::string_view kHelpFile = "TEVARDIN.HLP";

// Keys of a topic: a control of the main window by its name ("mnurace", "Command9"), another
// window as "window:" and its name ("window:clubs"), a place of the main window as "place:" and a
// word ("place:game_view").
inline constexpr std::string_view kWindowKey = "window:";
inline constexpr std::string_view kPlaceKey = "place:";

struct HelpTopic {
    std::string_view key;
    std::string_view anchor;  // the section: <a name="..."> in the manual
};

// Every topic, in the order of the main window's menus and controls.
const std::vector<HelpTopic>& help_topics();

// The section on `key`; empty when the manual has none, so that the help opens at its contents.
std::string_view help_anchor(std::string_view key);

}  // namespace tev::ui
