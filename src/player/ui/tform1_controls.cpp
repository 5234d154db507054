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
constexpr QRect kButtonDesign[] = {
    {8, 5, 92, 30}, {106, 5, 92, 30}, {204, 5, 104, 30}, {314, 5, 92, 30}, {412, 5, 92, 30}};
constexpr QRect kDownDesign{516, 5, 72, 30};
constexpr QRect kUpDesign{592, 5, 72, 30};
constexpr QRect kRepeatDesign{668, 5, 82, 30};
constexpr QRect kCounterDesign{756, 5, 120, 30};
constexpr QRect kStatusDesign{884, 5, 474, 30};
constexpr QRect kPictureDesign{936, 56, 414, 316};
constexpr QRect kListDesign{1036, 384, 314, 340};

QPushButton* makeButton(QWidget* parent, const char* name, const char* text, const QRect& place) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setFocusPolicy(Qt::TabFocus);  // a click must not take the focus from the answers
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
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button13, &QPushButton::clicked, this, [this] { Button13Click(); });

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

    Panel5 = new QFrame(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setGeometry(kPictureDesign);
    Panel5->setFrameShape(QFrame::Panel);
    Panel5->setAutoFillBackground(true);
    Image1 = new QLabel(Panel5);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    auto* pictureLayout = new QVBoxLayout(Panel5);
    pictureLayout->setContentsMargins(4, 4, 4, 4);
    pictureLayout->addWidget(Image1);
    Panel5->hide();

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
    Panel4->move(kPictureDesign.right() - Panel4->width(), 740 - Panel4->height() - 8);
    Panel4->hide();

    RichEdit3 = new QTextDocument(this);
    RichEdit3->setObjectName(QStringLiteral("RichEdit3"));
    savedSelection_ = new QTextDocument(this);

    gapFields = lesson::ui::createGapFields(*RichEdit1);
    for (QLineEdit* field : gapFields) field->installEventFilter(this);
    RichEdit1->installEventFilter(this);
    RichEdit1->viewport()->installEventFilter(this);
    installEventFilter(this);
}

void TForm1::connectLessonLoader() {
    connect(this, &TForm1::firstActivation, this, [this] {
        if (!state_.appendedArchivePath.empty()) {
            // The program's own lesson: no "Laden", except to return to its project menu.
            LoadArchiveLesson(state_.appendedArchivePath, state_.selfContainedLesson, true);
            if (!player_.SelectionArchive) {
                Button3->hide();
                return;
            }
            player_.ListShown = true;
            player_.LaunchList = lesson::contains(lessonPlainText_, ".exe");
            RichEdit1->clear();
            setViewBackground(*RichEdit1, kListBackground);
            Button3->setText(QString::fromUtf8(texts::kSelectionButton));
            Button3->show();
            Button3->setFocus();
            setStatus(lesson::texts::kContinueWithSelection);
        } else if (!state_.openFile.empty()) {
            openLesson(state_.openFile);
        }
    });
    // Later starts of the program name their file while this window runs.
    connect(this, &TForm1::openRequested, this, [this](const QString& file) {
        if (!state_.activated) return;  // the first activation opens it
        if (player_.TestMode && !player_.TestFinished) {
            dialogs_.information(lesson::texts::kFinishTestFirst);
            return;
        }
        openLesson(file.toStdString());
    });
}

