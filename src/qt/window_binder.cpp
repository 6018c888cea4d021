#include "qt/window_binder.h"

#include <QAction>
#include <QKeySequence>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "qt/qt_text.h"

namespace tev::qt {

using ui::Control;
using ui::ControlKind;
using ui::Event;

struct WindowBinder::Binding {
    Control* control = nullptr;
    QWidget* widget = nullptr;
    QAction* action = nullptr;
    Control shown;      // the state last copied into the widget
    bool fresh = true;  // nothing copied yet
};

namespace {

// The palette roles a control's colour and text colour paint.
std::pair<QPalette::ColorRole, QPalette::ColorRole> color_roles(ControlKind kind) {
    switch (kind) {
        case ControlKind::button:
        case ControlKind::scrollbar:
            return {QPalette::Button, QPalette::ButtonText};
        case ControlKind::text:
        case ControlKind::list:
            return {QPalette::Base, QPalette::Text};
        default:
            return {QPalette::Window, QPalette::WindowText};
    }
}

void apply_colors(QWidget* widget, ControlKind kind, ui::Color back, ui::Color fore) {
    // A palette with only the model's colours set: every other role comes from the style.
    QPalette palette;
    const auto [back_role, fore_role] = color_roles(kind);
    if (back != ui::kDefaultColor) palette.setColor(back_role, to_qcolor(back));
    if (fore != ui::kDefaultColor) palette.setColor(fore_role, to_qcolor(fore));
    widget->setPalette(palette);
    const bool fills = back != ui::kDefaultColor && (back_role == QPalette::Window);
    widget->setAutoFillBackground(fills);
}

}  // namespace

WindowBinder::WindowBinder(ui::Window& window, std::function<void()> after_event, QObject* parent)
    : QObject(parent), window_(window), after_event_(std::move(after_event)) {}

WindowBinder::~WindowBinder() = default;

void WindowBinder::bind(Control& control, QWidget* widget) {
    auto binding = std::make_unique<Binding>();
    binding->control = &control;
    binding->widget = widget;
    by_object_[widget] = binding.get();
    const std::string name = control.name;
    const int index = control.index;

    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setAutoDefault(false);
        // A button with a MouseDown handler hears the press first, then the click.
        connect(button, &QPushButton::pressed, this, [this, name, index] {
            if (window_.handles(name, Event::mouse_down)) forward(name, index, Event::mouse_down);
        });
        connect(button, &QPushButton::clicked, this,
                [this, name, index] { forward(name, index, Event::click); });
    } else if (auto* option = qobject_cast<QAbstractButton*>(widget)) {
        // The model decides which option of a group is selected; Qt must not.
        option->setAutoExclusive(false);
        connect(option, &QAbstractButton::clicked, this,
                [this, name, index] { forward(name, index, Event::click); });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        // Queued: the handler usually refills or hides the pane that is still handling the click.
        connect(list, &QListWidget::itemClicked, this,
                [this, list, name, index](QListWidgetItem* item) {
                    const int row = list->row(item);
                    QMetaObject::invokeMethod(
                        this, [this, name, index, row] { click_line(name, index, row); },
                        Qt::QueuedConnection);
                });
    } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar, name, index](int) {
            QMetaObject::invokeMethod(
                this,
                [this, bar, name, index] {
                    if (Control* c = window_.find(name, index);
                        c != nullptr && window_.usable(*c)) {
                        c->scroll_value = bar->sliderPosition();
                        forward(name, index, Event::change);
                    }
                },
                Qt::QueuedConnection);
        });
    } else {
        widget->installEventFilter(this);  // text boxes and labels: clicks and hovering
    }
    bindings_.push_back(std::move(binding));
}

void WindowBinder::bind(Control& control, QAction* action) {
    auto binding = std::make_unique<Binding>();
    binding->control = &control;
    binding->action = action;
    by_object_[action] = binding.get();
    if (control.kind == ControlKind::menu && action->menu() == nullptr) {
        const std::string name = control.name;
        const int index = control.index;
        connect(action, &QAction::triggered, this,
                [this, name, index] { forward(name, index, Event::click); });
        // The platform's own key for taking back (Ctrl+Z).
        if (name == "mnuundo") action->setShortcut(QKeySequence::Undo);
    }
    bindings_.push_back(std::move(binding));
}

void WindowBinder::watch_background(QWidget* background) {
    background_ = background;
    background->setMouseTracking(true);
    background->installEventFilter(this);
}

void WindowBinder::forward(const std::string& name, int index, Event event) {
    window_.fire(name, index, event);
    // Even when no handler ran, the widget may have changed itself (an option's check mark).
    if (after_event_) after_event_();
}

void WindowBinder::click_line(const std::string& name, int index, int row) {
    Control* control = window_.find(name, index);
    if (control == nullptr || !window_.usable(*control)) {
        sync();
        return;
    }
    if (row >= 0 && row < static_cast<int>(control->lines.size())) control->list_index = row;
    forward(name, index, Event::click);
}

