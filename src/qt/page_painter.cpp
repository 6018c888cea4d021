#include "qt/page_painter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/text/fixed_width.h"
#include "qt/look.h"

namespace tev::qt {

namespace {

constexpr double kLargestPoints = 10.5;
constexpr double kSmallestPoints = 4.0;

class PagePainter {
public:
    PagePainter(QPagedPaintDevice& device, QPainter& painter, const ui::PanePage& page)
        : device_(device), painter_(painter), page_(page) {}

    void paint() {
        choose_font();
        top_of_page();
        for (const Text& line : page_.lines) {
            if (y_ + line_height_ > painter_.viewport().height()) {
                device_.newPage();
                top_of_page();
            }
            draw(line);
        }
    }

private:
    // The font at the size where one column is as wide as the widest line allows.
    void choose_font() {
        int widest = 1;
        for (const auto* part : {&page_.caption, &page_.lines})
            for (const Text& line : *part) widest = std::max(widest, text_columns(line));
        font_ = report_font();
        font_.setPointSizeF(kLargestPoints);
        const double half = QFontMetricsF(font_, &device_).horizontalAdvance(QLatin1Char('0'));
        const double fits = kLargestPoints * painter_.viewport().width() / (half * widest);
        font_.setPointSizeF(std::clamp(fits, kSmallestPoints, kLargestPoints));
        painter_.setFont(font_);
        const QFontMetricsF metrics(font_, &device_);
        column_ = metrics.horizontalAdvance(QLatin1Char('0'));
        line_height_ = metrics.lineSpacing();
        ascent_ = metrics.ascent();
    }

    void top_of_page() {
        y_ = 0;
        for (const Text& line : page_.caption) draw(line);
        y_ += line_height_ / 2;
    }

    void draw(const Text& line) {
        int column = 0;
        for (char32_t c : line) {
            if (c != U' ' && c != U'\u3000')
                painter_.drawText(QPointF(column * column_, y_ + ascent_), QString::fromUcs4(&c, 1));
            column += char_columns(c);
        }
        y_ += line_height_;
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    const ui::PanePage& page_;
    QFont font_;
    double column_ = 1, line_height_ = 1, ascent_ = 0, y_ = 0;
};

}  // namespace

bool paint_pane_page(QPagedPaintDevice& device, const ui::PanePage& page) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PagePainter(device, painter, page).paint();
    return painter.end();
}

}  // namespace tev::qt
