#include "calc/ui/tavkal_u.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

#include "calc/calculator_window.h"
#include "calc/texts.h"
#include "calc/ui/escape_poll.h"
#include "platform/ui/accessibility.h"

namespace textaria::calc {

namespace {

constexpr int kDesignWidth = 620;
constexpr int kDesignHeight = 480;
const QColor kWindowColour(220, 220, 240);

class QtProgramLauncher final : public ProgramLauncher {
  public:
    bool startDetached(const std::string& program) override {
        return QProcess::startDetached(QString::fromStdString(program), {});
    }
};

// A command may show a message while it runs (the integral's arguments); the box must get the
// keys and clicks that the Escape poll holds back from everything else.
class DialogsBesidePoll final : public platform::UserDialogs {
  public:
    DialogsBesidePoll(platform::UserDialogs* target, EscapePoll& poll)
        : target_(target), poll_(poll) {}
    void setTarget(platform::UserDialogs* target) { target_ = target; }

    void information(std::string_view text) override {
        Answering answering(poll_);
        target_->information(text);
    }
    void informationAt(std::string_view text, platform::ScreenPoint where) override {
        Answering answering(poll_);
        target_->informationAt(text, where);
    }
    bool askYesNo(std::string_view text, std::string_view caption) override {
        Answering answering(poll_);
        return target_->askYesNo(text, caption);
    }
    platform::DialogAnswer askYesNoCancel(std::string_view text,
                                          std::string_view caption) override {
        Answering answering(poll_);
        return target_->askYesNoCancel(text, caption);
    }
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override {
        Answering answering(poll_);
        return target_->inputBox(title, prompt, defaultText);
    }

  private:
    // Input reaches the box, and the pointer is a pointer again while the user answers.
    struct Answering {
        explicit Answering(EscapePoll& poll) : suspended(poll) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
        ~Answering() { QApplication::restoreOverrideCursor(); }
        EscapePollSuspension suspended;
    };

    platform::UserDialogs* target_;
    EscapePoll& poll_;
};

EntryKey entryKey(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return EntryKey::Enter;
        case Qt::Key_Escape:
            return EntryKey::Escape;
        case Qt::Key_F1:
            return EntryKey::F1;
        case Qt::Key_F2:
            return EntryKey::F2;
        case Qt::Key_F3:
            return EntryKey::F3;
        case Qt::Key_F4:
            return EntryKey::F4;
        case Qt::Key_F5:
            return EntryKey::F5;
        case Qt::Key_F6:
            return EntryKey::F6;
        case Qt::Key_F7:
            return EntryKey::F7;
        case Qt::Key_F8:
            return EntryKey::F8;
        case Qt::Key_F9:
            return EntryKey::F9;
        case Qt::Key_F10:
            return EntryKey::F10;
        case Qt::Key_F11:
            return EntryKey::F11;
        case Qt::Key_F12:
            return EntryKey::F12;
        default:
            return EntryKey::Other;
    }
}

// The entry line works in UTF-8 byte offsets, the widget in UTF-16 positions.
std::size_t byteOffset(const QString& text, int position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

int widgetPosition(const std::string& text, std::size_t offset) {
    return static_cast<int>(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(offset, text.size())))
            .size());
}

QLabel* addLabel(QWidget* parent, QLayout* layout, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);  // "<Enter>" is text, not markup
    layout->addWidget(label);
    return label;
}

QFrame* addGroup(QWidget* parent, QLayout* layout) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setLayout(new QVBoxLayout);
    frame->layout()->setSpacing(1);
    layout->addWidget(frame);
    return frame;
}

}  // namespace

TForm13::TForm13(FormulaVariables& variables, QWidget* parent)
    : QDialog(parent),
      calculator_(variables),
      ownDialogs_(this),
      ownLauncher_(std::make_unique<QtProgramLauncher>()),
      launcher_(ownLauncher_.get()),
      escapePoll_(new EscapePoll(this)),
      dialogs_(std::make_unique<DialogsBesidePoll>(&ownDialogs_, *escapePoll_)) {
    FormCreate();
}

TForm13::~TForm13() = default;

void TForm13::setDialogs(platform::UserDialogs* dialogs) {
    static_cast<DialogsBesidePoll&>(*dialogs_).setTarget(dialogs ? dialogs : &ownDialogs_);
}

void TForm13::setProgramLauncher(ProgramLauncher* launcher) {
    launcher_ = launcher ? launcher : ownLauncher_.get();
}

bool TForm13::computing() const { return escapePoll_->running(); }

