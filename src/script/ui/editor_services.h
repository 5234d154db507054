// What a run in the editor window needs from the outside: Escape and the keys of boxes from the
// keyboard, the window's printing and calculator, and the input dialogs.
#pragma once

#include <QObject>
#include <functional>
#include <set>

#include "platform/user_dialogs.h"
#include "script/draw_host.h"
#include "script/input_dialogs.h"
#include "script/script_environment.h"

namespace textaria::script {

// Records Escape (and the function keys a run asks for) from the application's key events and
// keeps the windows alive while a long computation asks.
class EditorKeys final : public QObject, public ScriptKeys {
    Q_OBJECT

  public:
    EditorKeys();
    ~EditorKeys() override;

    void reset();
    bool escapePressed() override;
    bool escapeHeld() override;
    bool takeKey(ScriptKey key) override;
    bool waitMilliseconds(std::int64_t milliseconds) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keepAlive();

    bool escape_ = false;
    std::set<ScriptKey> pressed_;
    std::int64_t lastEvents_ = 0;
};

// The window's part of the host: printing the drawing (F4 in a box), the lesson picture (F5)
// and the calculator (F7).
class EditorHost final : public DrawingHost {
  public:
    EditorHost(DrawingContext& drawing, std::function<void()> print,
               std::function<void()> printLesson, std::function<void()> calculator)
        : DrawingHost(drawing),
          print_(std::move(print)),
          printLesson_(std::move(printLesson)),
          calculator_(std::move(calculator)) {}

    void printDrawing() override {
        if (print_) print_();
    }
    void printLessonPicture() override {
        if (printLesson_) printLesson_();
    }
    void openCalculator() override {
        if (calculator_) calculator_();
    }

  private:
    std::function<void()> print_;
    std::function<void()> printLesson_;
    std::function<void()> calculator_;
};

// The data entry grid and the selection box asked through input boxes.
class EditorInputDialogs final : public InputDialogs {
  public:
    explicit EditorInputDialogs(platform::UserDialogs& dialogs) : dialogs_(dialogs) {}
    std::optional<std::string> enterData(const EntryRequest& request) override;
    int select(const SelectRequest& request) override;

  private:
    platform::UserDialogs& dialogs_;
};

}  // namespace textaria::script
