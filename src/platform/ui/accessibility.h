// What screen readers and keyboard users need of every window: names and descriptions of the
// controls, a tab order that follows the window's reading order, and a clearly visible frame
// around the control that has the keyboard focus.
#pragma once

#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace textaria::platform {

// The name (and, when given, the description) a screen reader announces for the widget.
void describeForScreenReaders(QWidget* widget, std::string_view name,
                              std::string_view description = {});

// Tab moves through the widgets in this order (null entries are skipped).
void chainTabOrder(std::initializer_list<QWidget*> widgets);
void chainTabOrder(const std::vector<QWidget*>& widgets);

// A frame drawn around the button or entry field of its window that holds the keyboard focus,
// so a learner without a mouse always sees where a key goes. It draws outside the control (the
// answer fields keep their frameless look), follows it when it moves, resizes or hides, and
// takes no clicks and no focus itself.
class FocusFrame final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 2;
    static const QColor& colour();

    // Installs the frame on `window` (a top-level widget), which owns it.
    static FocusFrame* install(QWidget* window);

    QWidget* target() const { return target_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit FocusFrame(QWidget* window);
    void follow(QWidget* widget);
    void place();

    QWidget* window_;
    QPointer<QWidget> target_;
    std::vector<QPointer<QWidget>> watched_;  // the target and its parents up to the window
};

}  // namespace textaria::platform
