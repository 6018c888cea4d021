// Offscreen tests of the graph and past-years summary windows of the program: the canvas paints
// the model's segments in their colours, the name boxes sit at the ends of the lines, the check
// boxes, scroll bar and frame close reach the model, and 戻る closes the summary. Set
// TEVARDIN_SCREENSHOTS to a folder to keep pictures of the windows.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/history/history_graph.h"
#include "qt/form_view.h"
#include "qt/graph_view.h"
#include "qt/look.h"
#include "qt/qt_services.h"
#include "qt/summary_view.h"
#include "qt_session.h"
#include "qt_support.h"
#include "season_gen.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

namespace {

using tev::qt::FormView;

struct Session : tev::test::StartedProgram {
    Session() : StartedProgram({std::filesystem::path(TEVARDIN_SHIPPED_DATA) / "record.dat"}) {}
};

using tev::test::on_next_modal;
using tev::test::save_picture;

}  // namespace

class HistoryViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tev::qt::apply_application_look(*qApp); }

    void the_rank_graph_paints_the_lines_and_puts_the_names_at_their_ends() {
        Session s;
        tev::qt::GraphView& graph = s.view->graph_view();
        bool checked = false;
        on_next_modal([&](QWidget* modal) {
            QVERIFY(modal == &graph);
            QCOMPARE(modal->windowTitle(), QStringLiteral("順位履歴グラフ"));
            save_picture(modal, "tevardin-rank-graph.png");
            // Each segment's middle is painted in its club's colour (the last one drawn there).
            const QImage picture = graph.canvas().grab().toImage();
            const auto& drawing = s.model->graph().drawing;
            QVERIFY(!drawing.empty());
            const tev::ui::LineSegment& last = drawing.back();
            const QPointF mid = graph.canvas().to_pixels((last.x1 + last.x2) / 2.0, (last.y1 + last.y2) / 2.0);
            const QColor painted = picture.pixelColor(mid.toPoint());
            QCOMPARE(painted.rgb() & 0xFFFFFF, last.color);
            // The box of place p is centred at the height of place p at the lines' right end.
            for (int place = 1; place <= 6; ++place) {
                auto* box = graph.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(place));
                QVERIFY(box != nullptr);
                QCOMPARE(box->text().toStdU32String(), s.model->graph().at("Text" + std::to_string(place)).text);
                const QPointF end = graph.canvas().to_pixels(8100, tev::graph_place_y(tev::GraphMode::rank, place));
                const int box_middle = box->geometry().center().y() - graph.canvas().geometry().top();
                QVERIFY2(std::abs(box_middle - end.y()) <= 2, "name box off its line's end");
                QVERIFY(box->geometry().left() >= graph.canvas().geometry().left() + static_cast<int>(end.x()));
            }
            // A check box click reaches the model: one club fewer is drawn.
            const std::size_t before = drawing.size();
            graph.findChild<QCheckBox*>(QStringLiteral("Check1(2)"))->click();
            QCOMPARE(s.model->graph().drawing.size(), before - 39);
            QVERIFY(!graph.findChild<QCheckBox*>(QStringLiteral("Check1(2)"))->isChecked());
            // The scroll bar moves the window through the season.
            auto* bar = graph.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
            QCOMPARE(bar->maximum(), 185);
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QTRY_COMPARE(s.model->graph().at("HScroll1").scroll_value, 2);
            QCOMPARE(graph.findChild<QLineEdit*>(QStringLiteral("Text7"))->text(), QStringLiteral("3/21"));
            // The league switch: Pacific names on the boxes, back to day 1.
            graph.findChild<QRadioButton*>(QStringLiteral("Option1(1)"))->click();
            QCOMPARE(graph.findChild<QCheckBox*>(QStringLiteral("Check1(0)"))->text(), QStringLiteral("ｵﾘｯｸｽ"));
            QCOMPARE(bar->value(), 1);
            save_picture(modal, "tevardin-rank-graph-pacific.png");
            checked = true;
            graph.close();  // as the frame's close button
        });
        s.view->binder().action("mnurank_make")->trigger();
        QVERIFY(checked);
        QVERIFY(!s.model->graph().visible);
        QVERIFY(!graph.isVisible());
    }

    void the_percentage_graph_ends_each_line_at_its_name() {
        Session s;
        tev::qt::GraphView& graph = s.view->graph_view();
        bool seen = false;
        on_next_modal([&](QWidget* modal) {
            QVERIFY(modal == &graph);
            QCOMPARE(modal->windowTitle(), QStringLiteral("勝率履歴グラフ"));
            auto* bar = graph.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
            bar->setSliderPosition(100);
            bar->triggerAction(QAbstractSlider::SliderMove);
            QTRY_COMPARE(s.model->graph().at("HScroll1").scroll_value, 100);
            save_picture(modal, "tevardin-percentage-graph.png");
            for (int place = 1; place <= 6; ++place) {
                auto* box = graph.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(place));
                const QPointF tail = graph.canvas().to_pixels(8300, tev::graph_place_y(tev::GraphMode::pct, place));
                QVERIFY(std::abs(box->geometry().center().y() - graph.canvas().geometry().top() - tail.y()) <= 2);
            }
            seen = true;
            graph.close();
        });
        s.view->binder().action("mnurire2")->trigger();
        QVERIFY(seen);
    }

    void the_summary_shows_the_records_until_its_button() {
        Session s;
        tev::qt::SummaryView& summary = s.view->summary_view();
        bool seen = false;
        on_next_modal([&](QWidget* modal) {
            QVERIFY(modal == &summary);
            QCOMPARE(modal->windowTitle(), QStringLiteral("各種成績一覧"));
            auto* first = summary.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
            QVERIFY(first->toPlainText().startsWith(QStringLiteral("1995年 セ1位")));
            QVERIFY(summary.findChild<QPlainTextEdit*>(QStringLiteral("Text3"))->toPlainText().contains(
                QStringLiteral("架空")));
            save_picture(modal, "tevardin-summary.png");
            seen = true;
            summary.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        s.view->binder().action("mnuseedat")->trigger();
        QVERIFY(seen);
        QVERIFY(!s.model->summary().visible);
        QVERIFY(!summary.isVisible());
    }
};

QTEST_MAIN(HistoryViewTest)
#include "history_view_test.moc"
