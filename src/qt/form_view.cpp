#include "qt/form_view.h"

#include "qt/keypad_typing.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <cmath>
#include <initializer_list>
#include <set>

#include "qt/dialog_view.h"
#include "qt/form_layout.h"
#include "qt/graph_view.h"
#include "qt/summary_view.h"
#include "qt/look.h"
#include "qt/qt_services.h"
#include "qt/qt_text.h"

namespace tev::qt {

using ui::Control;
using ui::ControlKind;

namespace {

constexpr int kClockMs = 200;

QRect scaled(const QRect& r, double scale) {
    const auto s = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    return {s(r.x()), s(r.y()), s(r.width()), s(r.height())};
}

// Boxes that hold a short number or a single character read best centred.
bool centred_box(const std::string& name) {
    static const std::set<std::string> names = {"Text5",  "Text6",  "Text7",  "Text8",
                                                "Text11", "Text14", "Text15", "Text17",
                                                "Text18", "Text19", "Text20"};
    return names.count(name) != 0;
}

}  // namespace

FormView::FormView(ui::MainWindow& model, QtServices& services, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      services_(services),
      binder_(new WindowBinder(
          model.main(), [this] { after_event(); }, this)),
      scroller_(new QScrollArea(this)),
      form_(new QWidget(scroller_)),
      notice_(new SmallWindowView(
          model.notice(), [this] { after_event(); }, this)),
      dialog_(new SmallWindowView(
          model.dialog(), [this] { after_event(); }, this)),
      graph_(new GraphView(
          model, [this] { after_event(); }, this)),
      summary_(new SummaryView(
          model.summary(), [this] { after_event(); }, this)),
      clubs_(new SmallWindowView(
          model.clubs(), [this] { after_event(); }, this)) {
    // A window made smaller than its layout scrolls the form rather than clipping it.
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidget(form_);
    setCentralWidget(scroller_);
    notice_->setModal(false);
    dialog_->setModal(true);
    build_menus();
    bind_help_key();
    build_controls();
    binder_->watch_background(form_);
    new KeypadTyping(this, *binder_);
    apply_layout(model_.main().scale);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &FormView::fit_to_screen);
    services_.set_owner(this);
    services_.set_refresh([this] { sync_all(); });
    services_.set_picture_writer([this](const QString& file) { return graph_->save_png(file); });
    clock_.setInterval(kClockMs);
    connect(&clock_, &QTimer::timeout, this, &FormView::tick);
    binder_->sync();
}

FormView::~FormView() {
    services_.set_refresh({});
    services_.set_picture_writer({});
}

void FormView::build_menus() {
    // Menu items with items of their own become submenus; the rest are commands.
    std::set<std::string> parents;
    for (const auto& c : model_.main().controls())
        if (c->kind == ControlKind::menu || c->kind == ControlKind::separator)
            parents.insert(c->parent);
    std::map<std::string, QMenu*> menus;
    for (const auto& c : model_.main().controls()) {
        if (c->kind != ControlKind::menu && c->kind != ControlKind::separator) continue;
        const QString caption = to_qstring(c->caption);
        QMenu* parent_menu = c->parent.empty() ? nullptr : menus[c->parent];
        if (!c->parent.empty() && parent_menu == nullptr)
            continue;  // orphan: its parent is not a menu
        if (c->kind == ControlKind::separator) {
            binder_->bind(*c, parent_menu->addSeparator());
            continue;
        }
        if (parents.count(c->name) != 0) {
            QMenu* menu = parent_menu == nullptr ? menuBar()->addMenu(caption)
                                                 : parent_menu->addMenu(caption);
            menus[c->name] = menu;
            // A menu that has a Click of its own hears it when it opens.
            const std::string name = c->name;
            connect(menu, &QMenu::aboutToShow, this, [this, name] {
                if (model_.main().handles(name, ui::Event::click))
                    binder_->forward(name, -1, ui::Event::click);
            });
            binder_->bind(*c, menu->menuAction());
        } else {
            QAction* action = parent_menu == nullptr ? menuBar()->addAction(caption)
                                                     : parent_menu->addAction(caption);
            binder_->bind(*c, action);
        }
    }
}

void FormView::bind_help_key() {
    // F1 asks for the help of what is on screen: in the main window through its menu item, which
    // shows the key; in a window open over it (each is modal) as that item would.
    const QKeySequence f1(Qt::Key_F1);
    if (QAction* here = binder_->action("mnuHelpHereItem")) here->setShortcut(f1);
    for (QWidget* window : std::initializer_list<QWidget*>{dialog_, graph_, summary_, clubs_}) {
        auto* key = new QShortcut(f1, window);
        connect(key, &QShortcut::activated, this,
                [this] { binder_->forward("mnuHelpHereItem", -1, ui::Event::click); });
    }
}

void FormView::build_controls() {
    std::map<std::string, QWidget*> frames;
    for (const auto& c : model_.main().controls()) {
        QWidget* parent = form_;
        if (!c->parent.empty()) {
            auto it = frames.find(c->parent);
            if (it == frames.end()) continue;  // menus are built apart
            parent = it->second;
        }
        QWidget* widget = nullptr;
        switch (c->kind) {
            case ControlKind::menu:
            case ControlKind::separator:
                continue;
            case ControlKind::button:
                widget = new QPushButton(parent);
                break;
            case ControlKind::option:
                widget = new QRadioButton(parent);
                break;
            case ControlKind::check:
                widget = new QCheckBox(parent);
                break;
            case ControlKind::frame:
                widget = new QGroupBox(parent);
                frames[c->name] = widget;
                break;
            case ControlKind::text: {
                auto* edit = new QLineEdit(parent);
                // The boxes only show the model; nothing reads what is typed into them.
                edit->setReadOnly(true);
                edit->setContextMenuPolicy(Qt::NoContextMenu);
                if (centred_box(c->name)) edit->setAlignment(Qt::AlignCenter);
                widget = edit;
                break;
            }
            case ControlKind::label: {
                auto* label = new QLabel(parent);
                label->setTextFormat(Qt::PlainText);
                if (c->name == "Label12")
                    label->setAlignment(Qt::AlignCenter);
                else if (c->name == "Label5")
                    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                else if (c->name == "Label6" || c->name == "Label7")
                    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
                else
                    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                widget = label;
                break;
            }
            case ControlKind::list: {
                auto* list = new QListWidget(parent);
                list->setSelectionMode(QAbstractItemView::SingleSelection);
                list->setTextElideMode(Qt::ElideNone);
                list->setUniformItemSizes(true);
                // The home-run rows end in full-width blanks; a scroll bar would only reach those.
                list->setHorizontalScrollBarPolicy(c->name == "List6" ? Qt::ScrollBarAlwaysOff
                                                                      : Qt::ScrollBarAsNeeded);
                widget = list;
                break;
            }
            case ControlKind::scrollbar:
                widget = new QScrollBar(Qt::Horizontal, parent);
                break;
        }
        widget->setObjectName(QString::fromStdString(c->key()));
        binder_->bind(*c, widget);
    }
    // Panes that open over others (the detail list, the year list) stay on top.
    for (const char* name : {"List5", "List2", "List3"})
        if (QWidget* w = binder_->widget(name)) w->raise();
}

void FormView::apply_layout(double scale) {
    if (scale <= 0 || scale > 1) scale = 1;
    applied_scale_ = scale;
    const QFont report = report_font(scale), plain = ui_font(scale), title = title_font(scale);
    for (auto [control, widget] : binder_->widgets()) {
        if (const auto rect = form_rect(control->name, control->index))
            widget->setGeometry(scaled(lengthened(*rect, control->extra_height), scale));
        if (control->name == "Label10")
            widget->setFont(title);
        else
            widget->setFont(uses_report_font(control->name) ? report : plain);
    }
    // The caption labels start their text where the pane below starts its lines.
    if (auto* list = qobject_cast<QListWidget*>(binder_->widget("List4"))) {
        const int inset = list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) +
                          1;
        for (const char* name : {"Label6", "Label7"})
            if (auto* label = qobject_cast<QLabel*>(binder_->widget(name))) label->setIndent(inset);
    }
    menuBar()->setFont(plain);
    form_->setFixedSize(form_size() * scale);
    setMaximumSize(full_size());
    resize(full_size());
}

