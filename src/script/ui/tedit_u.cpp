#include "script/ui/tedit_u.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <cmath>
#include <filesystem>

#include "calc/numeric_number.h"
#include "calc/numeric_text.h"
#include "platform/ui/font_registry.h"
#include "platform/user_dialogs.h"
#include "platform/wtools_u.h"
#include "script/draw_surface.h"
#include "script/editor_files.h"
#include "script/editor_tools.h"
#include "script/graphics_text_size.h"
#include "script/script_runner.h"
#include "script/texts.h"
#include "script/ui/document_lines.h"
#include "script/ui/editor_services.h"
#include "script/ui/script_print.h"
#include "script/ui/surface_view.h"

namespace textaria::script {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int screenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().height() : 1080;
}

double screenDensity() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

void colour(QWidget* widget, QColor background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

std::string lineDrawFontSource() {
    const QString name = QStringLiteral("DejaVuSansMono.ttf");
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    folders << QStringLiteral("/usr/share/fonts/truetype/dejavu")
            << QStringLiteral("/usr/share/fonts/dejavu") << QStringLiteral("/usr/share/fonts");
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) return file.absoluteFilePath().toStdString();
    }
    return {};
}

TForm2::TForm2(platform::UserDialogs& dialogs, platform::FontRegistry& fonts,
               calc::FormulaVariables& variables, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      fonts_(fonts),
      state_(variables),
      canvas_(surfaceSideForScreen(screenHeight()), surfaceSideForScreen(screenHeight())),
      drawing_(canvas_, ScreenFacts{screenHeight(), screenDensity()}) {
    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(qs(texts::kEditorCaption));
    colour(this, QColor(80, 100, 130));
    drawing_.pictureFiles = &pictureFiles_;
    createControls();
    createMenus();
    lines_ = std::make_unique<DocumentLines>(*RichEdit1);
    keys_ = std::make_unique<EditorKeys>();
    host_ = std::make_unique<EditorHost>(
        drawing_, [this] { printDrawing(); }, [this] { printLessonPicture(); },
        [this] {
            if (onCalculator) onCalculator();
        });
    input_ = std::make_unique<EditorInputDialogs>(dialogs_);
    drawing_.onShow = [this] { showDrawing(true); };
    // Files start in the current folder, unless that is inside a data folder of lessons.
    const QString current = QDir::currentPath();
    folder_ = (current.contains(QStringLiteral("data")) ? QDir::homePath() : current).toStdString();

    const lesson::DataRootEnvironment environment{
        platform::TempFolder(), QCoreApplication::applicationDirPath().toStdString(),
        QDir::homePath().toStdString()};
    dataRoot_ = lesson::setUpDataRoot(environment, dialogs_);
    if (!dataRoot_.ok) {
        dialogs_.information(dataRoot_.message);
        return;
    }
    // A missing font only costs the box-drawing look; errors are not reported.
    lineDrawFile_ = lesson::installLineDrawFont(dataRoot_.DataRoot, lineDrawFontSource());
    registerLineDrawFont();
}

// Registered while the window is open: closing gives the font back, showing takes it again.
void TForm2::registerLineDrawFont() {
    if (!lineDrawFile_.empty() && lineDrawFamily_.empty())
        lineDrawFamily_ = fonts_.RegisterFont(lineDrawFile_);
}

void TForm2::createControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Label1 = new QLabel(QStringLiteral("Datei: "), central);
    Label2 = new QLabel(QStringLiteral("Zeile/Spalte:"), central);
    Label6 = new QLabel(QStringLiteral("<Zum Textanfang>"), central);
    Label7 = new QLabel(QStringLiteral("<Grafik E/A>"), central);
    Label14 = new QLabel(QStringLiteral("]< A4-Rand"), central);
    for (QLabel* label : {Label1, Label2, Label6, Label7, Label14}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
    }
    Label6->setCursor(Qt::PointingHandCursor);
    Label7->setCursor(Qt::PointingHandCursor);
    Label6->installEventFilter(this);
    Label7->installEventFilter(this);

    RichEdit1 = new QPlainTextEdit(central);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    QFont editorFont(QStringLiteral("Courier New"));
    editorFont.setPointSize(screenDensity() > 120 ? 10 : 12);
    editorFont.setBold(true);
    RichEdit1->setFont(editorFont);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    colour(RichEdit1, QColor(255, 255, 224));
    RichEdit1->installEventFilter(this);
    connect(RichEdit1, &QPlainTextEdit::cursorPositionChanged, this, &TForm2::updateCaretLabel);

    Memo1 = new QPlainTextEdit(central);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    colour(Memo1, QColor(230, 250, 240));
    Memo1->viewport()->installEventFilter(this);
    Memo1->hide();

    RichEdit7 = new QPlainTextEdit(central);
    RichEdit7->setObjectName(QStringLiteral("RichEdit7"));
    RichEdit7->hide();

    Panel2 = new QFrame(central);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    colour(Panel2, QColor(160, 190, 160));
    Edit1 = new QLineEdit(Panel2);
    Edit1->setPlaceholderText(QStringLiteral("Suchtext"));
    Edit2 = new QLineEdit(Panel2);
    Edit2->setPlaceholderText(QStringLiteral("Ersatztext"));
    Label5 = new QLabel(QStringLiteral("Aktion"), Panel2);
    CheckBox1 = new QCheckBox(QStringLiteral("Groß/Klein"), Panel2);
    CheckBox2 = new QCheckBox(QStringLiteral("Alles Suchen"), Panel2);
    Button1 = new QPushButton(QStringLiteral("Start"), Panel2);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    int x = 4;
    for (QWidget* w :
         std::initializer_list<QWidget*>{Edit1, Edit2, Label5, CheckBox1, CheckBox2, Button1}) {
        w->move(x, 4);
        x += w->sizeHint().width() + (w == Edit1 || w == Edit2 ? 60 : 8);
    }
    Panel2->resize(x + 4, 32);
    Panel2->hide();

    Panel3 = new QFrame(central);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    colour(Panel3, Qt::black);
    Panel3->resize(canvas_.width() + 12, canvas_.height() + 12);
    Image1 = new SurfaceView(canvas_, drawing_, Panel3);
    Image1->move(4, 4);
    Image1->takeRightClick = [this](QPoint at) {
        if (!clickCheck) return false;
        const ClickVerdict verdict = judgeGraphicClick(drawing_, *clickCheck, {at.x(), at.y()});
        dialogs_.information(verdict.message);
        return true;
    };
    // Script boxes open below the drawing panel and follow it when it is dragged.
    connect(Image1, &SurfaceView::panelMoved, this, [this](QPoint at) {
        inputDialogs().position = {at.x() - 5, at.y() + Panel3->height() + 50};
    });
    Panel3->hide();
}

