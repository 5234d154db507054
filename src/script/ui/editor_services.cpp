#include "script/ui/editor_services.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QThread>

#include "calc/numeric_number.h"

namespace textaria::script {

namespace {

std::int64_t nowMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

}  // namespace

EditorKeys::EditorKeys() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->installEventFilter(this);
}

EditorKeys::~EditorKeys() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

void EditorKeys::reset() {
    escape_ = false;
    pressed_.clear();
}

bool EditorKeys::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Escape:
                escape_ = true;
                pressed_.insert(ScriptKey::Escape);
                break;
            case Qt::Key_F2:
                pressed_.insert(ScriptKey::F2);
                break;
            case Qt::Key_F4:
                pressed_.insert(ScriptKey::F4);
                break;
            case Qt::Key_F5:
                pressed_.insert(ScriptKey::F5);
                break;
            case Qt::Key_F7:
                pressed_.insert(ScriptKey::F7);
                break;
            default:
                break;
        }
    }
    return false;
}

// Window events every 50 ms at most: a search asks thousands of times a second.
void EditorKeys::keepAlive() {
    const std::int64_t now = nowMs();
    if (now - lastEvents_ < 50) return;
    lastEvents_ = now;
    QCoreApplication::processEvents();
}

bool EditorKeys::escapePressed() {
    keepAlive();
    return escape_;
}

bool EditorKeys::escapeHeld() { return escapePressed(); }

bool EditorKeys::takeKey(ScriptKey key) { return pressed_.erase(key) > 0; }

bool EditorKeys::waitMilliseconds(std::int64_t milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (escape_) return true;
        QThread::msleep(5);
    }
    return false;
}

std::optional<std::string> EditorInputDialogs::enterData(const EntryRequest& request) {
    const std::string prompt = request.kind == 1 ? request.prompt : request.names;
    return dialogs_.inputBox(request.names, prompt, request.defaults);
}

int EditorInputDialogs::select(const SelectRequest& request) {
    const auto answer = dialogs_.inputBox("", request.prompt, "1");
    if (!answer) return -1;
    const auto number = calc::readNumber(*answer);
    if (!number || *number < 0 || *number >= request.count) return -1;
    return static_cast<int>(*number);
}

}  // namespace textaria::script
