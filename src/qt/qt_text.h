// Text at the window boundary: the model's characters as QString, its colours as QColor.
#pragma once

#include <QColor>
#include <QDir>
#include <QString>
#include <filesystem>

#include "core/text/text.h"
#include "ui/control.h"

namespace tev::qt {

// `text` for a widget; CR LF and lone CR become the line feed Qt breaks lines at.
inline QString to_qstring(const Text& text) {
    QString s = QString::fromStdU32String(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

// A path as Qt's text and back, through UTF-16 on both sides: never through the platform's
// narrow code page, which on Windows cannot hold every name. Qt writes "/" everywhere; a path
// takes the platform's separator, so a name the program shows reads as the system writes it.
inline QString path_text(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }
inline std::filesystem::path text_path(const QString& text) {
    return std::filesystem::path(QDir::toNativeSeparators(text).toStdU16String());
}

// A model colour (0xRRGGBB) as QColor; only meaningful when it is not kDefaultColor.
inline QColor to_qcolor(ui::Color color) {
    return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

}  // namespace tev::qt
