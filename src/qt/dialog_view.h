// The small windows of the model: the notice shown while the season loads and the dialog
// window (version box, year-file search) and the club-name window. Each shows its labels (and
// a list, in fixed-width type) above a row of its buttons.
#pragma once

#include <QDialog>
#include <functional>

#include "qt/window_binder.h"

namespace tev::qt {

class SmallWindowView : public QDialog {
    Q_OBJECT

  public:
    // `after_event` runs after each forwarded click (see WindowBinder).
    SmallWindowView(ui::Window& window, std::function<void()> after_event,
                    QWidget* parent = nullptr);

    WindowBinder& binder() { return *binder_; }

    // Copies the window's caption and controls into the widgets.
    void sync();

  protected:
    // Escape or the frame's close button: the window's only way out is its button, so they
    // act as that button (a window without one closes only when the model says so).
    void reject() override;

  private:
    ui::Window& window_;
    WindowBinder* binder_;
};

}  // namespace tev::qt
