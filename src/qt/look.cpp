#include "qt/look.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>
#include <cmath>

namespace tev::qt {

void apply_application_look(QApplication& app) {
    // One style everywhere, so that button colours show the same on every desktop.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    app.setFont(ui_font());
    // Qt's own installed texts, or on Windows those shipped in a folder beside the program.
    auto* translator = new QTranslator(&app);
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(QStringLiteral("qtbase_ja"), folder)) {
            app.installTranslator(translator);
            break;
        }
    }
}

QStringList report_families() {
    // BIZ UDGothic from Windows 10 on, MS Gothic before it: both fixed-width.
    return {QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("BIZ UDGothic"),
            QStringLiteral("MS Gothic")};
}

QStringList ui_families() {
    return {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Yu Gothic UI"),
            QStringLiteral("Meiryo UI"), QStringLiteral("MS UI Gothic")};
}

bool full_width_is_two_columns(const QFont& font) {
    const QFontMetrics metrics(font);
    const int half = metrics.horizontalAdvance(QLatin1Char('0'));
    return half > 0 && metrics.horizontalAdvance(QString(QChar(0x5DE8))) == 2 * half;  // 巨
}

QFont report_font(double scale) {
    QFont font(report_families());
    font.setStyleHint(QFont::TypeWriter);
    font.setKerning(false);
    // Odd pixel sizes round the half-width advance down, so the two widths part.
    const int largest = std::max(8, static_cast<int>(std::floor(14 * scale)));
    for (int px = largest; px >= 8; --px) {
        font.setPixelSize(px);
        if (full_width_is_two_columns(font)) return font;
    }
    font.setPixelSize(largest - largest % 2);
    return font;
}

QFont ui_font(double scale) {
    QFont font(ui_families());
    font.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * scale))));
    return font;
}

QFont title_font(double scale) {
    QFont font(ui_families());
    font.setPixelSize(std::max(10, static_cast<int>(std::lround(20 * scale))));
    font.setBold(true);
    return font;
}

}  // namespace tev::qt
