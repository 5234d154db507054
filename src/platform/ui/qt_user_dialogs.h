// The user dialogs as Qt message and input boxes.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/user_dialogs.h"

namespace textaria::platform {

class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    void information(std::string_view text) override;
    void informationAt(std::string_view text, ScreenPoint where) override;
    void informationTitled(std::string_view text, std::string_view caption) override;
    bool askYesNo(std::string_view text, std::string_view caption) override;
    DialogAnswer askYesNoCancel(std::string_view text, std::string_view caption) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;

    // The program's texts break lines with "\r"; Qt's boxes want "\n".
    static QString toDisplayText(std::string_view text);

  private:
    QPointer<QWidget> parent_;
};

}  // namespace textaria::platform
