// Ties the widgets of one model window to its controls: copies each control's state into its
// widget (only what changed since the last copy) and forwards the user's actions on a widget to
// the window's handlers. The binder decides nothing: an option button's check mark, a list's
// selection and every text are whatever the model holds after the handler ran.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/window.h"

class QAction;
class QWidget;

namespace tev::qt {

class WindowBinder : public QObject {
    Q_OBJECT

  public:
    // `after_event` runs after every forwarded action, so that the view catches up.
    WindowBinder(ui::Window& window, std::function<void()> after_event, QObject* parent = nullptr);
    ~WindowBinder() override;

    ui::Window& window() { return window_; }

    // Shows `control` in `widget` and forwards the widget's clicks, presses and hovering.
    void bind(ui::Control& control, QWidget* widget);
    // Shows a menu item, submenu or separator in `action`; a triggered item is a click.
    void bind(ui::Control& control, QAction* action);

    // Copies every control into its widget.
    void sync();
    // Copies the elements of the control array (or single control) `name` only.
    void sync(const std::string& name);

    // Runs `event` on the control as the user's action would, then lets the view catch up.
    void forward(const std::string& name, int index, ui::Event event);

    // A click on line `row` (0-based) of the list pane: the pane's selection, then its click.
    void click_line(const std::string& name, int index, int row);

    // Reports mouse movement over the bare area of `background` as the window's own
    // ("Form") mouse movement.
    void watch_background(QWidget* background);

    // The widget or action bound to a control; nullptr when none.
    QWidget* widget(const std::string& name, int index = -1) const;
    QAction* action(const std::string& name, int index = -1) const;

    // Every bound widget with its control, in binding order.
    std::vector<std::pair<ui::Control*, QWidget*>> widgets() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Binding;
    void sync(Binding& binding);
    void sync_action(Binding& binding);
    void sync_widget(Binding& binding);
    const Binding* find(const std::string& name, int index) const;

    ui::Window& window_;
    std::function<void()> after_event_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::map<const QObject*, Binding*> by_object_;
    QWidget* background_ = nullptr;
};

}  // namespace tev::qt