InputDialogs& TForm2::inputDialogs() {
    if (inputDialogs_) return *inputDialogs_;
    return *input_;
}

void TForm2::createMenus() {
    QMenuBar* bar = menuBar();
    bar->addAction(QStringLiteral(">>"));
    QMenu* file = bar->addMenu(QStringLiteral("Datei"));
    file->addAction(QStringLiteral("Neu"), this, &TForm2::Neu1Click);
    file->addAction(QStringLiteral("Öffnen"), this, &TForm2::ffnen1Click);
    file->addAction(QStringLiteral("Speichern"), this, &TForm2::Speichern1Click);
    file->addAction(QStringLiteral("Drucken"), this, &TForm2::Drucken1Click);
    file->addAction(QStringLiteral("Exit"), this, &TForm2::Exit1Click);
    QMenu* edit = bar->addMenu(QStringLiteral("Bearbeiten"));
    edit->addAction(QStringLiteral("Schrift setzen"), this, &TForm2::Schrift1Click);
    edit->addAction(QStringLiteral("Komprimieren"), this, &TForm2::Komprimieren1Click);
    edit->addAction(QStringLiteral("Dezimalstellen"), this, &TForm2::Dezimalstellen1Click);
    // The search panel has no key of its own in the key map; it opens from here and with
    // Ctrl+F in the editor.
    edit->addAction(QString::fromUtf8(texts::kSearchMenu) + QStringLiteral("\tCtrl+F"), this,
                    &TForm2::toggleSearchPanel);
    bar->addAction(QStringLiteral("Skript_ausführen"), this, &TForm2::Skriptausfhren1Click);
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QWidget* central = centralWidget();
    const int w = central->width();
    const int h = central->height();
    Label1->setGeometry(8, 2, w / 3, 20);
    Label2->setGeometry(w / 3, 2, 200, 20);
    Label6->setGeometry(w / 3 + 210, 2, 140, 20);
    Label7->setGeometry(w / 3 + 360, 2, 120, 20);
    // The mark stands where a printed line of an A4 sheet ends: the sheet's width less the
    // printout's margins of 8 % on either side.
    const int printedWidth = static_cast<int>(std::lround(210.0 * 0.84 / 25.4 * logicalDpiX()));
    const int textLeft = 4 + static_cast<int>(RichEdit1->document()->documentMargin());
    Label14->setGeometry(textLeft + printedWidth, 22, 100, 18);
    RichEdit1->setGeometry(4, 42, w - 8, h - 46);
    Memo1->setGeometry(RichEdit1->geometry());
    Panel2->move(4, std::max(24, h - Panel2->height() - 4));
}

