#include "ui/main_window.h"

namespace tev::ui {

MainWindow::MainWindow(std::filesystem::path dir, Services& services)
    : dir_(std::move(dir)), services_(services), season_(std::make_unique<Season>()) {
    build_main_window();
    build_other_windows();
    bind_handlers();
}

MainWindow::~MainWindow() = default;

Window* MainWindow::window(const std::string& name) {
    for (Window* w : windows())
        if (w->name() == name) return w;
    return nullptr;
}

void MainWindow::status(const Text& text) { main_.at("Text1").text = text; }

void MainWindow::pump() { services_.process_events(main_.at("Text1").text); }

void MainWindow::set_colors(const std::vector<std::string>& names, Color color) {
    for (const std::string& name : names)
        for (Control* c : main_.array(name)) c->back_color = color;
}

void MainWindow::bind_handlers() {
    const auto click = [this](const std::string& name, auto handler) { main_.on(name, Event::click, handler); };
    click("mnuEndPrgItem", [this](int) { mnuEndPrgItem_Click(); });
    click("mnuHowUseItem", [this](int) { mnuHowUseItem_Click(); });
    click("mnuVerItem", [this](int) { mnuVerItem_Click(); });
    click("Option3", [this](int i) { Option3_Click(i); });
    for (const char* name : {"Option1", "Option2", "Option4", "Option5"})
        click(name, [this, name](int i) { team_option_click(name, i); });
    click("Command4", [this](int i) { Command4_Click(i); });
    click("Command2", [this](int i) { Command2_Click(i); });
    click("Command3", [this](int) { Command3_Click(); });
    click("Command11", [this](int) { Command11_Click(); });
    click("Command9", [this](int) { Command9_Click(); });
    click("Command7", [this](int) { Command7_Click(); });
    click("List2", [this](int) { List2_Click(); });
    click("List4", [this](int) { List4_Click(main_.at("List4").list_index + 1); });
    for (const char* box : {"Text2", "Text3", "Text16"})
        main_.on(box, Event::mouse_move, [this, box](int) { pitcher_tooltip(box); });
    for (const char* box : {"Text9", "Text10"})
        main_.on(box, Event::mouse_move, [this, box](int) { team_tooltip(box); });
    click("mnudat_in", [this](int) { mnudat_in_Click(); });
    click("Command10", [this](int) { Command10_Click(); });
    click("Command13", [this](int) { Command13_Click(); });
    click("Command15", [this](int) { Command15_Click(); });
    click("Command5", [this](int) { Command5_Click(); });
    click("Command14", [this](int) { Command14_Click(); });
    click("Command17", [this](int) { Command17_Click(); });
    click("Command6", [this](int) { Command6_Click(); });
    click("Command16", [this](int) { Command16_Click(); });
    click("mnukaiten", [this](int) { mnukaiten_Click(); });
    for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11",
                            "Text15", "Text16", "Text18", "Text19", "Label1", "Label3"})
        click(box, [this, box](int i) { entry_box_click(box, i); });
    click("Command1", [this](int) { Command1_Click(); });
    main_.on("Command12", Event::mouse_down, [this](int) { Command12_MouseDown(); });
    click("Command12", [this](int) { Command12_Click(); });
    click("List1", [this](int) { List1_Click(); });
    main_.on(kFormName, Event::mouse_move, [this](int) { Form_MouseMove(); });
    dialog_.on("Command1", Event::click, [this](int) { dialog_Command1_Click(); });
    bind_homerun_entry();
    bind_pitchers();
    bind_homeruns();
    bind_history();
    bind_years();
    bind_club_dialog();
    bind_topics();
    bind_share();
    bind_race();
}

}  // namespace tev::ui
