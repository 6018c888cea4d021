// The past-years summary window of the program: the model's labels beside its text boxes (the
// final standings; the leaders, scoring and champions; the notes below) and its 戻る button.
// Escape and the frame's close button close it as the model's close does.
#pragma once

#include <QDialog>
#include <functional>

#include "qt/window_binder.h"

namespace tev::qt {

class SummaryView : public QDialog {
    Q_OBJECT

  public:
    SummaryView(ui::Window& window, std::function<void()> after_event, QWidget* parent = nullptr);

    WindowBinder& binder() { return *binder_; }

    // Copies the window's caption and controls into the widgets.
    void sync();

  protected:
    void reject() override;

  private:
    ui::Window& window_;
    WindowBinder* binder_;
};

}  // namespace tev::qt
