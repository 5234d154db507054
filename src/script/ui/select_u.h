// The selection box: a row of radio buttons under a prompt; the chosen button's index is the
// answer. The rules live in script/select_dialog.h; choosing a button closes the box at once.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "script/input_dialogs.h"
#include "script/select_dialog.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QRadioButton;

namespace textaria::script {

class TForm28 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm28(QWidget* parent = nullptr);

    // The font of the script editor's entry line; the buttons' and prompt's fonts follow it.
    void setEntryLineFont(const QFont& font);

    // Activation at `position`, the modal loop, then SelectResult; the box's position on
    // closing goes back into `position`, SelectEscaped into `escaped`.
    int select(const SelectRequest& request, DialogPosition& position, bool& escaped);

    // Activation without the modal loop, for callers that drive the window themselves.
    void prepare(const SelectRequest& request, DialogPosition at);
    int result() const { return result_; }
    bool escaped() const { return escaped_; }
    DialogPosition closedAt() const { return closedAt_; }

    QFrame* RadioGroup1 = nullptr;
    std::vector<QRadioButton*> buttons;
    QLabel* Label1 = nullptr;  // the prompt

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int r) override;

  private:
    static constexpr int kGroupWidth = 400;  // SelectGroupWidth, as designed
    QButtonGroup* group_ = nullptr;
    SelectRequest request_;
    int chosen_ = -1;
    bool escaped_ = false;
    int result_ = -1;
    DialogPosition closedAt_;
};

// Both dialog windows behind the interface the logic asks.
class QtInputDialogs : public InputDialogs {
  public:
    QtInputDialogs(class TForm27& entry, TForm28& selection) : entry_(entry), select_(selection) {}
    std::optional<std::string> enterData(const EntryRequest& request) override;
    int select(const SelectRequest& request) override;

  private:
    TForm27& entry_;
    TForm28& select_;
};

}  // namespace textaria::script
