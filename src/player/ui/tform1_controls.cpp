// The lesson player's controls in the main window, and how keys and clicks reach them.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "lesson/markup_text.h"
#include "lesson/scaling.h"
#include "lesson/texts.h"
#include "platform/user_dialogs.h"
#include "player/texts.h"
#include "player/ui/page_document.h"
#include "player/ui/panel4.h"
#include "player/ui/tform1.h"
#include "player/ui/tform1_look.h"

namespace textaria::player {

namespace {

// Places in the 1366 x 768 design; the start-up scaling fits them to the screen.
// "Hilfe" first, then "Laden", "Liste", "Bewerten", "Lücken", "Schrift", "Drucken", "Beenden",
// each as wide as its caption needs in the buttons' font.
constexpr QRect kHelpButtonDesign{8, 5, 48, 30};
constexpr QRect kButtonDesign[] = {{60, 5, 60, 30},  {124, 5, 50, 30}, {178, 5, 88, 30},
                                   {270, 5, 68, 30}, {342, 5, 64, 30}, {410, 5, 76, 30},
                                   {490, 5, 80, 30}};
constexpr QRect kDownDesign{574, 5, 56, 30};
constexpr QRect kUpDesign{632, 5, 56, 30};
constexpr QRect kRepeatDesign{690, 5, 62, 30};
constexpr QRect kCounterDesign{754, 5, 96, 30};
// Wide enough for the calculator hint, the longest status text, at 1366 x 768.
constexpr QRect kStatusDesign{852, 5, 506, 30};
constexpr QRect kListDesign{1036, 384, 314, 340};

QPushButton* makeButton(QWidget* parent, const char* name, const char* text, const QRect& place) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setFocusPolicy(Qt::TabFocus);  // a click must not take the focus from the answers
    // Two points under the window's font, so that eight captions fit beside the page labels.
    QFont font = button->font();
    font.setPointSize(lesson::kWindowFontPoints - 2);
    button->setFont(font);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, const QRect& place) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

void TForm1::createLessonControls() {
    CorrectionColour = QColor(220, 220, 240);

    Button3 = makeButton(this, "Button3", texts::kLoadButton, kButtonDesign[0]);
    Button8 = makeButton(this, "Button8", texts::kListButton, kButtonDesign[1]);
    Button6 = makeButton(this, "Button6", texts::kEvaluateButton, kButtonDesign[2]);
    Button5 = makeButton(this, "Button5", texts::kGapsButton, kButtonDesign[3]);
    Button13 = makeButton(this, "Button13", texts::kFontButton, kButtonDesign[4]);
    Button4 = makeButton(this, "Button4", texts::kPrintButton, kButtonDesign[5]);
    Button7 = makeButton(this, "Button7", texts::kEndButton, kButtonDesign[6]);
    Button1 = makeButton(this, "Button1", texts::kHelpButton, kHelpButtonDesign);
    connect(Button1, &QPushButton::clicked, this, [this] { player_->Button1Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { player_->Button3Click(); });
    connect(Button8, &QPushButton::clicked, this, [this] { player_->Button8Click(); });
    connect(Button6, &QPushButton::clicked, this, [this] { player_->Button6Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { player_->Button5Click(); });
    connect(Button13, &QPushButton::clicked, this, [this] { player_->Button13Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { player_->Button4Click(); });
    connect(Button7, &QPushButton::clicked, this, [this] { player_->Button7Click(); });

    // Status panel bold and 1 pt under the window font; the navigation labels 2 pt above it.
    QFont statusFont = font();
    statusFont.setPointSize(statusFont.pointSize() - 1);
    statusFont.setBold(true);
    QFont navigationFont = statusFont;
    navigationFont.setPointSize(statusFont.pointSize() + 2);

    Label20 = makeLabel(this, "Label20", texts::kDownLabel, kDownDesign);
    Label21 = makeLabel(this, "Label21", texts::kUpLabel, kUpDesign);
    Label4 = makeLabel(this, "Label4", texts::kRepeatLabel, kRepeatDesign);
    Label24 = makeLabel(this, "Label24", "[ 0 ]", kCounterDesign);
    for (QLabel* label : {Label20, Label21, Label4, Label24}) {
        label->setFont(navigationFont);
        label->setStyleSheet(QStringLiteral("color: white;"));
        label->installEventFilter(this);
        label->hide();
    }
    for (QLabel* label : {Label20, Label21, Label4}) label->setCursor(Qt::PointingHandCursor);

    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kStatusDesign);
    Panel1->setFont(statusFont);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    Panel1->setFocusPolicy(Qt::StrongFocus);  // "Bewerten" moves the focus here
    Panel1->setTextFormat(Qt::PlainText);
    Panel1->setWordWrap(true);

    createPictureControls();

    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(kListDesign);
    Panel3->setFrameShape(QFrame::Panel);
    Panel3->setAutoFillBackground(true);
    QPalette listColours = Panel3->palette();
    listColours.setColor(QPalette::Window, kListBackground);
    listColours.setColor(QPalette::WindowText, Qt::black);
    Panel3->setPalette(listColours);
    Label13 = new QLabel(Panel3);
    Label13->setObjectName(QStringLiteral("Label13"));
    Label13->setWordWrap(true);
    RichEdit2 = new QTextEdit(Panel3);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setReadOnly(true);
    auto* listLayout = new QVBoxLayout(Panel3);
    listLayout->setContentsMargins(4, 4, 4, 4);
    listLayout->addWidget(Label13);
    listLayout->addWidget(RichEdit2, 1);
    Panel3->hide();

    Panel4 = new player::Panel4(this);
    Panel4->media().setDialogs(&dialogs_);
    Panel4->media().setPrograms(&programs_);
    // Bottom left, where neither the picture nor the answer list can cover it.
    Panel4->move(8, 740 - Panel4->height() - 8);
    Panel4->hide();

    RichEdit3 = new QTextDocument(this);
    RichEdit3->setObjectName(QStringLiteral("RichEdit3"));
    savedSelection_ = new QTextDocument(this);

    gapFields = lesson::ui::createGapFields(*RichEdit1);
    for (std::size_t i = 0; i < gapFields.size(); ++i) {
        QLineEdit* field = gapFields[i];
        field->installEventFilter(this);
        // The field scrolls when the answer is longer than the gap; the player keeps the text.
        connect(field, &QLineEdit::textChanged, this, [this, i, field](const QString& text) {
            if (player_) player_->setAnswer(static_cast<int>(i) + 1, text.toStdString());
            // An answer longer than its gap widens the field up to the page's edge, so what
            // the learner typed stays readable.
            const int needed = field->fontMetrics().horizontalAdvance(text) + 8;
            const int room = RichEdit1->viewport()->width() - field->x();
            if (needed > field->width() && room > field->width())
                field->resize(std::min(needed, room), field->height());
        });
    }
    RichEdit1->installEventFilter(this);
    RichEdit1->viewport()->installEventFilter(this);
    // A right click on the page switches the drop mode; no menu of its own.
    RichEdit1->setContextMenuPolicy(Qt::NoContextMenu);
    RichEdit2->viewport()->installEventFilter(this);
    installEventFilter(this);
    createHelpControls();
    setUpKeyboard();
    describeControls();
}

void TForm1::connectLessonLoader() {
    connect(this, &TForm1::firstActivation, this, [this] { player_->startAppendedLesson(); });
}

int TForm1::gapFieldIndex(QObject* object) const {
    for (std::size_t i = 0; i < gapFields.size(); ++i)
        if (gapFields[i] == object) return static_cast<int>(i) + 1;
    return 0;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (pictureEvent(watched, event)) return true;
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // A click on an answer field or the window drops the picked word (FormClick); on the
        // release, so that the field's own press does not undo the selection.
        if (mouse->button() == Qt::LeftButton && (watched == this || gapFieldIndex(watched) != 0))
            player_->FormClick(gapFieldIndex(watched));
        if (mouse->button() == Qt::LeftButton &&
            (watched == Label20 || watched == Label21 || watched == Label4)) {
            emit calculatorReset();
            if (watched == Label20) player_->Label20Click();
            if (watched == Label21) player_->Label21Click();
            if (watched == Label4) player_->Label4Click();
        }
    } else if (type == QEvent::MouseButtonDblClick && gapFieldIndex(watched) != 0) {
        player_->calculatorFromField(gapFieldIndex(watched));
        return true;
    } else if (type == QEvent::MouseButtonPress && watched == RichEdit1->viewport()) {
        emit calculatorReset();
        auto* mouse = static_cast<QMouseEvent*>(event);
        RichEdit1MouseDown(mouse->position().toPoint(), mouse->button(), mouse->modifiers());
    } else if (type == QEvent::MouseButtonPress && watched == RichEdit2->viewport()) {
        player_->RichEdit2MouseDown(
            lineAtPoint(*RichEdit2, static_cast<QMouseEvent*>(event)->position().toPoint())
                .toStdString());
    } else if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (keyEvent(watched, key)) return true;
        const int field = gapFieldIndex(watched);
        if (type == QEvent::KeyPress && player_->capsLockOn() && field != 0 &&
            !key->text().isEmpty()) {
            const std::string typed = key->text().toStdString();
            const std::string capital = capsLockText(typed);
            if (capital != typed) {
                QKeyEvent upper(QEvent::KeyPress, key->key(), key->modifiers(),
                                QString::fromStdString(capital), key->isAutoRepeat(),
                                static_cast<quint16>(key->count()));
                QApplication::sendEvent(watched, &upper);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace textaria::player
