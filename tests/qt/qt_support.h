// Helpers the offscreen view tests share: acting on a modal window that a click opens, and
// keeping pictures of the windows when TEVARDIN_SCREENSHOTS names a folder.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace tev::test {

// Closes the modal window `window` the way a user would, with Escape or the frame's close button,
// and hides it when that does not take: a modal loop ends when its window is hidden.
inline void close_modal(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
    else window->close();
    if (window->isVisible()) window->hide();
}

// Runs `act` on the next modal window that opens (polling, since it opens inside a click);
// `act` must answer the window (click its button, accept or reject it).
//
// A failed check inside `act` returns from `act` with the window still open, and the click that
// opened it would wait forever in the window's modal loop. So a window that `act` leaves open is
// closed here and the test fails (if a check has not failed it already), and for the rest of the
// test function every further modal window is closed as soon as it opens: the test ends at once,
// as a failure. Should windows keep opening anyway, the test program stops with a fatal error
// after some seconds rather than hang. The watch ends with the test function it was set in.
inline void on_next_modal(std::function<void(QWidget*)> act) {
    struct Watch {
        QByteArray test_function;
        bool acted = false;
        int closed_after_failure = 0;
    };
    auto watch = std::make_shared<Watch>();
    watch->test_function = QTest::currentTestFunction();
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, watch, act = std::move(act)] {
        const char* now = QTest::currentTestFunction();
        if (now == nullptr || watch->test_function != now) {  // the test function is over
            timer->stop();
            timer->deleteLater();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (!watch->acted) {
            watch->acted = true;
            timer->stop();  // `act` may wait for events itself
            const QPointer<QWidget> window(modal);
            act(modal);
            if (window != nullptr && window->isVisible()) {
                if (!QTest::currentTestFailed())
                    QTest::qFail("the modal window was left open", __FILE__, __LINE__);
                close_modal(window);
            }
            if (QTest::currentTestFailed()) timer->start();
            else timer->deleteLater();
            return;
        }
        // A check has failed: nothing of this test function may wait in a modal loop any more.
        close_modal(modal);
        if (++watch->closed_after_failure > 250)
            qFatal("a modal window is still open seconds after a failed check in %s",
                   watch->test_function.constData());
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
