// Helpers the offscreen view tests share: acting on a modal window that a click opens, and
// keeping pictures of the windows when TEVARDIN_SCREENSHOTS names a folder.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace tev::test {

// Runs `act` on the next modal window that opens (polling, since it opens inside a click).
inline void on_next_modal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

// Saves a picture of `window` as `file` in the TEVARDIN_SCREENSHOTS folder, when it is set.
inline void save_picture(QWidget* window, const char* file) {
    const QByteArray folder = qgetenv("TEVARDIN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QVERIFY(window->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(file)));
}

}  // namespace tev::test
