// A data folder with a 1996 season and, when asked, further years beside it, and the main window
// started on it with services that also note, at each process-events call, the rebuild flag and
// the title label's colour (so that the order of a chain's steps can be checked).
#pragma once

#include <filesystem>
#include <memory>

#include "core/store/season_files.h"
#include "season_gen.h"
#include "ui/window_fixture.h"

namespace tev::test {

struct ProbeServices : ui::ScriptedServices {
    ui::MainWindow* window = nullptr;
    std::vector<int> busy;               // whether the tables were being rebuilt at each call
    std::vector<ui::Color> title_color;  // Label10's text colour at each call

    void process_events(const Text& status) override {
        ScriptedServices::process_events(status);
        if (window == nullptr) return;
        busy.push_back(window->modes().rebuilding);
        title_color.push_back(window->main().at("Label10").fore_color);
    }

    void forget() {
        statuses.clear();
        transcript.clear();
        busy.clear();
        title_color.clear();
    }
};

class YearsTest : public WindowFixture<ProbeServices> {
protected:
    // Writes the three season files of `other` for its year (no history, no home runs).
    void write_year(const Season& other) {
        ASSERT_TRUE(write_season_files(dir.path(), year_file_names(other.disp_year), other).ok());
    }

    // Starts the program on the season; the probe forgets what the start-up showed.
    bool start() {
        write_season();
        window = std::make_unique<ui::MainWindow>(dir.path(), services);
        services.window = window.get();
        const bool started = window->start();
        services.forget();
        return started;
    }

    // Clicks the year `year` ("1997" or " 1997") in the year list.
    void click_year(const Text& item) {
        const auto& lines = at("List3").lines;
        const auto found = std::find(lines.begin(), lines.end(), item);
        ASSERT_NE(found, lines.end()) << to_utf8(item);
        click_line("List3", static_cast<int>(found - lines.begin()) + 1);
    }
};

}  // namespace tev::test
