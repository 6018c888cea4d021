// The fonts and style of the window program. Report panes need a fixed-width Japanese font in
// which a full-width character takes exactly two half-width columns, or their columns drift.
#pragma once

#include <QFont>
#include <QStringList>

class QApplication;

namespace tev::qt {

// The families asked for, in turn: Debian's Noto CJK first, then those a Japanese Windows has.
QStringList report_families();
QStringList ui_families();

// Sets the style, the default font and the toolkit's Japanese texts (when installed).
void apply_application_look(QApplication& app);

// True when "巨" is exactly twice as wide as "0" in `font`.
bool full_width_is_two_columns(const QFont& font);

// The fixed-width font of report panes, caption labels and entry boxes for the window scale
// `scale` (1 at the designed size): the largest pixel size up to 14 × scale that keeps
// full-width characters at exactly two columns.
QFont report_font(double scale = 1.0);

// The proportional font of buttons, options, frames and plain labels for `scale`.
QFont ui_font(double scale = 1.0);

// The title label's font for `scale`.
QFont title_font(double scale = 1.0);

}  // namespace tev::qt
