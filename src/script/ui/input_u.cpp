#include "script/ui/input_u.h"

#include "script/texts.h"

namespace textaria::script {

TForm27::TForm27(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form27"));
    setWindowTitle(QString::fromUtf8(texts::kEntryCaption));
    setModal(true);
}

}  // namespace textaria::script
