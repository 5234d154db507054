// Escape for long calculator commands: while a command runs, the application's input goes
// through this filter. Escape is remembered, every other key or click is held back so the
// window cannot be changed under the running command, and asking keeps the windows painted.
#pragma once

#include <QObject>
#include <chrono>

#include "calc/calculator_interrupt.h"

namespace textaria::calc {

class EscapePoll final : public QObject, public InterruptPoll {
    Q_OBJECT
  public:
    explicit EscapePoll(QObject* parent = nullptr);

    // Watches the application's input from start() to stop(); start() forgets earlier Escapes.
    void start();
    void stop();
    bool running() const { return running_; }

    bool escapePressed() override;

  protected:
    friend class EscapePollSuspension;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool running_ = false;
    bool escape_ = false;
    std::chrono::steady_clock::time_point lastEvents_;
};

// Lets the user answer a message box that a running command shows: the input goes to the
// box, not to the filter, until the scope ends. An Escape seen before stays remembered.
class EscapePollSuspension {
  public:
    explicit EscapePollSuspension(EscapePoll& poll);
    ~EscapePollSuspension();
    EscapePollSuspension(const EscapePollSuspension&) = delete;
    EscapePollSuspension& operator=(const EscapePollSuspension&) = delete;

  private:
    EscapePoll& poll_;
    bool wasRunning_;
};

// start() on construction, stop() on leaving the scope, also by an exception.
class EscapePollScope {
  public:
    explicit EscapePollScope(EscapePoll& poll) : poll_(poll) { poll_.start(); }
    ~EscapePollScope() { poll_.stop(); }
    EscapePollScope(const EscapePollScope&) = delete;
    EscapePollScope& operator=(const EscapePollScope&) = delete;

  private:
    EscapePoll& poll_;
};

}  // namespace textaria::calc