QSize FormView::full_size() const {
    return form_->size() + QSize(0, menuBar()->sizeHint().height());
}

void FormView::apply_pane_lengths() {
    for (auto [control, widget] : binder_->widgets()) {
        if (control->kind != ControlKind::list) continue;
        const auto rect = form_rect(control->name, control->index);
        if (!rect) continue;
        const QRect wanted = scaled(lengthened(*rect, control->extra_height), applied_scale_);
        if (widget->geometry() != wanted) widget->setGeometry(wanted);
    }
}

void FormView::sync_all() {
    if (finished_) return;
    ui::Window& main = model_.main();
    if (main.scale != applied_scale_) apply_layout(main.scale);
    binder_->sync();
    apply_pane_lengths();
    const QString caption = to_qstring(main.caption);
    if (windowTitle() != caption) setWindowTitle(caption);

    notice_->sync();
    if (model_.notice().visible && !notice_->isVisible()) {
        notice_->show();
    } else if (!model_.notice().visible && notice_->isVisible()) {
        notice_->hide();
    }

    dialog_->sync();
    if (!model_.dialog().visible && dialog_->isVisible()) dialog_->done(QDialog::Accepted);
    graph_->sync();
    if (!model_.graph().visible && graph_->isVisible()) graph_->done(QDialog::Accepted);
    summary_->sync();
    if (!model_.summary().visible && summary_->isVisible()) summary_->done(QDialog::Accepted);
    clubs_->sync();
    if (!model_.clubs().visible && clubs_->isVisible()) clubs_->done(QDialog::Accepted);

    if (main.visible && !isVisible())
        show_centred();
    else if (!main.visible && isVisible())
        hide();
}

