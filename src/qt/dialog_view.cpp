#include "qt/dialog_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    for (auto& control : window_.controls()) {
        if (control->kind == ui::ControlKind::button && window_.usable(*control)) {
            binder_->forward(control->name, control->index, ui::Event::click);
            return;
        }
    }
}

}  // namespace tev::qt
