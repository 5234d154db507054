// Colours of the main window's lesson player, shared by its parts.
#pragma once

#include <QColor>
#include <QPalette>
#include <QTextEdit>

namespace textaria::player {

// The list page, the project menu while it waits, and the answer list panel.
inline const QColor kListBackground(220, 220, 240);
inline const QColor kListText(128, 0, 0);

inline void setViewBackground(QTextEdit& view, const QColor& colour) {
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, colour);
    view.setPalette(palette);
}

}  // namespace textaria::player
