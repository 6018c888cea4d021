#include "qt/summary_view.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt/look.h"
#include "qt/qt_text.h"

namespace tev::qt {

namespace {

constexpr int kMargin = 12;
constexpr int kLabelWidth = 96;
constexpr int kBoxWidth = 780;

}  // namespace

SummaryView::SummaryView(ui::Window& window, std::function<void()> after_event, QWidget* parent)
    : QDialog(parent), window_(window), binder_(new WindowBinder(window, std::move(after_event), this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(ui_font());
    const QFont report = report_font();
    const int line = QFontMetrics(report).lineSpacing();
    const int box_x = kMargin + kLabelWidth;
    const int first_y = kMargin;
    // Each line ends in a line break, so the boxes hold one line more than their records.
    const int first_height = 7 * line + 8;
    const int second_y = first_y + first_height + 10;
    const int second_height = 11 * line + 8;
    const int notes_y = second_y + second_height + 10;
    // The second box holds two lines each of pitchers, home runs, batting, scoring and the
    // champions of each year: each label sits beside its pair.
    const auto beside_pair = [&](int pair) { return second_y + 6 + pair * 2 * line; };
    for (auto& c : window.controls()) {
        const std::string& name = c->name;
        QWidget* widget = nullptr;
        if (c->kind == ui::ControlKind::label) {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            const int y = name == "Label2"   ? first_y + 6
                          : name == "Label1" ? beside_pair(0)
                          : name == "Label3" ? beside_pair(1)
                          : name == "Label6" ? beside_pair(2)
                          : name == "Label4" ? beside_pair(3)
                                             : beside_pair(4);  // Label5
            label->setGeometry(kMargin, y, kLabelWidth - 8, line * 2);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
        } else if (c->kind == ui::ControlKind::text) {
            auto* box = new QPlainTextEdit(this);
            box->setReadOnly(true);
            box->setFont(report);
            box->setLineWrapMode(QPlainTextEdit::NoWrap);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // sized for its lines
            widget = box;
            if (name == "Text1") box->setGeometry(box_x, first_y, kBoxWidth, first_height);
            if (name == "Text2") box->setGeometry(box_x, second_y, kBoxWidth, second_height);
            // The notes: the sample-data remark takes the room it needs, the file name the rest.
            const int note_x[] = {box_x, box_x + 330, box_x + 620};
            const int note_width[] = {324, 284, kBoxWidth - 620};
            const int note = name == "Text3" ? 0 : name == "Text4" ? 1 : name == "Text5" ? 2 : -1;
            if (note >= 0) {
                box->setFont(font());
                box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setGeometry(note_x[note], notes_y, note_width[note], 30);
            }
        } else if (c->kind == ui::ControlKind::button) {
            auto* button = new QPushButton(this);
            button->setGeometry(box_x + kBoxWidth - 100, notes_y + 40, 100, 28);
            widget = button;
        }
        if (widget == nullptr) continue;
        widget->setObjectName(QString::fromStdString(c->key()));
        binder_->bind(*c, widget);
    }
    setFixedSize(box_x + kBoxWidth + kMargin, notes_y + 40 + 28 + kMargin);
}

void SummaryView::sync() {
    const QString caption = to_qstring(window_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    binder_->sync();
}

void SummaryView::reject() { binder_->forward(ui::kFormName, -1, ui::Event::close); }

}  // namespace tev::qt