void TForm13::FormCreate() {
    setWindowTitle(QString::fromUtf8(texts::kCalculatorCaption));
    setObjectName(QStringLiteral("Form13"));
    calculator_.setDialogs(dialogs_.get());
    calculator_.setInterruptPoll(*escapePoll_);

    setAutoFillBackground(true);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, kWindowColour);
    setPalette(windowPalette);

    auto* main = new QVBoxLayout(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->installEventFilter(this);
    main->addWidget(Edit1);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const char* name, const char* text) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);  // Enter belongs to the entry line
        buttons->addWidget(button);
        return button;
    };
    Button1 = addButton("Button1", texts::kCalcButtonClear);
    Button2 = addButton("Button2", texts::kCalcButtonClose);
    Button3 = addButton("Button3", texts::kCalcButtonVariables);
    main->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    // The help area; the variable list lies over it when shown.
    auto* area = new QGridLayout;
    auto* help = new QWidget(this);
    auto* helpLayout = new QVBoxLayout(help);
    helpLayout->setContentsMargins(0, 0, 0, 0);
    QFrame* keys = addGroup(help, helpLayout);
    const char* keyNames[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
    for (int i = 0; i < 6; ++i) addLabel(keys, keys->layout(), keyNames[i], texts::kCalcHelp[i]);
    QFrame* syntax = addGroup(help, helpLayout);
    const char* syntaxNames[] = {"Label7", "Label9", "Label10", "Label11", "Label12"};
    for (int i = 0; i < 5; ++i)
        addLabel(syntax, syntax->layout(), syntaxNames[i], texts::kCalcHelp[6 + i]);
    QFrame* commands = addGroup(help, helpLayout);
    const char* commandNames[] = {"Label13", "Label14", "Label15", "Label16", "Label17", "Label18"};
    for (int i = 0; i < 6; ++i) {
        QLabel* label =
            addLabel(commands, commands->layout(), commandNames[i], texts::kCalcCommandHelp[i]);
        label->setVisible(false);
        commandLabels_.push_back(label);
    }
    helpLayout->addStretch(1);

    Label8 = new QLabel(QString::fromUtf8(texts::kCalcVariablesLabelDesign), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setTextFormat(Qt::PlainText);
    main->addWidget(Label8);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->viewport()->installEventFilter(this);
    RichEdit1->setVisible(false);
    area->addWidget(help, 0, 0);
    area->addWidget(RichEdit1, 0, 0);
    main->addLayout(area, 1);

    platform::describeForScreenReaders(Edit1, texts::kAccessibleEntryLine, texts::kCalcHelp[0]);
    platform::describeForScreenReaders(RichEdit1, texts::kAccessibleVariableList);
    platform::chainTabOrder({Edit1, Button1, Button2, Button3, RichEdit1});
    platform::FocusFrame::install(this);

    applyScreenGeometry();
    Edit1->setText(QStringLiteral("0"));
}

void TForm13::applyScreenGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    CalculatorWindowGeometry g;
    if (screen)
        g = calculatorWindowGeometry(screen->geometry().width(), screen->geometry().height(),
                                     screen->logicalDotsPerInch(), kDesignWidth, kDesignHeight);
    const double points = kCalculatorFontPoints * g.scale;
    QFont windowFont = font();
    windowFont.setPointSizeF(points);
    windowFont.setBold(true);
    setFont(windowFont);
    QFont entryFont = windowFont;
    entryFont.setPointSizeF(points + g.entryFontExtra);
    Edit1->setFont(entryFont);
    QFont listFont = windowFont;
    listFont.setPointSizeF(points + g.listFontExtra);
    RichEdit1->setFont(listFont);
    if (g.width && g.height)
        resize(*g.width, *g.height);
    else
        resize(static_cast<int>(kDesignWidth * g.scale), static_cast<int>(kDesignHeight * g.scale));
}

// Openings and closings of the window, however they happen (exec, show, close, F2).
void TForm13::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void TForm13::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) FormClose();
    QDialog::hideEvent(event);
}

void TForm13::FormActivate() {
    calculator_.activate();
    Label8->setText(QString::fromUtf8(texts::kCalcVariablesLabel));
    QPalette blue = Label8->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label8->setPalette(blue);
    rebuildVariableList(1);
    RichEdit1->setVisible(calculator_.variableListVisible());
    if (calculator_.variableListVisible()) RichEdit1->raise();
    Edit1->clear();
    Edit1->setFocus();
}

void TForm13::FormClose() { calculator_.close(Edit1->text().toStdString()); }

