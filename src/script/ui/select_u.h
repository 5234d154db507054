// The selection box: a row of radio buttons under a prompt; the chosen button's index is the
// answer.
#pragma once

#include <QDialog>

namespace textaria::script {

class TForm28 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm28(QWidget* parent = nullptr);
};

}  // namespace textaria::script
