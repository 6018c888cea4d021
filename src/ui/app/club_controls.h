// The controls of the main window that carry a club's name in their caption: the club items of
// the home-run and pitcher menus and the club option buttons of the input panel, in team order.
// The shell copies the season's names (core/store/club_names.h) into them whenever the season or
// its names change; the pitcher and home-run presenters bind the menu items.
#pragma once

#include <array>

namespace tev::ui {

// The home-run menu's club items, team 1..12.
inline constexpr std::array<const char*, 12> kHomerunClubItems = {
    "h_giant", "h_yakuruto", "h_yokohama", "h_hanshin", "h_hiroshima", "h_cyunichi",
    "h_oriku", "h_seibu",    "h_kintetu",  "h_hamu",    "h_rotte",     "h_daie"};

// The pitcher menu's club items, team 1..12.
inline constexpr std::array<const char*, 12> kPitcherClubItems = {
    "mnugiant", "mnuyakuruto", "mnuyokohama", "mnuhanshin", "mnuhiroshima", "mnucyunichi",
    "mnuoricsu", "mnuseibu",   "mnukintetu",  "mnuhamu",    "mnurotte",     "mnudaiei"};

// The option-button arrays of the input panel's four club frames: Central first and second
// batting, Pacific first and second batting.
inline constexpr std::array<const char*, 4> kClubOptionArrays = {"Option1", "Option2", "Option4", "Option5"};

}  // namespace tev::ui
