// Image1: shows the drawing surface. Dragging with the left button moves its panel; a right
// click shows the world coordinates of the point, or is judged by a lesson's click check.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/ui/qt_canvas.h"
#include "script/draw_context.h"

namespace textaria::script {

class SurfaceView : public QWidget {
    Q_OBJECT

  public:
    SurfaceView(platform::QtCanvas& canvas, DrawingContext& drawing, QWidget* parent);

    // The text of the last right click, "P(x/y)".
    const QString& lastCoordinates() const { return lastCoordinates_; }

    // Asked first on a right click (a lesson's click check); true when it took the click.
    std::function<bool(QPoint at)> takeRightClick;

  signals:
    // The panel was dragged to a new place (its top-left corner in the parent).
    void panelMoved(QPoint topLeft);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void Image1MouseDown(QMouseEvent* event);

    platform::QtCanvas& canvas_;
    DrawingContext& drawing_;
    QPoint dragStart_;
    QString lastCoordinates_;
};

}  // namespace textaria::script
