// The main window for screen readers and the keyboard: names, descriptions, the tab order
// and the focus frame.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>
#include <string>

#include "platform/ui/accessibility.h"
#include "player/help_text.h"
#include "player/texts.h"
#include "player/ui/panel4.h"
#include "player/ui/tform1.h"

namespace textaria::player {

using platform::describeForScreenReaders;

void TForm1::describeControls() {
    describeForScreenReaders(this, texts::kAccessibleWindow, texts::kAccessibleWindowDescription);
    // Buttons keep their caption as name ("Laden" becomes "Auswahl" with it).
    Button3->setAccessibleDescription(QString::fromUtf8(texts::kDescribeLoad));
    const auto help = [](const char* command) { return QString::fromStdString(helpFor(command)); };
    Button1->setAccessibleDescription(help("<Hilfe>"));
    Button8->setAccessibleDescription(help("<Liste>"));
    Button6->setAccessibleDescription(help("<Bewerten>"));
    Button5->setAccessibleDescription(help("<Lücken>"));
    Button13->setAccessibleDescription(help("<Schrift>"));
    Button4->setAccessibleDescription(help("<Drucken>"));
    Button7->setAccessibleDescription(help("<Beenden>"));
    describeForScreenReaders(Label20, texts::kDownLabel, helpFor("[Dn]"));
    describeForScreenReaders(Label21, texts::kUpLabel, helpFor("[Up]"));
    describeForScreenReaders(Label4, texts::kRepeatLabel, helpFor("[Rep]"));
    describeForScreenReaders(Label24, texts::kAccessibleCounter);
    describeForScreenReaders(Panel1, texts::kAccessibleStatus);
    describeForScreenReaders(RichEdit1, texts::kAccessiblePage);
    describeForScreenReaders(Image1, texts::kAccessiblePicture);
    describeForScreenReaders(Panel5, texts::kAccessiblePicture);
    describeForScreenReaders(RichEdit2, texts::kAccessibleAnswerList);
    for (std::size_t i = 0; i < gapFields.size(); ++i)
        describeForScreenReaders(gapFields[i], texts::kAccessibleGap + std::to_string(i + 1));
    describeForScreenReaders(Panel4, texts::kAccessibleMediaPanel);
    describeForScreenReaders(Panel4->ScrollBar1, texts::kAccessibleSoundPosition);
    for (int b = 0; b <= static_cast<int>(PlayerButton::Back); ++b)
        if (QToolButton* button = Panel4->playerButton(static_cast<PlayerButton>(b)))
            describeForScreenReaders(button, button->toolTip().toStdString());

    describeForScreenReaders(Memo1, texts::kAccessibleHelp);

    // The page first, then its answers in the order of the text, then "Bewerten" (what comes
    // after the answers), the other buttons left to right, the status, help and side lists.
    std::vector<QWidget*> order{RichEdit1};
    order.insert(order.end(), gapFields.begin(), gapFields.end());
    order.insert(order.end(), {Button6, Button1, Button3, Button8, Button5, Button13, Button4,
                               Button7, Panel1, Memo1, RichEdit2});
    for (int b = 0; b <= static_cast<int>(PlayerButton::Back); ++b)
        order.push_back(Panel4->playerButton(static_cast<PlayerButton>(b)));
    order.insert(order.end(),
                 {Panel4->ScrollBar1, Panel4->Button12, Panel4->Button10, Panel4->Button11});
    platform::chainTabOrder(order);
    platform::FocusFrame::install(this);
}

}  // namespace textaria::player
