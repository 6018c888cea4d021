// Offscreen tests of the help window: it opens the shipped manual at its contents or at a section,
// Escape closes it, and F1 opens it at the section of what is on screen, over the main window and
// over a modal window above it. Set TEVARDIN_SCREENSHOTS to a folder to keep a picture of it.
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "qt/form_view.h"
#include "qt/help_window.h"
#include "qt/look.h"
#include "qt/qt_services.h"
#include "qt_session.h"
#include "qt_support.h"
#include "season_gen.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace {

using tev::qt::FormView;
using tev::qt::HelpWindow;

const std::filesystem::path kManual = std::filesystem::path(TEVARDIN_SHIPPED_DATA) / "TEVARDIN.HLP";

// A started program on a generated season, the shipped manual in its data folder.
struct Session : tev::test::StartedProgram {
    Session() : StartedProgram({kManual}) {}

    void click(const char* name) {
        QTest::mouseClick(qobject_cast<QPushButton*>(view->binder().widget(name)), Qt::LeftButton);
    }
};

// Where the page puts the heading of the section `name`, in the scroll bar's units; -1 when the
// page has no such section.
int section_top(const HelpWindow& help, const QString& name) {
    const QTextDocument* page = help.document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return qRound(page->documentLayout()->blockBoundingRect(block).top());
    return -1;
}

// True when `help` shows the heading of `name` at its top (or the page's end, for a section too
// near it to come up to the top).
bool shows_section(const HelpWindow& help, const QString& name) {
    const QScrollBar* bar = help.verticalScrollBar();
    const int top = section_top(help, name);
    return top > 0 && bar->value() == std::min(top, bar->maximum());
}

using tev::test::on_next_modal;
using tev::test::save_picture;

}  // namespace

class HelpViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tev::qt::apply_application_look(*qApp); }

    void the_manual_opens_at_its_contents_or_at_a_section() {
        HelpWindow help;
        help.open(kManual, "");
        QVERIFY(help.isVisible());
        QVERIFY(help.toPlainText().contains(QStringLiteral("Tevardin ヘルプ　目次")));
        QCOMPARE(help.verticalScrollBar()->value(), 0);
        QVERIFY(help.width() <= 1366 && help.height() <= 768 - 60);  // beside a title bar and a panel
        save_picture(&help, "tevardin-help.png");
        help.open(kManual, "r_race");
        QCOMPARE(help.section(), QStringLiteral("r_race"));
        QVERIFY(shows_section(help, QStringLiteral("r_race")));
        help.open(kManual, "menu");
        QVERIFY(shows_section(help, QStringLiteral("menu")));
        // The menus' captions as the menus show them, full-width blanks and all.
        QVERIFY(help.toPlainText().contains(QStringLiteral("終　了(&X)")));
        save_picture(&help, "tevardin-help-menus.png");
        help.open(kManual, "");
        QCOMPARE(help.verticalScrollBar()->value(), 0);
    }

    void escape_closes_the_help() {
        HelpWindow help;
        help.open(kManual, "y_clubs");
        QVERIFY(help.isVisible());
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }

    void a_link_leads_to_its_section() {
        HelpWindow help;
        help.open(kManual, "");
        help.setSource(QUrl(QStringLiteral("#share")));
        QVERIFY(shows_section(help, QStringLiteral("share")));
        QVERIFY(help.toPlainText().contains(QStringLiteral("Tevardin ヘルプ　目次")));  // still the manual
    }

    void f1_opens_the_section_of_the_report_on_display_and_leaves_it_shown() {
        Session s;
        s.click("Command11");
        s.click("Command9");
        QVERIFY(s.view->binder().widget("List4")->isVisible());
        QApplication::setActiveWindow(s.view.get());
        QVERIFY(QTest::qWaitForWindowActive(s.view.get()));
        QTest::keyClick(s.view.get(), Qt::Key_F1);
        HelpWindow* help = s.services->help_window();
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(help->section(), QStringLiteral("r_seiseki"));
        QVERIFY(shows_section(*help, QStringLiteral("r_seiseki")));
        QVERIFY(s.view->binder().widget("List4")->isVisible());
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        // The menu item shows its key.
        QCOMPARE(s.view->binder().action("mnuHelpHereItem")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void f1_over_the_club_names_window_opens_its_section_above_it() {
        Session s;
        QString section;
        bool help_on_top = false, dialog_back = false;
        on_next_modal([&](QWidget* clubs) {
            QApplication::setActiveWindow(clubs);
            QVERIFY(QTest::qWaitForWindowActive(clubs));
            QTest::keyClick(clubs, Qt::Key_F1);
            HelpWindow* help = s.services->help_window();
            QVERIFY(help != nullptr && help->isVisible());
            section = help->section();
            // Usable over the modal window, not behind it.
            help_on_top = QApplication::activeModalWidget() == help;
            QTest::keyClick(help, Qt::Key_Escape);
            dialog_back = !help->isVisible() && QApplication::activeModalWidget() == clubs;
            QTest::keyClick(clubs, Qt::Key_Escape);
        });
        s.view->binder().action("mnuclub_names")->trigger();
        QCOMPARE(section, QStringLiteral("y_clubs"));
        QVERIFY(help_on_top);
        QVERIFY(dialog_back);
        QVERIFY(!s.model->clubs().visible);
        // Asked for from the main window again, the help stays beside it.
        s.view->binder().action("mnuHowUseItem")->trigger();
        QCOMPARE(s.services->help_window()->windowModality(), Qt::NonModal);
        QCOMPARE(s.services->help_window()->section(), QString());
    }
};

QTEST_MAIN(HelpViewTest)
#include "help_view_test.moc"
