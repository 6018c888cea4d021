#include "qt/help_window.h"

#include <QFile>
#include <QStringDecoder>
#include <QUrl>

#include "core/text/cp932.h"

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

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Tevardin ヘルプ"));
    setOpenExternalLinks(true);
    resize(640, 560);
}

void HelpWindow::open(const std::filesystem::path& file) {
    const QString name = QString::fromStdString(file.string());
    QFile in(name);
    if (!in.open(QIODevice::ReadOnly)) {
        // What a help viewer says when it cannot find the file it was asked for.
        setPlainText(QStringLiteral("ヘルプ ファイル %1 が見つかりません。\n\n"
                                    "ファイルがデータフォルダ (%2) にあるか確かめて下さい。")
                         .arg(QString::fromStdString(file.filename().string()),
                              QString::fromStdString(file.parent_path().string())));
    } else {
        setSearchPaths({QString::fromStdString(file.parent_path().string())});
        setHtml(decode_help_bytes(in.readAll()));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace tev::qt
