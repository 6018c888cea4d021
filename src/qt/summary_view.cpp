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
    const int first_y = kMargin + 28;
    const int first_height = 6 * line + 12;
    const int second_y = first_y + first_height + 10;
    const int second_height = 10 * line + 12;
    const int notes_y = second_y + second_height + 10;
    // The second box holds two lines each of pitchers, home runs, batting, scoring and champions:
    // each label sits beside its pair.
    const auto beside_pair = [&](int pair) { return second_y + 6 + pair * 2 * line; };
    for (auto& c : window.controls()) {
        const std::string& name = c->name;
        QWidget* widget = nullptr;
        if (c->kind == ui::ControlKind::label) {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            if (name == "Label5") {
                label->setFont(title_font(0.8));
                label->setGeometry(kMargin, kMargin - 4, 400, 28);
            } else {
                const int y = name == "Label2"   ? first_y + 6
                              : name == "Label1" ? beside_pair(0)
                              : name == "Label3" ? beside_pair(1)
                              : name == "Label6" ? beside_pair(2)
                                                 : beside_pair(3);  // Label4
                label->setGeometry(kMargin, y, kLabelWidth - 8, line * 2);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            }
        } else if (c->kind == ui::ControlKind::text) {
            auto* box = new QPlainTextEdit(this);
            box->setReadOnly(true);
            box->setFont(report);
            box->setLineWrapMode(QPlainTextEdit::NoWrap);
            widget = box;
            if (name == "Text1") box->setGeometry(box_x, first_y, kBoxWidth, first_height);
            if (name == "Text2") box->setGeometry(box_x, second_y, kBoxWidth, second_height);
            const int note = name == "Text3" ? 0 : name == "Text4" ? 1 : name == "Text5" ? 2 : -1;
            if (note >= 0) {
                box->setFont(font());
                box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                box->setGeometry(box_x + note * (kBoxWidth / 3), notes_y, kBoxWidth / 3 - 6, 30);
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
