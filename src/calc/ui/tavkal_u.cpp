#include "calc/ui/tavkal_u.h"

namespace textaria::calc {

TForm13::TForm13(FormulaVariables& variables, QWidget* parent)
    : QDialog(parent), variables_(variables) {
    setWindowTitle(QStringLiteral("QXR - Taschenrechner"));
}

}  // namespace textaria::calc
