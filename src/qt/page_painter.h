// Report panes on paper and in PDF files: the heading (the season and its day) with the page's
// number and the caption's lines on top of every page, then the pane's lines, in the panes' fixed-width font. Every character is put on its own column (a
// full-width character takes two), so the columns stay aligned whatever the font's own advances
// are at the size the page needs; the size is chosen so that the widest line fits the page.
#pragma once

#include <map>

#include "core/text/text.h"
#include "ui/shell/services.h"

class QPagedPaintDevice;

namespace tev::qt {

// Draws `page` on `device` (a printer or a PDF writer), adding pages as the lines need; false
// when painting could not start on the device.
bool paint_pane_page(QPagedPaintDevice& device, const ui::PanePage& page);

// For each radical or compatibility character the pages' font draws with the glyph of a character
// of `page`, that character: what a PDF of the page must name for the glyph (see pdf_unicode.h).
std::map<char32_t, char32_t> glyph_twins_drawn(const ui::PanePage& page);

}  // namespace tev::qt