void TForm2::placeDrawingPanel() {
    Panel3->move(centralWidget()->width() * 3 / 4 - Panel3->width() / 2 > 0
                     ? std::min(centralWidget()->width() * 3 / 4,
                                std::max(0, centralWidget()->width() - Panel3->width()))
                     : 0,
                 16);
}

void TForm2::showDrawing(bool visible) {
    if (visible) {
        if (!Panel3->isVisible()) placeDrawingPanel();
        Panel3->show();
        Panel3->raise();
        Image1->update();
    } else {
        Panel3->hide();
    }
    drawing_.shown = visible;
}

bool TForm2::surfaceShown() const { return Panel3->isVisible(); }

QString TForm2::editorText() const { return RichEdit1->toPlainText(); }

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (RichEdit1KeyDown(key->key(), key->modifiers())) return true;
    }
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Memo1DblClick();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label6) Label6Click();
        if (watched == Label7) Label7Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyUp(event->key(), event->modifiers())) QMainWindow::keyPressEvent(event);
}

void TForm2::showEvent(QShowEvent* event) {
    registerLineDrawFont();
    QMainWindow::showEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
    Memo1->hide();
    showDrawing(false);
    if (!lineDrawFile_.empty()) fonts_.UnregisterFont(lineDrawFile_);
    lineDrawFamily_.clear();
    QMainWindow::closeEvent(event);
}

// ---- files -----------------------------------------------------------------------------

bool TForm2::openScript(const std::string& path) {
    const ScriptFileLoad loaded = loadScriptFile(path);
    if (!loaded.ok) {
        dialogs_.informationTitled(texts::kDataError, texts::kProblemTitle);
        return false;
    }
    Memo1->hide();
    Panel2->hide();
    showDrawing(false);
    clearSurface(drawing_);
    RichEdit1->setPlainText(qs(loaded.text));
    RichEdit7->setPlainText(qs(loaded.text));
    const std::filesystem::path file(path);
    folder_ = file.parent_path().string();
    fileName_ = file.filename().string();
    fileChosen_ = true;
    Label1->setText(QStringLiteral("Datei: ") + qs(fileName_));
    lines_->setCaretLine(0);
    return true;
}