void FormView::show_centred() {
    place_on_screen();
    show();
    clock_.start();
}

void FormView::place_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // Should the frame take more than the layout foresaw, the window keeps within the screen
    // and scrolls.
    const QRect free = screen->availableGeometry();
    resize(full_size().boundedTo(free.size() - window_frame(*this)));
    QRect placed = frameGeometry();
    placed.moveCenter(free.center());
    move(placed.topLeft());
}

void FormView::fit_to_screen() {
    if (finished_ || !isVisible()) return;
    model_.screen_room_changed();
    sync_all();
    place_on_screen();
}

bool FormView::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // The window system frames a window only after it is shown, and tells no event of its own
    // when it does: the layout, fitted to a foreseen frame, fits again once the real one is
    // known, and again should it change (not on every move by the user).
    if (isVisible() && !finished_ && window_frame(*this) != fitted_frame_) {
        fitted_frame_ = window_frame(*this);
        fit_to_screen();
    }
    return handled;
}

void FormView::after_event() {
    sync_all();
    if (model_.ended()) {
        finish();
        return;
    }
    if (model_.dialog().visible && !dialog_running_) run_dialog();
    if (model_.graph().visible && !graph_->isVisible()) run_modal(*graph_, model_.graph());
    if (model_.summary().visible && !summary_->isVisible()) run_modal(*summary_, model_.summary());
    if (model_.clubs().visible && !clubs_->isVisible()) run_modal(*clubs_, model_.clubs());
}

void FormView::run_modal(QDialog& view, const ui::Window& window) {
    // Until the model closes the window (its button, or the frame's close button).
    view.setModal(true);
    while (window.visible && !model_.ended()) view.exec();
    sync_all();
    if (model_.ended()) finish();
}

void FormView::run_dialog() {
    dialog_running_ = true;
    dialog_->sync();
    dialog_->adjustSize();
    dialog_->exec();  // until the model hides the dialog (its OK button)
    dialog_running_ = false;
    sync_all();
    if (model_.ended()) finish();
}

void FormView::tick() {
    if (finished_ || model_.ended()) return;
    model_.Timer1_Timer();
    binder_->sync("Label5");
}

void FormView::closeEvent(QCloseEvent* event) {
    if (finished_ || model_.ended()) {
        event->accept();
        finish();
        return;
    }
    event->ignore();
    model_.request_close();
    after_event();
}

void FormView::finish() {
    if (finished_) return;
    finished_ = true;
    clock_.stop();
    services_.set_refresh({});
    notice_->hide();
    if (dialog_->isVisible()) dialog_->done(QDialog::Rejected);
    if (graph_->isVisible()) graph_->done(QDialog::Rejected);
    if (summary_->isVisible()) summary_->done(QDialog::Rejected);
    if (clubs_->isVisible()) clubs_->done(QDialog::Rejected);
    hide();
    emit finished();
}

}  // namespace tev::qt
