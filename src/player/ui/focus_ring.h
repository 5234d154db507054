// A clearly visible frame around the control that has the keyboard focus, so a learner who
// works without a mouse always sees where a key goes. It follows the focus inside one window
// and draws outside the control, so answer fields keep their own colours and frameless look.
#pragma once

#include <QFocusFrame>

namespace textaria::player {

class FocusRing : public QFocusFrame {
    Q_OBJECT

  public:
    // Follows the focus among the controls of `window`.
    explicit FocusRing(QWidget* window);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void follow(QWidget* now);

    QWidget* window_;
};

}  // namespace textaria::player