bool TForm1::isGapField(QObject* object) const {
    for (QLineEdit* field : gapFields)
        if (field == object) return true;
    return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            (watched == Label20 || watched == Label21 || watched == Label4)) {
            emit calculatorReset();
            if (watched == Label20) Label20Click();
            if (watched == Label21) Label21Click();
            if (watched == Label4) Label4Click();
        }
    } else if (type == QEvent::MouseButtonDblClick && isGapField(watched)) {
        FormDblClick(static_cast<QLineEdit*>(watched));
        return true;
    } else if (type == QEvent::MouseButtonPress && watched == RichEdit1->viewport()) {
        emit calculatorReset();
        RichEdit1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        if (watched != this && watched != RichEdit1 && !isGapField(watched)) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_PageDown:
            case Qt::Key_PageUp:
            case Qt::Key_F2:
            case Qt::Key_F9:
            case Qt::Key_F11:
            case Qt::Key_F12:
                // Acting on the release, as the window's key-up handler does; the press must
                // not scroll the page view.
                if (type == QEvent::KeyRelease && !key->isAutoRepeat())
                    FormKeyUp(key->key(), key->modifiers());
                return true;
            default:
                break;
        }
        if (type == QEvent::KeyPress && player_.ChildMode && player_.capsLock &&
            isGapField(watched) && !key->text().isEmpty()) {
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

void TForm1::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
        case Qt::Key_PageDown:
            runPageCommand(pageDown(player_.navigation()));
            break;
        case Qt::Key_PageUp:
            runPageCommand(pageUp(player_.navigation()));
            break;
        case Qt::Key_F2:
            runPageCommand((modifiers & Qt::ShiftModifier) ? childJumpFirst(player_.navigation())
                                                           : childJumpLast(player_.navigation()));
            break;
        case Qt::Key_F9:
            if (player_.ChildMode && player_.CurrentPage != 0) childJumpInput();
            break;
        case Qt::Key_F11:
            screenCorrection();
            break;
        case Qt::Key_F12:
            if (player_.calculatorOption) emit calculatorRequested(nullptr, false);
            break;
        default:
            break;
    }
}

void TForm1::screenCorrection() {
    if (!player_.ListShown) {
        dialogs_.information(lesson::texts::kRescaleOnlyAfterSelection);
        return;
    }
    Panel4->media().endExternalViewer();
    if (!dialogs_.askYesNo(lesson::texts::kRescaleQuestion)) return;
    Panel4->media().StopSound();
    Panel4->media().hidePanel();
    clearPageView();
    setStatus({});
    const double k = lesson::askScaleFactor(dialogs_, state_.scaling.ScaleFactorK);
    const int oldDelta = state_.scaling.FontDelta;
    rescale(k);
    // The text's sizes become the author's plus the new step; "Schrift" starts again from 0.
    changeFontSizes(*RichEdit3,
                    state_.scaling.FontDelta - oldDelta - player_.fontChangeTotal);
    player_.fontChangeTotal = 0;
    if (player_.SelectionArchive && !player_.ProjectOpen)
        ShowSelection();
    else if (player_.ListMode)
        ShowListPage();
}

void TForm1::FormDblClick(QLineEdit* field) {
    if (!player_.calculatorOption) {
        dialogs_.information(texts::kCalculatorLocked);
        return;
    }
    emit calculatorRequested(field, player_.calculatorClearsOption);
}

void TForm1::RichEdit1MouseDown(const QPoint& viewportPoint) {
    if (!player_.LessonOpen && !player_.SelectionArchive) return;
    const std::string line = lineAtPoint(*RichEdit1, viewportPoint).toStdString();
    if (player_.SelectionArchive && !player_.ProjectOpen && player_.ListShown) {
        player_.SelectionLine = RichEdit1->cursorForPosition(viewportPoint).blockNumber() + 1;
        PickProject(line);
    } else if (player_.ListMode && !player_.PageShown) {
        ChooseFromList(line);
    }
}

void TForm1::setStatus(const std::string& text) { Panel1->setText(QString::fromStdString(text)); }

void TForm1::showNavigation(bool down, bool up, bool rep) {
    Label20->setVisible(down);
    Label21->setVisible(up);
    Label4->setVisible(rep);
}

void TForm1::hidePagePanels() {
    RichEdit2->clear();
    Panel3->hide();
    Panel5->hide();
    Image1->clear();
}

void TForm1::clearPageView() {
    hidePagePanels();
    showNavigation(false, false, false);
    Label24->hide();
    lesson::ui::clearGapFields(gapFields);
    gapTable_ = {};
    setViewBackground(*RichEdit1, Qt::white);
}

void TForm1::showPicture(const std::string& path) {
    QPixmap picture(QString::fromStdString(path));
    if (picture.isNull()) {
        Panel5->hide();
        return;
    }
    Panel5->show();
    Panel5->raise();
    const QSize room = Panel5->contentsRect().size() - QSize(8, 8);
    Image1->setPixmap(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace textaria::player
