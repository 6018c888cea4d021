#include "qt/keypad_typing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "qt/window_binder.h"

namespace tev::qt {

namespace {

constexpr int kXKey = 32;  // the keypad's "X" button

}  // namespace

KeypadTyping::KeypadTyping(QWidget* form_window, WindowBinder& binder)
    : QObject(form_window), form_window_(form_window), binder_(binder) {
    wait_.setSingleShot(true);
    wait_.setInterval(kSecondDigitMs);
    connect(&wait_, &QTimer::timeout, this, &KeypadTyping::flush);
    qApp->installEventFilter(this);
}

bool KeypadTyping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != form_window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) {
        digit(key->key() - Qt::Key_0);
        return true;
    }
    if (key->key() == Qt::Key_X) {
        flush();
        press(kXKey);
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        flush();
        binder_.forward("Command1", -1, ui::Event::click);  // does nothing unless Return is usable
        return true;
    }
    flush();
    return false;
}

void KeypadTyping::digit(int d) {
    // Two digits that make no key are two presses: "3" "2" presses 3, then waits on 2.
    if (pending_ >= 0 && pending_ * 10 + d > kXKey - 1) flush();
    pending_ = pending_ < 0 ? d : pending_ * 10 + d;
    // A further digit could only give a number beyond the keypad: press now.
    if (pending_ * 10 > kXKey - 1 || pending_ == 0) {
        flush();
        return;
    }
    wait_.start();
}

void KeypadTyping::flush() {
    wait_.stop();
    if (pending_ >= 0) press(pending_);
    pending_ = -1;
}

void KeypadTyping::press(int key) { binder_.forward("Command4", key, ui::Event::click); }

}  // namespace tev::qt
