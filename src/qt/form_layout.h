// Where each control of the main window sits, in pixels of the designed form (about 15200 by
// 11300 twips at 15 twips a pixel). Options inside a frame are placed relative to the frame.
// The model says what each control is; only its place on the form is the view's business.
#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <string>

namespace tev::qt {

// The client area of the main window below the menu bar at the designed size.
QSize form_size();

// The place of control `name` (element `index` of an array, -1 for a single control), or
// nothing for a control the form does not place (menus, unknown names).
std::optional<QRect> form_rect(const std::string& name, int index = -1);

// The place of a pane lengthened by `extra_twips` beyond its designed height (15 twips a pixel):
// it grows upward from its bottom edge over the report captions, which a lengthened page does
// not use, but never over the report buttons, so that 窓消去 stays within reach.
QRect lengthened(const QRect& designed, int extra_twips);

// Controls drawn in the fixed-width report font (report panes, their captions, entry boxes).
bool uses_report_font(const std::string& name);

}  // namespace tev::qt