bool TForm2::saveScript(const std::string& path) {
    const QString text = RichEdit1->toPlainText();
    if (text.isEmpty()) return false;
    const std::string target = collapsedPath(path);
    if (!writeFileReplacing(target, scriptBytesFor(target, text.toStdString()))) {
        dialogs_.informationTitled(texts::kDataError, texts::kProblemTitle);
        return false;
    }
    RichEdit7->setPlainText(text);
    const std::filesystem::path file(target);
    folder_ = file.parent_path().string();
    fileName_ = file.filename().string();
    fileChosen_ = true;
    Label1->setText(QStringLiteral("Datei: ") + qs(fileName_));
    return true;
}

void TForm2::Neu1Click() {
    RichEdit1->clear();
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(screenHeight() < 768 ? (screenDensity() > 120 ? 9 : 11) : 12);
    font.setBold(true);
    RichEdit1->setFont(font);
}

void TForm2::ffnen1Click() {
    if (!fileChosen_) dialogs_.information(texts::kOpenHint);
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), qs(folder_), qs(texts::kScriptFilter));
    if (path.isEmpty()) return;
    openScript(path.toStdString());
}

void TForm2::Speichern1Click() {
    if (RichEdit1->toPlainText().isEmpty()) return;
    std::string name = fileName_;
    if (name.empty()) {
        const auto typed =
            dialogs_.inputBox(texts::kFileNameTitle, texts::kFileNamePrompt, "datei.txt");
        if (!typed) return;
        const auto normalised = normalisedScriptName(*typed);
        if (!normalised) {
            dialogs_.information(texts::kInvalidFileName);
            return;
        }
        name = *normalised;
    }
    const QString path = QFileDialog::getSaveFileName(
        this, QString(), QDir(qs(folder_)).filePath(qs(name)), qs(texts::kScriptFilter));
    if (path.isEmpty()) return;
    saveScript(path.toStdString());
}

void TForm2::Exit1Click() { close(); }

void TForm2::Schrift1Click() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, RichEdit1->font(), this);
    if (ok) RichEdit1->setFont(font);
}

void TForm2::Komprimieren1Click() {
    compress(*lines_, 0, false);
    showDrawing(false);
}

void TForm2::Dezimalstellen1Click() {
    const auto answer =
        dialogs_.inputBox(texts::kDecimalsTitle, "", std::to_string(state_.format().decimals));
    if (!answer) return;
    const auto value = calc::readNumber(calc::trimBlanks(*answer));
    const bool valid = value && *value >= 0 && *value <= calc::NumberFormat::kMaxDecimals &&
                       *value == std::floor(*value);
    state_.format().decimals =
        valid ? static_cast<int>(*value) : calc::NumberFormat::kDefaultDecimals;
}

// ---- running ---------------------------------------------------------------------------

void TForm2::runWholeScript() {
    Memo1->hide();
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.clearSelection();
    RichEdit1->setTextCursor(cursor);
    keys_->reset();
    drawing_.lessonMode = state_.LessonMode;
    ScriptEnvironment env{*lines_, dialogs_, inputDialogs(), *keys_, *host_, &drawing_};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runScript(state_, env);
    QApplication::restoreOverrideCursor();
    Image1->update();
}

void TForm2::Skriptausfhren1Click() {
    runWholeScript();
    dialogs_.informationAt(texts::kScriptEnd, {10, 20});
    if (keys_->takeKey(ScriptKey::F4)) printDrawing();
    RichEdit1->setFocus();
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
    RichEdit1->setTextCursor(cursor);
}

void TForm2::evaluateCaretLine() {
    const std::size_t line = lines_->caretLine();
    const std::string text = lines_->line(line);
    if (calc::toLowerAscii(calc::trimBlanks(text)) == "compress") {
        compress(*lines_, 1, true);
        return;
    }
    state_.RunningFlag = false;
    keys_->reset();
    ScriptEnvironment env{*lines_, dialogs_, inputDialogs(), *keys_, *host_, &drawing_};
    evaluateLine(line, std::string(calc::trimBlanks(text)), state_, env);
    Image1->update();
}

}  // namespace textaria::script
