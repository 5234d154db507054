#include "platform/ui/accessibility.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>

namespace textaria::platform {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void describeForScreenReaders(QWidget* widget, std::string_view name,
                              std::string_view description) {
    if (!widget) return;
    widget->setAccessibleName(fromUtf8(name).trimmed());
    if (!description.empty()) widget->setAccessibleDescription(fromUtf8(description).simplified());
}

void chainTabOrder(const std::vector<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (!w) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    chainTabOrder(std::vector<QWidget*>(widgets));
}

const QColor& FocusFrame::colour() {
    // Dark orange: stands out on the white page, the grey dialogs and the blue window alike.
    static const QColor kColour(230, 110, 0);
    return kColour;
}

FocusFrame* FocusFrame::install(QWidget* window) {
    auto* frame = new FocusFrame(window);
    frame->follow(QApplication::focusWidget());
    return frame;
}

FocusFrame::FocusFrame(QWidget* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

namespace {

// Buttons and entry fields get the frame; text views and lists show their own caret.
bool wantsFrame(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget);
}

}  // namespace

void FocusFrame::follow(QWidget* widget) {
    for (const auto& w : watched_)
        if (w) w->removeEventFilter(this);
    watched_.clear();
    const bool ours = widget && wantsFrame(widget) && widget->window() == window_;
    target_ = ours ? widget : nullptr;
    if (!target_) {
        hide();
        return;
    }
    for (QWidget* w = target_; w && w != window_; w = w->parentWidget()) {
        w->installEventFilter(this);
        watched_.emplace_back(w);
    }
    place();
}

void FocusFrame::place() {
    if (!target_ || !target_->isVisibleTo(window_)) {
        hide();
        return;
    }
    QRect area(target_->mapTo(window_, QPoint(0, 0)), target_->size());
    area.adjust(-kWidth, -kWidth, kWidth, kWidth);
    // A control scrolled partly out of its parent shows the frame only where it is seen.
    for (QWidget* w = target_->parentWidget(); w && w != window_; w = w->parentWidget())
        area &= QRect(w->mapTo(window_, QPoint(0, 0)), w->size());
    if (area.isEmpty()) {
        hide();
        return;
    }
    setGeometry(area);
    raise();
    show();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(colour());
    pen.setWidth(kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

}  // namespace textaria::platform
