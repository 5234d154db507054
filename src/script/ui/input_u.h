// The data entry dialog: one row of edit cells whose contents a script reads as one
// comma-separated text. The rules live in script/entry_dialog.h; this window lays the cells out,
// forwards Enter and double clicks, and reports the cells when it closes.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "script/entry_dialog.h"
#include "script/input_dialogs.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace textaria::script {

class TForm27 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm27(QWidget* parent = nullptr);

    // The font of the script editor's entry line; the window takes it and derives the cells',
    // prompt's and button's fonts from it.
    void setEntryLineFont(const QFont& font);

    // PrepareEntry and activation, then the modal loop; EntryResult, or nothing after Escape.
    // The window's position on closing is stored in `position`.
    std::optional<std::string> enterData(const EntryRequest& request, DialogPosition& position);

    // Activation without the modal loop, for callers that drive the window themselves.
    void prepare(const EntryRequest& request);
    // After closing: EntryResult, or nothing when Escape closed the window.
    const std::optional<std::string>& result() const { return result_; }
    DialogPosition closedAt() const { return closedAt_; }

    // The calculator on a double click: `show` opens it modally, `result` gives its
    // CalculatorResult. The application sets both; unset, a double click does nothing.
    struct CalculatorHook {
        std::function<void()> show;
        std::function<std::string()> result;
    };
    CalculatorHook calculator;

    // Where the window opens, on the screen (see entryPosition). Unset or empty, it opens where
    // it was.
    std::function<std::optional<EntryAnchor>()> anchor;

    QFrame* StringGrid1 = nullptr;
    std::vector<QLineEdit*> cells;
    QPushButton* Button1 = nullptr;  // "<ok>"
    QLabel* Label1 = nullptr;        // the prompt

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int r) override;

  private:
    void cellEnter(int index);
    void layoutCells(int count);

    static constexpr int kGridWidth = 320;  // EntryGridWidth, as designed
    static constexpr int kMargin = 5;
    bool calculatorAllowed_ = false;
    bool escaped_ = false;
    std::optional<std::string> result_;
    DialogPosition closedAt_;
};

}  // namespace textaria::script
