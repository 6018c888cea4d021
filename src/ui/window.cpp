#include "ui/window.h"

#include <stdexcept>

namespace tev::ui {

Control& Window::add(Control control) {
    controls_.push_back(std::make_unique<Control>(std::move(control)));
    Control& added = *controls_.back();
    by_key_[added.key()] = &added;
    return added;
}

Control* Window::find(const std::string& name, int index) {
    const std::string key = index < 0 ? name : name + "(" + std::to_string(index) + ")";
    auto it = by_key_.find(key);
    return it == by_key_.end() ? nullptr : it->second;
}

const Control* Window::find(const std::string& name, int index) const {
    return const_cast<Window*>(this)->find(name, index);
}

Control& Window::at(const std::string& name, int index) {
    Control* control = find(name, index);
    if (control == nullptr)
        throw std::out_of_range("no control " + name + (index < 0 ? "" : "(" + std::to_string(index) + ")") +
                                " in window " + name_);
    return *control;
}

const Control& Window::at(const std::string& name, int index) const {
    return const_cast<Window*>(this)->at(name, index);
}

std::vector<Control*> Window::array(const std::string& name) {
    std::vector<Control*> elements;
    for (auto& control : controls_)
        if (control->name == name) elements.push_back(control.get());
    return elements;
}

void Window::on(const std::string& name, Event event, Handler handler) {
    claim(name, event, [handler = std::move(handler)](int index) {
        handler(index);
        return true;
    });
}

void Window::claim(const std::string& name, Event event, Claim claim) {
    claims_[{name, event}].push_back(std::move(claim));
}

bool Window::handles(const std::string& name, Event event) const {
    return claims_.count({name, event}) != 0;
}

bool Window::usable(const Control& control) const {
    if (!control.enabled || !control.visible) return false;
    if (control.parent.empty()) return true;
    const Control* parent = find(control.parent);
    return parent == nullptr || usable(*parent);
}

bool Window::fire(const std::string& name, int index, Event event) {
    const Control* control = find(name, index);
    // "Form" is the window itself: its own events need no control.
    if (control == nullptr ? name != kFormName : !usable(*control)) return false;
    auto it = claims_.find({name, event});
    if (it == claims_.end()) return false;
    for (const Claim& claim : it->second)
        if (claim(index)) break;
    if (after_event_) after_event_();
    return true;
}

}  // namespace tev::ui
