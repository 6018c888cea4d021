// A data folder with a season on disk, and the main window started on it with scripted services.
#pragma once

#include <memory>

#include "core/store/season.h"
#include "season_gen.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"

namespace tev::test {

class WindowTest : public ::testing::Test {
protected:
    WindowTest() : season(std::make_unique<Season>()) {}

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

    ui::Control& at(const std::string& name, int index = -1) { return window->main().at(name, index); }
    const Text& text(const std::string& name, int index = -1) { return at(name, index).text; }

    TempDir dir;
    std::unique_ptr<Season> season;
    ui::ScriptedServices services;
    std::unique_ptr<ui::MainWindow> window;
};

}  // namespace tev::test
