#include "player/ui/tavsound1_u.h"

namespace textaria::player {

TForm30::TForm30(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("TavSound"));
}

}  // namespace textaria::player
