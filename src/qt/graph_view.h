// The graph window of the program: draws the model's line segments with QPainter, scaling the
// graph's own units to the drawing area (x in twips, y in the window's vertical scale), and
// places the model's name boxes at the ends of the lines, the date boxes under the ends of the
// window, the scroll bar between them and the league and club choices below. It decides
// nothing: every click, scroll and close goes to the model's handlers. Its own button saves the
// picture as PNG.
#pragma once

#include <QDialog>
#include <functional>

#include "qt/window_binder.h"

namespace tev::ui {
class MainWindow;
}

namespace tev::qt {

class GraphCanvas;

class GraphView : public QDialog {
    Q_OBJECT

  public:
    GraphView(ui::MainWindow& model, std::function<void()> after_event, QWidget* parent = nullptr);

    WindowBinder& binder() { return *binder_; }
    GraphCanvas& canvas() { return *canvas_; }

    // Copies the window's caption, drawing and controls into the widgets and places the name
    // boxes for the graph's mode.
    void sync();

    // Writes what the window shows (the lines, their names and dates) to `file` as PNG; false
    // when it could not be written. Its button asks the model, which asks for the file first.
    bool save_png(const QString& file);

  protected:
    // Escape and the frame's close button close the window as the model's close does.
    void reject() override;

  private:
    void place_name_boxes();

    ui::MainWindow& model_;
    std::function<void()> after_event_;
    ui::Window& window_;
    WindowBinder* binder_;
    GraphCanvas* canvas_;
    int placed_height_ = -1;
};

// The drawing area: paints the window's segments; `to_pixels` maps the graph's units.
class GraphCanvas : public QWidget {
    Q_OBJECT

  public:
    GraphCanvas(ui::Window& window, QWidget* parent);

    // The pixel point of a point in the graph's units.
    QPointF to_pixels(double x, double y) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ui::Window& window_;
};

}  // namespace tev::qt
