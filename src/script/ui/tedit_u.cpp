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
        drawing_, [this] { printDrawing(); },
        [this] {
            if (onCalculator) onCalculator();
        });
    input_ = std::make_unique<EditorInputDialogs>(dialogs_);
    drawing_.onShow = [this] { showDrawing(true); };
    folder_ = QDir::homePath().toStdString();

    const lesson::DataRootEnvironment environment{
        platform::TempFolder(), QCoreApplication::applicationDirPath().toStdString(),
        QDir::homePath().toStdString()};
    dataRoot_ = lesson::setUpDataRoot(environment, dialogs_);
    if (!dataRoot_.ok) {
        dialogs_.information(dataRoot_.message);
        return;
    }
    // A missing font only costs the box-drawing look; errors are not reported.
    const std::string font = lesson::installLineDrawFont(dataRoot_.DataRoot, lineDrawFontSource());
    if (!font.empty()) lineDrawFamily_ = fonts_.RegisterFont(font);
}

void TForm2::createControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Label1 = new QLabel(QStringLiteral("Datei: "), central);
    Label2 = new QLabel(QStringLiteral("Zeile/Spalte:"), central);
    Label6 = new QLabel(QStringLiteral("<Zum Textanfang>"), central);
    Label7 = new QLabel(QStringLiteral("<Grafik E/A>"), central);
    for (QLabel* label : {Label1, Label2, Label6, Label7}) {
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
    Memo1->hide();

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
    RichEdit1->setGeometry(4, 24, w - 8, h - 28);
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
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label6) Label6Click();
        if (watched == Label7) Label7Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm2::closeEvent(QCloseEvent* event) {
    Memo1->hide();
    showDrawing(false);
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
    if (!writeFileReplacing(target, scriptFileBytes(text.toStdString()))) {
        dialogs_.informationTitled(texts::kDataError, texts::kProblemTitle);
        return false;
    }
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

int TForm2::printScriptTo(QPrinter& printer) {
    if (Memo1->isVisible()) {
        QFont font = Memo1->font();
        font.setPointSize(10);
        // A memo line beginning with "." starts a new page and is not printed.
        QString text;
        for (const QString& line : Memo1->toPlainText().split(QLatin1Char('\n')))
            text += line.startsWith(QLatin1Char('.')) ? kPageMark + QStringLiteral("\n")
                                                      : line + QStringLiteral("\n");
        return printScriptPages(printer, text, font);
    }
    const QTextCursor cursor = RichEdit1->textCursor();
    QString text =
        cursor.hasSelection() ? cursor.selection().toPlainText() : RichEdit1->toPlainText();
    return printScriptPages(printer, text, RichEdit1->font(), [this, &printer] {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    });
}

void TForm2::Drucken1Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printScriptTo(printer);
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

// ---- drawing keys ----------------------------------------------------------------------

void TForm2::printDrawing() {
    if (jpegRedirection_) {
        const std::string start = QDir::currentPath().toStdString();
        const std::string folder = std::filesystem::is_directory(start) ? start : folder_;
        const QString path = QFileDialog::getSaveFileName(
            this, QString(), QDir(qs(folder)).filePath(qs(nextPictureName(drawing_) + ".jpg")),
            qs(texts::kPictureFilter));
        if (path.isEmpty()) return;
        if (!saveSurface(drawing_, pictureFiles_, path.toStdString(),
                         platform::PictureFormat::Jpeg))
            dialogs_.informationTitled(texts::kDataError, texts::kProblemTitle);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    printPicture(printer, canvas_.image(),
                 QStringLiteral("Grafik %1").arg(++state_.graphicCaptionCounter));
}

void TForm2::loadPictureKey() {
    if (!Panel3->isVisible()) {
        dialogs_.information(texts::kDrawingFirst);
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), qs(folder_), qs(texts::kPictureFilter));
    if (path.isEmpty()) return;
    if (!loadPictureIntoSurface(drawing_, pictureFiles_, path.toStdString()))
        dialogs_.informationTitled(texts::kDataError, texts::kProblemTitle);
    Image1->update();
}

void TForm2::toggleJpegRedirection() {
    if (jpegRedirection_) {
        jpegRedirection_ = false;
        dialogs_.information(texts::kJpegOff);
        return;
    }
    const auto answer = dialogs_.inputBox(texts::kJpegOn, texts::kFirstPictureNumber,
                                          std::to_string(drawing_.pictureCounter));
    if (!answer) return;
    jpegRedirection_ = true;
    if (const auto n = calc::readNumber(calc::trimBlanks(*answer)); n && *n >= 0 && *n < 1e9)
        drawing_.pictureCounter = static_cast<int>(*n);
}

void TForm2::graphicsTextSize(int step) {
    dialogs_.information(stepGraphicsTextSize(drawing_, step));
}

}  // namespace textaria::script
