#include "qt/graph_view.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

#include "core/history/history_graph.h"
#include "qt/look.h"
#include "qt/qt_text.h"
#include "ui/main_window.h"

namespace tev::qt {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMargin = 12;
constexpr int kCanvasWidth = 9600 / kTwipsPerPixel;  // the drawing's x reaches 8300 twips
constexpr int kCanvasHeight = 440;
constexpr int kNameX = 8380;                          // name boxes start just after the lines' ends
constexpr int kNameWidth = 84;
constexpr int kBoxHeight = 22;
constexpr int kDateWidth = 56;
constexpr int kLeftEnd = 300, kRightEnd = 8100;       // x of the window's first and last day

}  // namespace

GraphCanvas::GraphCanvas(ui::Window& window, QWidget* parent) : QWidget(parent), window_(window) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

QPointF GraphCanvas::to_pixels(double x, double y) const {
    const int units = window_.scale_height > 0 ? window_.scale_height : 1;
    return {x / kTwipsPerPixel, y * height() / units};
}

void GraphCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ui::LineSegment& s : window_.drawing) {
        QPen pen(to_qcolor(s.color));
        pen.setWidthF(s.width);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(to_pixels(s.x1, s.y1), to_pixels(s.x2, s.y2));
    }
}

GraphView::GraphView(ui::MainWindow& model, std::function<void()> after_event, QWidget* parent)
    : QDialog(parent),
      model_(model),
      after_event_(after_event),
      window_(model.graph()),
      binder_(new WindowBinder(window_, std::move(after_event), this)),
      canvas_(new GraphCanvas(window_, this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(ui_font());
    canvas_->setGeometry(kMargin, kMargin, kCanvasWidth, kCanvasHeight);
    const auto x_of = [](int twips) { return kMargin + twips / kTwipsPerPixel; };
    const int dates_y = kMargin + kCanvasHeight + 6;
    const int bar_y = dates_y + kBoxHeight + 4;
    const int choice_y = bar_y + 24;
    int option_x = kMargin, check_x = kMargin + 200;
    for (auto& c : window_.controls()) {
        QWidget* widget = nullptr;
        const std::string& name = c->name;
        if (name == "Option1") {
            widget = new QRadioButton(this);
            widget->setGeometry(option_x, choice_y, 92, kBoxHeight);
            option_x += 96;
        } else if (name == "Check1") {
            widget = new QCheckBox(this);
            widget->setGeometry(check_x, choice_y, 74, kBoxHeight);
            check_x += 76;
        } else if (name == "HScroll1") {
            widget = new QScrollBar(Qt::Horizontal, this);
            widget->setGeometry(x_of(kLeftEnd), bar_y, (kRightEnd - kLeftEnd) / kTwipsPerPixel, 18);
        } else if (c->kind == ui::ControlKind::text) {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
            edit->setAlignment(Qt::AlignCenter);
            widget = edit;
            if (name == "Text7") edit->setGeometry(x_of(kLeftEnd) - kDateWidth / 2, dates_y, kDateWidth, kBoxHeight);
            if (name == "Text8") edit->setGeometry(x_of(kRightEnd) - kDateWidth / 2, dates_y, kDateWidth, kBoxHeight);
        }
        if (widget == nullptr) continue;
        widget->setObjectName(QString::fromStdString(c->key()));
        binder_->bind(*c, widget);
    }
    // Saving the picture is the view's own business: the model's window has no such control.
    const int width = std::max(x_of(kNameX) + kNameWidth, check_x) + kMargin;
    const int save_y = choice_y + kBoxHeight + 6;
    auto* save = new QPushButton(QStringLiteral("画像を保存(&S)…"), this);
    save->setObjectName(QStringLiteral("save_png"));
    save->setAutoDefault(false);
    save->setGeometry(width - kMargin - 120, save_y, 120, 26);
    connect(save, &QPushButton::clicked, this, [this] {
        model_.save_graph_picture();
        after_event_();
    });
    setFixedSize(width, save_y + 26 + kMargin);
}

bool GraphView::save_png(const QString& file) {
    // The picture is the graph, not the window's own button.
    QWidget* save = findChild<QWidget*>(QStringLiteral("save_png"));
    if (save != nullptr) save->hide();
    const QPixmap picture = grab();
    if (save != nullptr) save->show();
    return picture.save(file, "PNG");
}

void GraphView::place_name_boxes() {
    // Each place's box sits where the lines of that place end: a percentage line's tail, or the
    // level of a place in the rank graph.
    if (placed_height_ == window_.scale_height) return;
    placed_height_ = window_.scale_height;
    const GraphMode mode = model_.graph_state().mode;
    for (int place = 1; place <= 6; ++place) {
        QWidget* box = binder_->widget("Text" + std::to_string(place));
        if (box == nullptr) continue;
        const QPointF at = canvas_->to_pixels(kNameX, graph_place_y(mode, place));
        box->setGeometry(kMargin + static_cast<int>(at.x()), kMargin + static_cast<int>(at.y()) - kBoxHeight / 2,
                         kNameWidth, kBoxHeight);
        box->raise();
    }
}

void GraphView::sync() {
    const QString caption = to_qstring(window_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    if (auto* bar = qobject_cast<QScrollBar*>(binder_->widget("HScroll1"))) {
        const ui::Control& c = window_.at("HScroll1");
        if (bar->minimum() != c.scroll_min || bar->maximum() != c.scroll_max) bar->setRange(c.scroll_min, c.scroll_max);
    }
    binder_->sync();
    place_name_boxes();
    canvas_->update();
}

void GraphView::reject() { binder_->forward(ui::kFormName, -1, ui::Event::close); }

}  // namespace tev::qt
