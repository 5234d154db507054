#include "calc/ui/escape_poll.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace textaria::calc {

namespace {
// Often enough to feel immediate, rarely enough not to slow the numerics down.
constexpr auto kEventInterval = std::chrono::milliseconds(20);
}  // namespace

EscapePoll::EscapePoll(QObject* parent) : QObject(parent) {}

void EscapePoll::start() {
    if (running_) return;
    running_ = true;
    escape_ = false;
    lastEvents_ = std::chrono::steady_clock::now();
    QCoreApplication::instance()->installEventFilter(this);
}

void EscapePoll::stop() {
    if (!running_) return;
    running_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
}

EscapePollSuspension::EscapePollSuspension(EscapePoll& poll)
    : poll_(poll), wasRunning_(poll.running_) {
    if (wasRunning_) QCoreApplication::instance()->removeEventFilter(&poll_);
}

EscapePollSuspension::~EscapePollSuspension() {
    if (wasRunning_ && poll_.running_) QCoreApplication::instance()->installEventFilter(&poll_);
}

bool EscapePoll::escapePressed() {
    const auto now = std::chrono::steady_clock::now();
    if (running_ && now - lastEvents_ >= kEventInterval) {
        lastEvents_ = now;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return escape_;
}

bool EscapePoll::eventFilter(QObject* watched, QEvent* event) {
    if (!running_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) escape_ = true;
            return true;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Close:
        case QEvent::ContextMenu:
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace textaria::calc
