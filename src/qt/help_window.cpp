#include "qt/help_window.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>

#include "core/text/cp932.h"
#include "qt/qt_text.h"

namespace tev::qt {

QString decode_help_bytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    if (auto decoded = decode_cp932(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return QString::fromStdU32String(*decoded);
    return QString::fromLatin1(bytes);
}

QString keep_full_width_blanks(QString html) {
    static const QRegularExpression blanks(QStringLiteral("(\u3000+)"));
    return html.replace(blanks, QStringLiteral("<span style=\"white-space:pre\">\\1</span>"));
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Tevardin ヘルプ"));
    setOpenExternalLinks(true);
    resize(720, 620);  // a page of a section beside the main window, within 1366 x 768
}

void HelpWindow::open(const std::filesystem::path& file, const std::string& anchor) {
    take_modality_of_the_moment();
    load(file);
    section_ = QString::fromStdString(anchor);
    show();
    if (section_.isEmpty())
        verticalScrollBar()->setValue(0);
    else
        scrollToAnchor(section_);
    raise();
    activateWindow();
}

void HelpWindow::load(const std::filesystem::path& file) {
    const QString name = path_text(file);
    QFile in(name);
    if (!in.open(QIODevice::ReadOnly)) {
        // What a help viewer says when it cannot find the file it was asked for.
        setPlainText(QStringLiteral("ヘルプ ファイル %1 が見つかりません。\n\n"
                                    "ファイルがデータフォルダ (%2) にあるか確かめて下さい。")
                         .arg(path_text(file.filename()),
                              path_text(file.parent_path())));
        return;
    }
    setSearchPaths({path_text(file.parent_path())});
    setHtml(keep_full_width_blanks(decode_help_bytes(in.readAll())));
}

void HelpWindow::take_modality_of_the_moment() {
    // Asked for from a window that is modal (the club names, the graph), the help must not sit
    // behind it unusable: it is modal itself until it is closed. Asked for from the main window,
    // it stays beside it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal != nullptr && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() == wanted) return;
    hide();  // a window takes a new modality only when it is shown again
    setWindowModality(wanted);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

}  // namespace tev::qt
