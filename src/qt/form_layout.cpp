#include "qt/form_layout.h"

#include <algorithm>
#include <map>

#include "ui/shell/services.h"

namespace tev::qt {

namespace {

constexpr int kWidth = ui::kFormWidthPixels;
constexpr int kHeight = ui::kFormHeightPixels;

// Rows of the form, top to bottom.
constexpr int kPanelTop = 28;     // team frames, home-run list, keypad
constexpr int kTeamBoxTop = 168;  // the two chosen clubs
constexpr int kInningsTop = 196;  // inning headings, then the two innings rows
constexpr int kPitchersTop = 274;
constexpr int kReportButtonsTop = 304;
constexpr int kCaptionTop = 332;  // report caption (two lines) and the league choice
constexpr int kPaneTop = 374;     // report panes: 14 lines without scrolling
constexpr int kStatusTop = 676;
constexpr int kPaneHeight = kStatusTop - 2 - kPaneTop;

constexpr int kBox = 26;  // height of a text box

const std::map<std::string, QRect>& single_controls() {
    static const std::map<std::string, QRect> rects = {
        // Title and league choice share the top line.
        {"Label10", {8, 0, 200, 28}},
        {"Text4", {560, 1, 170, kBox}},
        // Meeting, attendance and date left of the team frames.
        {"Label3", {8, kPanelTop + 6, 44, 20}},
        {"Text11", {54, kPanelTop + 3, 44, kBox}},
        {"Label1", {8, kPanelTop + 36, 44, 20}},
        {"Text5", {54, kPanelTop + 33, 80, kBox}},
        {"Label13", {8, kPanelTop + 66, 80, 18}},
        {"Text18", {8, kPanelTop + 86, 30, kBox}},
        {"Label14", {40, kPanelTop + 89, 14, 20}},
        {"Text19", {56, kPanelTop + 86, 30, kBox}},
        {"Label15", {88, kPanelTop + 89, 14, 20}},
        {"Text20", {104, kPanelTop + 86, 30, kBox}},
        // Team frames: visitors on the left, home on the right; Central above, Pacific below.
        {"Frame1", {142, kPanelTop, 224, 68}},
        {"Frame2", {372, kPanelTop, 224, 68}},
        {"Frame3", {142, kPanelTop + 70, 224, 68}},
        {"Frame4", {372, kPanelTop + 70, 224, 68}},
        {"Text9", {142, kTeamBoxTop, 224, kBox}},
        {"Text10", {372, kTeamBoxTop, 224, kBox}},
        // Innings: the team name, fifteen cells, the sum, then the runs.
        {"Text12", {8, kInningsTop + 20, 84, kBox}},
        {"Text13", {8, kInningsTop + 48, 84, kBox}},
        {"Text14", {548, kInningsTop + 20, 40, kBox}},
        {"Text17", {548, kInningsTop + 48, 40, kBox}},
        {"Text7", {596, kInningsTop + 20, 44, kBox}},
        {"Text8", {596, kInningsTop + 48, 44, kBox}},
        // Pitchers of record and the save pitcher.
        {"Label8", {8, kPitchersTop + 3, 112, 20}},
        {"Text2", {122, kPitchersTop, 150, kBox}},
        {"Label9", {282, kPitchersTop + 3, 112, 20}},
        {"Text3", {396, kPitchersTop, 150, kBox}},
        {"Label11", {560, kPitchersTop + 3, 66, 20}},
        {"Text16", {628, kPitchersTop, 150, kBox}},
        // The game's home runs.
        {"List6", {604, kPanelTop, 214, kInningsTop - 4 - kPanelTop}},
        // Entry buttons under the month buttons.
        {"Command3", {826, 255, 86, 23}},
        {"Command19", {914, 255, 86, 23}},
        {"Command12", {826, 279, 86, 23}},
        {"Command1", {914, 279, 86, 23}},
        // Report captions, league choice and panes. The detail pane opens right of the
        // standings' columns; the pick lists of entry share the report area.
        {"Label7", {8, kCaptionTop, 770, 40}},
        {"Label6", {8, kCaptionTop, 770, 40}},
        {"Frame5", {786, kCaptionTop - 4, 214, 46}},
        {"List4", {8, kPaneTop, 992, kPaneHeight}},
        {"List1", {8, kPaneTop, 992, kPaneHeight}},
        {"List5", {504, kPaneTop, 496, kPaneHeight}},
        {"List2", {440, kPaneTop, 560, kPaneHeight}},
        // The year list opens over the home-run list (hidden meanwhile), reaching down beside
        // the innings (over the runs column) so that more years show at once.
        {"List3", {596, kPanelTop, 222, kPitchersTop - 4 - kPanelTop}},
        // Status line and clock.
        {"Text1", {8, kStatusTop, 784, kBox}},
    };
    return rects;
}

const std::map<std::string, int>& report_button_order() {
    static const std::map<std::string, int> order = {
        {"Command9", 0},   {"Command10", 1}, {"Command13", 2}, {"Command5", 3}, {"Command14", 4},
        {"Command15", 5},  {"Command16", 6}, {"Command17", 7}, {"Command6", 8}, {"Command8", 9},
        {"Command18", 10}, {"Command7", 11}, {"Command11", 12}};
    return order;
}

}  // namespace

QSize form_size() {
    return {kWidth, kHeight};
}

std::optional<QRect> form_rect(const std::string& name, int index) {
    if (name == "Option3" && index >= 0 && index < 3) return QRect(214 + index * 112, 3, 110, 22);
    if ((name == "Option1" || name == "Option2" || name == "Option4" || name == "Option5") &&
        index >= 0 && index < 6)
        return QRect(8 + (index % 3) * 72, 20 + (index / 3) * 23, 70, 22);
    if (name == "Option6" && index >= 0 && index < 3) return QRect(6 + index * 69, 21, 66, 20);
    if (name == "Label12" && index >= 0 && index <= 15)
        return index < 15 ? QRect(96 + index * 30, kInningsTop, 28, 18)
                          : QRect(548, kInningsTop, 40, 18);
    if ((name == "Text6" || name == "Text15") && index >= 0 && index < 15)
        return QRect(96 + index * 30, kInningsTop + 20 + (name == "Text15" ? 28 : 0), 28, kBox);
    if (name == "Command4" && index >= 0 && index <= 32)
        return QRect(826 + (index % 6) * 29, kPanelTop + (index / 6) * 25, 28, 24);
    if (name == "Command2" && index >= 1 && index <= 12)
        return QRect(826 + ((index - 1) % 4) * 44, 181 + ((index - 1) / 4) * 24, 42, 23);
    if (name == "Label5" && (index == 0 || index == 1))
        return QRect(800 + index * 104, kStatusTop + 3, 96, 20);
    if (auto it = report_button_order().find(name); it != report_button_order().end())
        return QRect(8 + it->second * 76, kReportButtonsTop, 72, 26);
    if (index >= 0) return std::nullopt;
    if (auto it = single_controls().find(name); it != single_controls().end()) return it->second;
    return std::nullopt;
}

QRect lengthened(const QRect& designed, int extra_twips) {
    if (extra_twips <= 0) return designed;
    const int top = std::max(kCaptionTop, designed.top() - extra_twips / 15);
    return QRect(QPoint(designed.left(), std::min(top, designed.top())), designed.bottomRight());
}

bool uses_report_font(const std::string& name) {
    if (name == "Text1") return false;  // the status line reads as plain prose
    if (name.rfind("Text", 0) == 0 || name.rfind("List", 0) == 0) return true;
    return name == "Label6" || name == "Label7";
}

}  // namespace tev::qt