void TForm13::keyPressEvent(QKeyEvent* event) {
    // Escape stops a running command; otherwise it closes the calculator as F2 does, also
    // when the entry line does not have the focus.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (!computing()) Button2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm13::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return Edit1KeyDown(static_cast<QKeyEvent*>(event));
    if (watched == RichEdit1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        RichEdit1Click();
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

bool TForm13::Edit1KeyDown(QKeyEvent* event) {
    const Qt::KeyboardModifiers m = event->modifiers();
    const KeyModifiers modifiers{m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
                                 m.testFlag(Qt::AltModifier)};
    const EntryAction action = entryActionFor(entryKey(event->key()), modifiers);
    if (action == EntryAction::None || computing()) return false;

    const EntryLine line = prepareEntryLine(readEntry());
    switch (action) {
        case EntryAction::Evaluate: {
            writeEntry(line);
            if (line.text.empty()) break;
            LineAnswer answer;
            {
                EscapePollScope watching(*escapePoll_);
                QApplication::setOverrideCursor(Qt::WaitCursor);
                answer = calculator_.evaluate(line.text);
                QApplication::restoreOverrideCursor();
            }
            if (answer.changedVariable >= 0) rebuildVariableList(answer.changedVariable);
            showAnswer(answer.text);
            break;
        }
        case EntryAction::Close:
            writeEntry(line);
            close();
            break;
        case EntryAction::StoreText:
            calculator_.storeText(line.text);
            writeEntry(line);
            break;
        case EntryAction::InsertText:
            writeEntry(insertAtCaret(line, calculator_.textMemory()));
            break;
        case EntryAction::ToggleCommandHelp:
            calculator_.toggleCommandHelp();
            writeEntry(line);
            break;
        case EntryAction::ToggleCommandLabels:
            if (calculator_.toggleCommandLabels())
                for (QLabel* label : commandLabels_)
                    label->setVisible(calculator_.commandLabelsVisible());
            writeEntry(line);
            break;
        case EntryAction::ChooseDecimals: {
            const std::string text = calculator_.chooseDecimals(line.text);
            rebuildVariableList(0);
            showAnswer(text);
            break;
        }
        case EntryAction::AddToSum:
            showAnswer(calculator_.addToSum(line.text));
            break;
        case EntryAction::ShowCount:
            showAnswer(calculator_.countText());
            break;
        case EntryAction::ShowSum:
            showAnswer(calculator_.sumText());
            break;
        case EntryAction::ShowSquareSum:
            showAnswer(calculator_.squareSumText());
            break;
        case EntryAction::StartExternal:
            writeEntry(line);
            calculator_.startExternalCalculator(qgetenv("PATH").toStdString(), *launcher_);
            showAnswer(line.text);
            break;
        case EntryAction::InsertSqrt:
            writeEntry(insertSquareRoot(line));
            break;
        case EntryAction::InsertSquare:
            writeEntry(insertAtCaret(line, "^2"));
            break;
        case EntryAction::None:
            break;
    }
    return true;
}

void TForm13::Button1Click() {
    calculator_.clear();
    rebuildVariableList(0);
    Edit1->setText(QStringLiteral("0"));
    Edit1->setFocus();
}

void TForm13::Button2Click() { close(); }

void TForm13::Button3Click() {
    const bool visible = calculator_.toggleVariableList();
    rebuildVariableList(0);
    RichEdit1->setVisible(visible);
    if (visible) RichEdit1->raise();
}

void TForm13::RichEdit1Click() {
    const QString lineText = RichEdit1->textCursor().block().text();
    const auto entry = Calculator::entryForListLine(lineText.toStdString());
    if (!entry) return;
    Edit1->setText(QString::fromStdString(*entry));
    Edit1->setCursorPosition(static_cast<int>(Edit1->text().size()));
    Edit1->setFocus();
}

EntryLine TForm13::readEntry() const {
    const QString text = Edit1->text();
    EntryLine line;
    line.text = text.toStdString();
    if (Edit1->hasSelectedText()) {
        const int start = Edit1->selectionStart();
        line.selectionStart = byteOffset(text, start);
        line.selectionLength =
            byteOffset(text, start + static_cast<int>(Edit1->selectedText().size())) -
            line.selectionStart;
    } else {
        line.selectionStart = byteOffset(text, Edit1->cursorPosition());
    }
    return line;
}

void TForm13::writeEntry(const EntryLine& line) {
    const QString text = QString::fromStdString(line.text);
    if (text != Edit1->text()) Edit1->setText(text);
    const int start = widgetPosition(line.text, line.selectionStart);
    if (line.selectionLength > 0)
        Edit1->setSelection(
            start, widgetPosition(line.text, line.selectionStart + line.selectionLength) - start);
    else
        Edit1->setCursorPosition(start);
}

void TForm13::showAnswer(const std::string& text) {
    Edit1->setText(QString::fromStdString(text));
    Edit1->setFocus();
    Edit1->selectAll();
}

void TForm13::rebuildVariableList(int caretLine) {
    QStringList lines;
    for (const std::string& line : calculator_.variableList())
        lines.push_back(QString::fromStdString(line));
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor caret(RichEdit1->document()->findBlockByNumber(caretLine));
    RichEdit1->setTextCursor(caret);
    RichEdit1->ensureCursorVisible();
}

}  // namespace textaria::calc
