// The calculator window: an entry line, a result line and the variable list.
#pragma once

#include <QDialog>

#include "calc/eval_u.h"

namespace textaria::calc {

class TForm13 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm13(FormulaVariables& variables, QWidget* parent = nullptr);

  private:
    FormulaVariables& variables_;
};

}  // namespace textaria::calc
