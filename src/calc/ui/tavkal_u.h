// The calculator window: an entry line, three buttons, the help texts and the variable list.
// Every rule lives in Calculator; the handlers read the widgets, call it and show the answer.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/eval_u.h"
#include "platform/ui/qt_user_dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace textaria::calc {

class EscapePoll;

class TForm13 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm13(FormulaVariables& variables, QWidget* parent = nullptr);
    ~TForm13() override;

    // The calculator's state: CalculatorResult, ResetOnOpen, OuterVariables and the rest.
    Calculator& calculator() { return calculator_; }

    // Replacements for tests; null restores the window's own message boxes and processes.
    void setDialogs(platform::UserDialogs* dialogs);
    void setProgramLauncher(ProgramLauncher* launcher);

    // True while a command runs inside the key handler.
    bool computing() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormActivate();
    void FormClose();
    bool Edit1KeyDown(QKeyEvent* event);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void RichEdit1Click();

    EntryLine readEntry() const;
    void writeEntry(const EntryLine& line);
    void showAnswer(const std::string& text);
    void rebuildVariableList(int caretLine);
    void applyScreenGeometry();

    Calculator calculator_;
    platform::QtUserDialogs ownDialogs_;
    std::unique_ptr<ProgramLauncher> ownLauncher_;
    ProgramLauncher* launcher_ = nullptr;
    EscapePoll* escapePoll_ = nullptr;
    std::unique_ptr<platform::UserDialogs> dialogs_;  // answers reach the box while computing

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QLabel* Label8 = nullptr;
    std::vector<QLabel*> commandLabels_;
};

}  // namespace textaria::calc
