// The keyboard does what the mouse does on the input panel: digits typed press the keypad key of
// the number typed (two digits typed in quick succession press one key, 12 for "1" "2"), "X"
// presses the X key, and Enter presses "Return". The model decides what each press means.
#pragma once

#include <QObject>
#include <QTimer>

namespace tev::qt {

class WindowBinder;

class KeypadTyping : public QObject {
    Q_OBJECT

  public:
    // Watches the key presses of `form_window` and its children.
    KeypadTyping(QWidget* form_window, WindowBinder& binder);

    // How long a first digit waits for a second one.
    static constexpr int kSecondDigitMs = 700;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void digit(int d);
    void flush();
    void press(int key);

    QWidget* form_window_;
    WindowBinder& binder_;
    QTimer wait_;
    int pending_ = -1;
};

}  // namespace tev::qt
