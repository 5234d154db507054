// The data entry dialog: one row of edit cells whose contents a script reads as one
// comma-separated text.
#pragma once

#include <QDialog>

namespace textaria::script {

class TForm27 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm27(QWidget* parent = nullptr);
};

}  // namespace textaria::script
