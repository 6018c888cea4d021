// Offscreen tests of taking a report away in the window program: the share items of the
// ファイル menu follow the model, the pane on display becomes a PDF of one page or more with the
// caption on top, and the graph window saves what it shows as PNG. Set TEVARDIN_SCREENSHOTS to a
// folder to keep the standings' PDF and the graph's PNG there.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "core/platform/utf8_path.h"
#include "core/text/fixed_width.h"
#include "qt/form_view.h"
#include "qt/graph_view.h"
#include "qt/look.h"
#include "qt/page_painter.h"
#include "qt/qt_services.h"
#include "qt/qt_text.h"
#include "qt_session.h"
#include "qt_support.h"
#include "season_gen.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/share/pane_export.h"

namespace {

using tev::qt::FormView;

struct Session : tev::test::StartedProgram {
    void click(const char* name) {
        qobject_cast<QPushButton*>(view->binder().widget(name))->click();
    }
};

// The pages of a PDF file as its page objects count them; 0 when it is no PDF.
int pdf_pages(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return 0;
    const QByteArray bytes = pdf.readAll();
    if (!bytes.startsWith("%PDF-")) return 0;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

// The text of a PDF is read back with pdftotext (poppler-utils), which the Linux machine has:
// under Wine a case ends, skipped, where its PDF's text would be read.
#ifdef Q_OS_WIN
#define TEVARDIN_NEEDS_PDFTOTEXT() QSKIP("pdftotext reads the PDF beside the Linux build only")
#else
#define TEVARDIN_NEEDS_PDFTOTEXT() static_cast<void>(0)
#endif

// The text of a PDF file as pdftotext extracts it, as a reader's copy would.
QString pdf_text(const QString& file) {
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    if (!extract.waitForFinished(30000)) return {};
    return QString::fromUtf8(extract.readAllStandardOutput());
}

// `file` in the TEVARDIN_SCREENSHOTS folder when it is set, else in `dir`.
QString picture_file(const tev::test::TempDir& dir, const char* file) {
    const QByteArray folder = qgetenv("TEVARDIN_SCREENSHOTS");
    const std::filesystem::path in = folder.isEmpty() ? dir.path() : std::filesystem::path(folder.toStdString());
    return tev::qt::path_text(in / file);
}

}  // namespace

class ShareViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tev::qt::apply_application_look(*qApp); }

    void full_width_characters_take_two_columns() {
        QCOMPARE(tev::text_columns(U"巨　人　　"), 10);
        QCOMPARE(tev::text_columns(U" 1] ﾁｰﾑ"), 7);
    }

    void the_share_items_follow_the_pane_on_display() {
        Session s;
        QAction* save = s.view->binder().action("mnuSavePane");
        QVERIFY(save != nullptr);
        QCOMPARE(save->text(), QStringLiteral("表示中の表を保存(&S)…"));
        QVERIFY(!save->isEnabled());
        s.click("Command11");
        s.click("Command9");
        QVERIFY(save->isEnabled());
        QVERIFY(s.view->binder().action("mnuPdfPane")->isEnabled());
        s.click("Command7");
        QVERIFY(!s.view->binder().action("mnuPrintPane")->isEnabled());
    }

    void the_standings_become_a_pdf_page() {
        Session s;
        s.click("Command11");
        s.click("Command9");
        const auto pane = tev::ui::shown_pane(*s.model);
        QVERIFY(pane.has_value());
        const QString file = picture_file(s.dir, "tevardin-standings.pdf");
        tev::ui::PanePage page = tev::ui::pane_page(*pane);
        page.heading = tev::ui::page_heading("1996", std::nullopt);
        QVERIFY(s.services->write_pdf(page, tev::qt::text_path(file)));
        QCOMPARE(pdf_pages(file), 1);
        TEVARDIN_NEEDS_PDFTOTEXT();
        QVERIFY(pdf_text(file).contains(QStringLiteral("1996年　現在")) || pdf_text(file).contains(QStringLiteral("1996年 現在")));
    }

    void a_pdf_copies_and_searches_as_the_characters_drawn() {
        Session s;
        // 人, 日 and 一 share their glyphs with Kangxi radicals in the Japanese fonts; 西 with a
        // supplementary radical.
        tev::ui::PanePage page{{U"両リーグ成績一覧"}, {U"巨人 3-2 阪神", U"中日 1-0 西武", U"日本ハム"}, U"2026年　6月15日現在"};
        const QString file = picture_file(s.dir, "tevardin-text.pdf");
        QVERIFY(s.services->write_pdf(page, tev::qt::text_path(file)));
        QCOMPARE(pdf_pages(file), 1);
        TEVARDIN_NEEDS_PDFTOTEXT();
        const QString text = pdf_text(file);
        for (const char* word : {"巨人", "中日", "西武", "日本ハム", "成績一覧", "2026年", "6月15日現在"})
            QVERIFY2(text.contains(QString::fromUtf8(word)), qPrintable(QString::fromUtf8(word) + QStringLiteral(" in ") + text));
        for (char32_t radical : {U'\u2F08', U'\u2F47', U'\u2F00', U'\u2EC4'})
            QVERIFY(!text.contains(QString::fromUcs4(&radical, 1)));
    }

    void a_long_pane_goes_on_to_further_pages() {
        Session s;
        tev::ui::PanePage page{{U"表題", U"見出し"}, {}, U"1996年　現在"};
        for (int i = 1; i <= 300; ++i) page.lines.push_back(U"行" + tev::from_utf8(std::to_string(i)));
        const std::filesystem::path file = s.dir / "long.pdf";
        QVERIFY(s.services->write_pdf(page, file));
        const int pages = pdf_pages(tev::qt::path_text(file));
        QVERIFY(pages >= 3);
        // Every page is headed by the season and numbered.
        TEVARDIN_NEEDS_PDFTOTEXT();
        const QString text = pdf_text(tev::qt::path_text(file));
        QCOMPARE(text.count(QStringLiteral("1996年")), pages);
        QVERIFY2(text.contains(QStringLiteral("%1 / %1").arg(pages)), qPrintable(text.left(400)));
    }

    void a_pdf_that_cannot_be_written_is_refused() {
        Session s;
        QVERIFY(!s.services->write_pdf(tev::ui::PanePage{{U"表題"}, {U"行"}, {}}, s.dir / "no such folder" / "x.pdf"));
    }

    void a_file_dialog_reads_in_japanese() {
        Session s;
        QStringList buttons;
        tev::test::on_next_modal([&](QWidget* modal) {
            if (const auto* box = modal->findChild<QDialogButtonBox*>())
                for (const QAbstractButton* button : box->buttons()) buttons << button->text();
            if (const QString file = picture_file(s.dir, "tevardin-file-dialog.png"); !file.isEmpty()) modal->grab().save(file);
            tev::test::close_modal(modal);
        });
        s.services->choose_save_file(U"表示中の表を保存", {U"CSV (*.csv)", U"テキスト (*.txt)"}, "両リーグ成績一覧_1996.csv");
        QVERIFY2(buttons.contains(QStringLiteral("保存(&S)")) || buttons.contains(QStringLiteral("保存")),
                 qPrintable(buttons.join(QStringLiteral(" | "))));
        QVERIFY2(buttons.contains(QStringLiteral("キャンセル")), qPrintable(buttons.join(QStringLiteral(" | "))));
    }

    void the_graph_window_saves_its_picture() {
        Session s;
        tev::qt::GraphView& graph = s.view->graph_view();
        QString file;
        bool saved = false;
        tev::test::on_next_modal([&](QWidget* modal) {
            QVERIFY(modal == &graph);
            // The button asks for the file in the save dialog, offering the graph's own name in
            // the data folder; the user takes it.
            tev::test::on_next_modal([&](QWidget* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(files != nullptr);
                file = files->selectedFiles().value(0);
                static_cast<QDialog*>(files)->accept();  // the dialog's own accept checks the name
            });
            QTest::mouseClick(graph.findChild<QPushButton*>(QStringLiteral("save_png")), Qt::LeftButton);
            const QImage picture(file);
            QCOMPARE(picture.size(), graph.grab().size());
            // The lines are drawn: the picture is not one colour.
            QVERIFY(picture.pixelColor(0, 0) != picture.pixelColor(picture.width() / 2, picture.height() / 3) ||
                    picture.pixelColor(picture.width() / 3, picture.height() / 4) != picture.pixelColor(0, 0));
            if (const QString kept = picture_file(s.dir, "tevardin-rank-graph-saved.png"); !kept.isEmpty())
                QVERIFY(graph.save_png(kept));
            saved = true;
            graph.close();
        });
        s.view->binder().action("mnurank_make")->trigger();
        QVERIFY(saved);
        const std::filesystem::path offered = s.dir.path() / tev::utf8_path("順位履歴_セ_1996.png");
        QVERIFY2(tev::qt::text_path(file) == offered, qPrintable(file));
        QCOMPARE(qobject_cast<QLineEdit*>(s.view->binder().widget("Text1"))->text(), QStringLiteral("保存しました：") + QDir::toNativeSeparators(file));
    }
};

QTEST_MAIN(ShareViewTest)
#include "share_view_test.moc"
