// The sound recorder window: records a short spoken answer and plays it back.
#pragma once

#include <QWidget>

namespace textaria::player {

class TForm30 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm30(QWidget* parent = nullptr);
};

}  // namespace textaria::player
