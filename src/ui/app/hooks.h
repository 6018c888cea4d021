// What one subsystem tells the others, without reaching their state: the season's club names
// changed, its games changed (the game view shows the first stored game again), a new year was
// created (entry opens at once), a season was opened, the reports were closed with 窓消去, the pitcher or the home-run
// list took the report pane from the other (the other forgets its view); and one request: save the
// games filed and not yet saved. The main window passes each
// to every presenter, in the order it built them.
#pragma once

namespace tev::ui {

class Hooks {
public:
    virtual ~Hooks() = default;
    virtual void club_names_changed() = 0;
    virtual void games_changed() = 0;
    virtual void year_created() = 0;
    virtual void views_closed() = 0;
    virtual void record_list_switched() = 0;
    // A season was opened (the start, ﾃﾞｰﾀ読込) and its window is ready for the user.
    virtual void season_opened() = 0;
    // Saves the games filed and not yet saved, as 入力終了 would (asked before they would be lost).
    virtual void save_pending_games() = 0;
};

}  // namespace tev::ui
