#include "support/save_sessions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "season_gen.h"
#include "support/season_builder.h"

namespace tev::test {

void click(ui::MainWindow& w, const std::string& name, int index) { w.main().fire(name, index, ui::Event::click); }

void click_line(ui::MainWindow& w, const std::string& list, int line) {
    w.main().at(list).list_index = line - 1;
    click(w, list);
}

void click_item(ui::MainWindow& w, const std::string& list, const Text& item) {
    const auto& lines = w.main().at(list).lines;
    const auto found = std::find(lines.begin(), lines.end(), item);
    ASSERT_NE(found, lines.end()) << to_utf8(item);
    click_line(w, list, static_cast<int>(found - lines.begin()) + 1);
}

void file_a_game(ui::MainWindow& w, ui::ScriptedServices& s, const GamePlace& place) {
    const auto keys = [&](std::initializer_list<int> presses) {
        for (int k : presses) click(w, "Command4", k);
    };
    if (!w.modes().entering) click(w, "mnudat_in");
    click(w, "Option3", place.league_choice);
    click(w, place.visitors_frame, place.visitors);
    click(w, place.home_frame, place.home);
    keys({place.meeting});
    click(w, "Text7");
    keys({3});
    click(w, "Text8");
    keys({1});
    click(w, "Text6", 0);
    keys({0, 0, 1, 0, 0, 0, 2, 0, 0});
    click(w, "Text15", 0);
    keys({0, 1, 0, 0, 0, 0, 0, 0, 32});
    click(w, "Text5");
    keys({3, 2, 0, 0, 0});
    click(w, "Text18");
    click(w, "Command2", 4);
    click(w, "Text19");
    keys({1});
    for (auto [box, name] : {std::pair{"Text2", U"桑田"}, std::pair{"Text3", U"川尻"}}) {
        s.inputs.push_back(name);
        click(w, box);
        click_line(w, "List1", static_cast<int>(w.main().at("List1").lines.size()) - 1);
    }
    click(w, "Command1");
    ASSERT_TRUE(w.document().games_unsaved());
}

void commit_a_game(ui::MainWindow& w, ui::ScriptedServices& s) {
    file_a_game(w, s, GamePlace{});
    end_entry(w, s);
}

void end_entry(ui::MainWindow& w, ui::ScriptedServices&) { click(w, "Command12"); }

void delete_the_shown_game(ui::MainWindow& w, ui::ScriptedServices& s) {
    s.answers = {true};
    click(w, "mnudat_del");
}

void undo_last_change(ui::MainWindow& w, ui::ScriptedServices&) { click(w, "mnuundo"); }

void create_1998(ui::MainWindow& w, ui::ScriptedServices&) {
    click(w, "mnuNewFileItem");
    click_item(w, "List3", U" 1998");
}

void delete_1997(ui::MainWindow& w, ui::ScriptedServices& s) {
    s.answers = {true};
    click(w, "mnudatfile_del");
    click_item(w, "List3", U"1997");
}

void read_year(ui::MainWindow& w, const Text& year) {
    click(w, "mnuNewDatReadItem");
    click_item(w, "List3", year);
}

void write_two_years(const std::filesystem::path& dir) {
    auto other = std::make_unique<Season>();
    other->disp_year = "1997";
    add_game(*other, {.first = 3, .second = 5, .meet = 2, .first_runs = 6, .second_runs = 5});
    ASSERT_TRUE(gen::write_generated(dir, *other).ok());
    auto season = std::make_unique<Season>();
    add_game(*season, {.first = 1, .second = 4, .meet = 7, .first_runs = 4, .second_runs = 2, .month = 5, .day = 2,
                       .first_pitcher = U"斎藤", .second_pitcher = U"藪"});
    add_game(*season, {.first = 9, .second = 12, .meet = 1, .first_runs = 1, .second_runs = 3});
    season->game_at(1, 4, 7) += U" 1松井" + Text(8, U'\u3000') + U" 4藪" + Text(9, U'\u3000');
    ASSERT_TRUE(gen::write_generated(dir, *season).ok());
}

}  // namespace tev::test