bool WindowBinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == background_) {
        if (event->type() == QEvent::MouseMove && window_.handles(ui::kFormName, Event::mouse_move)) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (background_->childAt(move->position().toPoint()) == nullptr)
                forward(ui::kFormName, -1, Event::mouse_move);
        }
        return false;
    }
    auto it = by_object_.find(watched);
    if (it == by_object_.end()) return false;
    const std::string name = it->second->control->name;
    const int index = it->second->control->index;
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // Queued, so that a message box opened by the handler does not sit inside the press.
        QMetaObject::invokeMethod(
            this, [this, name, index] { forward(name, index, Event::click); },
            Qt::QueuedConnection);
    } else if (event->type() == QEvent::Enter && window_.handles(name, Event::mouse_move)) {
        forward(name, index, Event::mouse_move);
    }
    return false;
}

void WindowBinder::sync() {
    for (auto& binding : bindings_) sync(*binding);
}

void WindowBinder::sync(const std::string& name) {
    for (auto& binding : bindings_)
        if (binding->control->name == name) sync(*binding);
}

void WindowBinder::sync(Binding& binding) {
    if (binding.action != nullptr)
        sync_action(binding);
    else
        sync_widget(binding);
    binding.fresh = false;
}

void WindowBinder::sync_action(Binding& b) {
    const Control& c = *b.control;
    Control& shown = b.shown;
    if (c.kind != ControlKind::separator && (b.fresh || shown.caption != c.caption)) {
        b.action->setText(to_qstring(c.caption));
        shown.caption = c.caption;
    }
    if (b.action->isEnabled() != c.enabled) b.action->setEnabled(c.enabled);
    if (b.action->isVisible() != c.visible) b.action->setVisible(c.visible);
}

void WindowBinder::sync_widget(Binding& b) {
    const Control& c = *b.control;
    Control& shown = b.shown;
    QWidget* w = b.widget;

    switch (c.kind) {
        case ControlKind::button:
            if (b.fresh || shown.caption != c.caption)
                static_cast<QAbstractButton*>(w)->setText(to_qstring(c.caption));
            break;
        case ControlKind::option:
        case ControlKind::check: {
            auto* option = static_cast<QAbstractButton*>(w);
            if (b.fresh || shown.caption != c.caption) option->setText(to_qstring(c.caption));
            if (option->isChecked() != c.value) {
                const QSignalBlocker quiet(option);
                option->setChecked(c.value);
            }
            break;
        }
        case ControlKind::frame:
            if (b.fresh || shown.caption != c.caption)
                static_cast<QGroupBox*>(w)->setTitle(to_qstring(c.caption));
            break;
        case ControlKind::text:
            if (b.fresh || shown.text != c.text) {
                if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {  // multi-line boxes
                    plain->setPlainText(to_qstring(c.text));
                } else {
                    auto* edit = static_cast<QLineEdit*>(w);
                    edit->setText(to_qstring(c.text));
                    edit->setCursorPosition(0);
                }
            }
            break;
        case ControlKind::label:
            if (b.fresh || shown.text != c.text)
                static_cast<QLabel*>(w)->setText(to_qstring(c.text));
            break;
        case ControlKind::list: {
            auto* list = static_cast<QListWidget*>(w);
            const QSignalBlocker quiet(list);
            if (b.fresh || shown.lines != c.lines) {
                list->clear();
                QStringList items;
                items.reserve(static_cast<qsizetype>(c.lines.size()));
                for (const Text& line : c.lines) items.append(QString::fromStdU32String(line));
                list->addItems(items);
                shown.lines = c.lines;
            }
            if (list->currentRow() != c.list_index) {
                if (c.list_index >= 0 && c.list_index < list->count()) {
                    list->setCurrentRow(c.list_index);
                } else {
                    list->setCurrentRow(-1);
                    list->clearSelection();
                }
            }
            break;
        }
        case ControlKind::scrollbar: {
            auto* bar = static_cast<QScrollBar*>(w);
            if (bar->value() != c.scroll_value) {
                const QSignalBlocker quiet(bar);
                bar->setValue(c.scroll_value);
            }
            break;
        }
        case ControlKind::menu:
        case ControlKind::separator:
            break;
    }

    if (b.fresh || shown.enabled != c.enabled) w->setEnabled(c.enabled);
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
    if (b.fresh || shown.tooltip != c.tooltip) w->setToolTip(to_qstring(c.tooltip));
    if (b.fresh || shown.back_color != c.back_color || shown.fore_color != c.fore_color)
        apply_colors(w, c.kind, c.back_color, c.fore_color);
    if (c.focused && (b.fresh || !shown.focused)) w->setFocus(Qt::OtherFocusReason);

    shown.caption = c.caption;
    shown.text = c.text;
    shown.enabled = c.enabled;
    shown.tooltip = c.tooltip;
    shown.back_color = c.back_color;
    shown.fore_color = c.fore_color;
    shown.focused = c.focused;
}

const WindowBinder::Binding* WindowBinder::find(const std::string& name, int index) const {
    for (const auto& binding : bindings_)
        if (binding->control->name == name && binding->control->index == index)
            return binding.get();
    return nullptr;
}

QWidget* WindowBinder::widget(const std::string& name, int index) const {
    const Binding* b = find(name, index);
    return b == nullptr ? nullptr : b->widget;
}

QAction* WindowBinder::action(const std::string& name, int index) const {
    const Binding* b = find(name, index);
    return b == nullptr ? nullptr : b->action;
}

std::vector<std::pair<Control*, QWidget*>> WindowBinder::widgets() const {
    std::vector<std::pair<Control*, QWidget*>> out;
    for (const auto& binding : bindings_)
        if (binding->widget != nullptr) out.emplace_back(binding->control, binding->widget);
    return out;
}

}  // namespace tev::qt
