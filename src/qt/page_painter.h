// Report panes on paper and in PDF files: the caption's lines on top of every page, then the
// pane's lines, in the panes' fixed-width font. Every character is put on its own column (a
// full-width character takes two), so the columns stay aligned whatever the font's own advances
// are at the size the page needs; the size is chosen so that the widest line fits the page.
#pragma once

#include "core/text/text.h"
#include "ui/shell/services.h"

class QPagedPaintDevice;

namespace tev::qt {

// Draws `page` on `device` (a printer or a PDF writer), adding pages as the lines need; false
// when painting could not start on the device.
bool paint_pane_page(QPagedPaintDevice& device, const ui::PanePage& page);

}  // namespace tev::qt
