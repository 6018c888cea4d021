#include "qt/page_painter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <algorithm>

#include "core/text/fixed_width.h"
#include "core/text/pdf_unicode.h"
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
        pages_ = page_count();
        top_of_page();
        for (const Text& line : page_.lines) {
            if (y_ + line_height_ > painter_.viewport().height()) {
                device_.newPage();
                ++page_number_;
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

    // The lines above the pane's own on every page: the heading with the page's number, the caption.
    double head_height() const {
        return (static_cast<double>(page_.caption.size()) + 1) * line_height_ + line_height_ / 2;
    }

    int page_count() const {
        const int per_page = std::max(1, static_cast<int>((painter_.viewport().height() - head_height()) / line_height_));
        return std::max<int>(1, (static_cast<int>(page_.lines.size()) + per_page - 1) / per_page);
    }

    void top_of_page() {
        y_ = 0;
        const QString number = QStringLiteral("%1 / %2").arg(page_number_).arg(pages_);
        painter_.drawText(QRectF(0, y_, painter_.viewport().width(), line_height_), Qt::AlignRight | Qt::AlignTop, number);
        draw(page_.heading);
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
    int page_number_ = 1, pages_ = 1;
};

}  // namespace

std::map<char32_t, char32_t> glyph_twins_drawn(const ui::PanePage& page) {
    const QRawFont font = QRawFont::fromFont(report_font());
    const auto glyph_of = [&font](char32_t c) {
        const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&c, 1));
        return glyphs.size() == 1 ? glyphs.front() : 0u;
    };
    std::map<quint32, char32_t> drawn;  // glyph -> the character drawn with it
    const std::vector<Text> heading{page.heading};
    for (const auto* part : {&heading, &page.caption, &page.lines})
        for (const Text& line : *part)
            for (char32_t c : line)
                if (c >= 0x3000 && !is_glyph_twin(c)) drawn.emplace(glyph_of(c), c);
    drawn.erase(0u);
    std::map<char32_t, char32_t> twins;
    for (const auto& [first, last] : kGlyphTwinRanges)
        for (char32_t twin = first; twin <= last; ++twin) {
            const auto found = drawn.find(glyph_of(twin));
            if (found != drawn.end()) twins[twin] = found->second;
        }
    return twins;
}

bool paint_pane_page(QPagedPaintDevice& device, const ui::PanePage& page) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PagePainter(device, painter, page).paint();
    return painter.end();
}

}  // namespace tev::qt
