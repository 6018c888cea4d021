// A data folder with a season on disk, and the main window started on it with scripted services.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>

#include "core/store/season.h"
#include "season_gen.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"

namespace tev::test {

// The base of every window-model fixture: a data folder, the season written into it, the main
// window started on it with `ServicesT` (scripted answers and a record of what was shown), and
// the clicks a user makes.
template <class ServicesT = ui::ScriptedServices>
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() : season(std::make_unique<Season>()) {}

    // Writes the season built so far (files, history, settings) into the data folder.
    void write_season() { ASSERT_TRUE(gen::write_generated(dir.path(), *season).ok()); }

    // Writes the season and starts the program on it; returns what start() returned.
    bool start() {
        write_season();
        return start_only();
    }

    bool start_only() {
        window = std::make_unique<ui::MainWindow>(dir.path(), services);
        return window->start();
    }

    void click(const std::string& name, int index = -1) { window->main().fire(name, index, ui::Event::click); }

    void click_line(const std::string& list, int line) {
        window->main().at(list).list_index = line - 1;
        click(list);
    }

    void keys(std::initializer_list<int> presses) {
        for (int k : presses) click("Command4", k);
    }

    ui::Control& at(const std::string& name, int index = -1) { return window->main().at(name, index); }
    const Text& text(const std::string& name, int index = -1) { return at(name, index).text; }
    bool exists(const std::string& name) { return std::filesystem::exists(dir / name); }

    TempDir dir;
    std::unique_ptr<Season> season;
    ServicesT services;
    std::unique_ptr<ui::MainWindow> window;
};

// The fixture of most window tests, with the clicks that type a game in.
class WindowTest : public WindowFixture<> {
protected:
    // A pitcher typed through the keyboard row of the box's pick list.
    void pick_pitcher(const std::string& box, const char32_t* name) {
        services.inputs.push_back(name);
        click(box);
        click_line("List1", static_cast<int>(at("List1").lines.size()) - 1);  // keyboard row
    }

    // Everything but the clubs, meeting and pitchers for a 3-1 game on 1 April.
    void compose_three_one() {
        click("Text7");
        keys({3});
        click("Text8");
        keys({1});
        click("Text6", 0);
        keys({0, 0, 1, 0, 0, 0, 2, 0, 0});
        click("Text15", 0);
        keys({0, 1, 0, 0, 0, 0, 0, 0, 32});
        click("Text5");
        keys({3, 2, 0, 0, 0});
        click("Text18");
        click("Command2", 4);
        click("Text19");
        keys({1});
    }

    // Meeting 8 of 巨人 at 阪神, 3-1 on 1 April, typed in and filed as a user would.
    void file_three_one() {
        click("mnudat_in");
        click("Option3", 0);
        click("Option1", 0);
        click("Option2", 3);
        keys({8});
        compose_three_one();
        pick_pitcher("Text2", U"桑田");
        pick_pitcher("Text3", U"川尻");
        click("Command1");
    }

};

}  // namespace tev::test
