#include "ui/app/input_panel.h"

namespace tev::ui {

void InputPanel::select_option(const std::string& name, int index) {
    for (Control* c : main_.array(name)) c->value = c->index == index;
}

void InputPanel::set_colors(const std::vector<std::string>& names, Color color) {
    for (const std::string& name : names)
        for (Control* c : main_.array(name)) c->back_color = color;
}

void InputPanel::set_team_buttons(int league) {
    const bool both = league == kInterleagueChoice;
    for (const char* name : {"Option1", "Option2"})
        for (Control* c : main_.array(name)) c->enabled = league == 1 || both;
    for (const char* name : {"Option4", "Option5"})
        for (Control* c : main_.array(name)) c->enabled = league == 2 || both;
}

void InputPanel::set_interleague_team_buttons(int first, int second) {
    const auto enable = [&](const char* name, bool usable) {
        for (Control* c : main_.array(name)) c->enabled = usable;
    };
    enable("Option1", second == 0 || second > 6);
    enable("Option4", second <= 6);
    enable("Option2", first == 0 || first > 6);
    enable("Option5", first <= 6);
}

void InputPanel::enable_league_buttons() {
    for (Control* c : main_.array("Option3")) c->enabled = c->visible;
}

void InputPanel::offer_interleague(bool offered) {
    Control& choice = main_.at("Option3", kInterleagueChoice - 1);
    choice.visible = offered;
    choice.enabled = offered && main_.at("Option3", 0).enabled;
    if (!offered) choice.value = false;
}

void InputPanel::disable_team_choice() {
    for (const char* name : {"Option1", "Option2", "Option4", "Option5", "Option3"})
        for (Control* c : main_.array(name)) c->enabled = false;
}

void InputPanel::clear_boxes() {
    for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12",
                            "Text13", "Text14", "Text16", "Text17", "Text18", "Text19", "Text20"})
        main_.at(box).text.clear();
    for (const char* array : {"Text6", "Text15"})
        for (Control* c : main_.array(array)) c->text.clear();
    for (const char* name : {"Option1", "Option2", "Option4", "Option5"})
        for (Control* c : main_.array(name)) {
            c->value = false;
            c->enabled = false;
        }
    select_option("Option3", -1);
}

}  // namespace tev::ui
