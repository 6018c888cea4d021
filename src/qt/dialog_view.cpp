#include "qt/dialog_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/look.h"
#include "qt/qt_text.h"

namespace tev::qt {

namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

SmallWindowView::SmallWindowView(ui::Window& window, std::function<void()> after_event,
                                 QWidget* parent)
    : QDialog(parent),
      window_(window),
      binder_(new WindowBinder(window, std::move(after_event), this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto& control : window.controls()) {
        if (control->kind == ui::ControlKind::label) {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignCenter);
            layout->addWidget(label, 1);
            binder_->bind(*control, label);
        } else if (control->kind == ui::ControlKind::list) {
            auto* list = new QListWidget(this);
            list->setFont(report_font());
            list->setMinimumSize(420, 300);
            layout->addWidget(list, 4);
            binder_->bind(*control, list);
        } else if (control->kind == ui::ControlKind::button) {
            auto* button = new QPushButton(this);
            button->setMinimumWidth(96);
            buttons->addWidget(button);
            binder_->bind(*control, button);
        }
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    if (window.width > 0 && window.height > 0)
        setMinimumSize(window.width / kTwipsPerPixel, window.height / kTwipsPerPixel);
}

void SmallWindowView::sync() {
    const QString caption = to_qstring(window_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    binder_->sync();
}

void SmallWindowView::reject() {
    // The last button: the only one of the dialog window, the cancel button of the others.
    const auto& controls = window_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const ui::Control& control = **it;
        if (control.kind == ui::ControlKind::button && window_.usable(control)) {
            binder_->forward(control.name, control.index, ui::Event::click);
            return;
        }
    }
}

}  // namespace tev::qt
