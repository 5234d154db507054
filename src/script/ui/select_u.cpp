#include "script/ui/select_u.h"

#include "script/texts.h"

namespace textaria::script {

TForm28::TForm28(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form28"));
    setWindowTitle(QString::fromUtf8(texts::kSelectCaption));
    setModal(true);
}

}  // namespace textaria::script
