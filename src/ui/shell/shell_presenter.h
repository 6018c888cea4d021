// The program's shell: its entry (the single-instance guard, the notice window and the load
// sequence), the layout check, the clock, the orderly end, the help and the version box, and the
// club names in every caption that shows one. The help opens at its contents (使い方) or at the
// section of what the user is looking at (この画面の使い方, F1).
#pragma once

#include <string_view>

#include "ui/app/presenter.h"
#include "ui/shell/pane_origin.h"

namespace tev::ui {

class ShellPresenter : public Presenter {
public:
    explicit ShellPresenter(const Context& context);

    void bind() override;
    void on_club_names_changed() override { show_club_names(); }

    // Program entry; false when the program ended itself (a second copy, or a fatal start-up
    // failure) after its message.
    bool start();
    // True once the program has ended (fatal failure, refused instance, or quit confirmed).
    bool ended() const { return ended_; }

    // A request to close the main window from its frame or the system (Form_QueryUnload).
    void Form_QueryUnload();
    // The room the screen leaves the window changed (the window system framed the window, a
    // task bar came or went): the layout shrinks or grows to fit it again.
    void screen_room_changed();
    // The clock (Timer1): every 200 ms.
    void Timer1_Timer();

private:
    void Form_Load();
    bool read_season();
    void fatal(const Text& message, const Error* error = nullptr);
    void check_layout();
    void fit_into_room(const ScreenMetrics& screen);
    void mnuEndPrgItem_Click();
    void mnuHowUseItem_Click();
    void mnuHelpHereItem_Click();
    void note_pane_choices();
    std::string_view help_key_here();
    std::string_view window_on_top_key() const;
    std::string_view main_window_key();
    void mnuVerItem_Click();
    void dialog_Command1_Click();
    void show_club_names();

    const Windows& windows_;
    Window& notice_;
    Window& dialog_;
    PaneOrigin pane_origin_;
    bool ended_ = false;
    double designed_scale_ = 1.0;  // 0.75 on a screen too small for the designed layout
    bool wide_window_ = false;     // a wide screen gets the wide window
};

}  // namespace tev::ui
