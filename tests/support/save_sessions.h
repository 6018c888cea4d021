// A user's saves played through the window model, as the tests of interrupted saves and of
// power cuts replay them: each session ends with the save under test.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>

#include "core/text/text.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"

namespace tev::test {

using Play = std::function<void(ui::MainWindow&, ui::ScriptedServices&)>;

void click(ui::MainWindow& w, const std::string& name, int index = -1);
void click_line(ui::MainWindow& w, const std::string& list, int line);
void click_item(ui::MainWindow& w, const std::string& list, const Text& item);

// Where a game is filed: the league choice (0 セ, 1 パ, 2 交流戦), the visitors' and the home
// club's buttons ("Option1", 0 is 巨人's) and the meeting.
struct GamePlace {
    int league_choice = 0;
    std::string visitors_frame = "Option1";
    int visitors = 0;
    std::string home_frame = "Option2";
    int home = 3;
    int meeting = 8;
};

// A 3-1 game on 1 April at `place`, typed in and filed with Return (entry stays open).
void file_a_game(ui::MainWindow& w, ui::ScriptedServices& s, const GamePlace& place);
// Meeting 8 of 巨人 at 阪神 filed, then committed with 入力終了.
void commit_a_game(ui::MainWindow& w, ui::ScriptedServices& s);
void end_entry(ui::MainWindow& w, ui::ScriptedServices& s);
void delete_the_shown_game(ui::MainWindow& w, ui::ScriptedServices& s);
void undo_last_change(ui::MainWindow& w, ui::ScriptedServices& s);
void create_1998(ui::MainWindow& w, ui::ScriptedServices& s);
void delete_1997(ui::MainWindow& w, ui::ScriptedServices& s);
void read_year(ui::MainWindow& w, const Text& year);

// The folder the save tests start from: 1996 shown with three games (home runs in one), 1997
// registered beside it with one game.
void write_two_years(const std::filesystem::path& dir);

}  // namespace tev::test
