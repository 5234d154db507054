#include "player/ui/focus_ring.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace textaria::player {

namespace {

const QColor kRingColour(255, 150, 0);
constexpr int kRingWidth = 2;

// Buttons and answer fields get the ring; the page view and the lists show their own caret.
bool wantsRing(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) || qobject_cast<const QLineEdit*>(widget);
}

}  // namespace

FocusRing::FocusRing(QWidget* window) : QFocusFrame(window), window_(window) {
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();  // until a control takes the focus
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* now) {
    if (now && now->window() == window_ && wantsRing(now)) {
        setWidget(now);
        show();
        raise();
    } else {
        setWidget(nullptr);
        hide();
    }
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(kRingColour, kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(kRingWidth / 2.0, kRingWidth / 2.0, -kRingWidth / 2.0,
                                             -kRingWidth / 2.0));
}

}  // namespace textaria::player
