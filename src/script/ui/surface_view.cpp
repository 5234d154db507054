#include "script/ui/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "calc/numeric_number.h"

namespace textaria::script {

SurfaceView::SurfaceView(platform::QtCanvas& canvas, DrawingContext& drawing, QWidget* parent)
    : QWidget(parent), canvas_(canvas), drawing_(drawing) {
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(canvas.width(), canvas.height());
}

void SurfaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.image());
}

void SurfaceView::mousePressEvent(QMouseEvent* event) { Image1MouseDown(event); }

void SurfaceView::Image1MouseDown(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        dragStart_ = at;
        return;
    }
    if (event->button() == Qt::RightButton) {
        if (takeRightClick && takeRightClick(at)) {
            update();
            return;
        }
        const calc::Point2 p = drawing_.pixelToWorld(at.x(), at.y());
        lastCoordinates_ = QStringLiteral("P(%1/%2)")
                               .arg(QString::fromStdString(calc::formatFixedTrimmed(p.x, 0, 2)))
                               .arg(QString::fromStdString(calc::formatFixedTrimmed(p.y, 0, 2)));
        QToolTip::showText(event->globalPosition().toPoint(), lastCoordinates_, this);
    }
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || parentWidget() == nullptr) return;
    QWidget* panel = parentWidget();
    const QPoint moved = panel->pos() + event->position().toPoint() - dragStart_;
    panel->move(moved);
    emit panelMoved(moved);
}

}  // namespace textaria::script
