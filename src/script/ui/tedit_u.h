// The script editor window: the editor, the drawing surface, the output memo and the search
// panel. Making it sets up the data tree (tavconfig.txt) and installs the line-drawing font.
// Every rule lives in the script logic; the window maps keys and menus to it.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "calc/eval_u.h"
#include "lesson/folders.h"
#include "platform/ui/qt_canvas.h"
#include "script/click_check.h"
#include "script/draw_context.h"
#include "script/input_dialogs.h"
#include "script/script_state.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace textaria::platform {
class UserDialogs;
class FontRegistry;
}  // namespace textaria::platform

namespace textaria::script {

class DocumentLines;
class EditorKeys;
class EditorHost;
class EditorInputDialogs;
class SurfaceView;

class TForm2 : public QMainWindow {
    Q_OBJECT

  public:
    TForm2(platform::UserDialogs& dialogs, platform::FontRegistry& fonts,
           calc::FormulaVariables& variables, QWidget* parent = nullptr);
    ~TForm2() override;

    // False when the data tree could not be set up; the message has been shown and the
    // program must end.
    bool startedUp() const { return dataRoot_.ok; }
    const std::string& dataRoot() const { return dataRoot_.DataRoot; }
    // The family of the registered line-drawing font; empty when none could be installed.
    const std::string& lineDrawFamily() const { return lineDrawFamily_; }

    // Loads a script into the editor (as "Öffnen" does after its dialog); false with the
    // message "Daten-Fehler" when it cannot be read.
    bool openScript(const std::string& path);
    // Saves the editor text to the file (as "Speichern" does after its dialog). An empty
    // editor is not saved.
    bool saveScript(const std::string& path);
    // The data entry grid and selection box of script runs (TForm27, TForm28); without them a
    // run asks through plain input boxes.
    void setInputDialogs(InputDialogs* dialogs) { inputDialogs_ = dialogs; }
    // Runs the script from the caret's line (F11, "Skript_ausführen").
    void runWholeScript();
    // Prints the script (or the memo, when it is shown) on the printer.
    int printScriptTo(QPrinter& printer);
    // Shows a text in the output memo in the editor's place (a double click hides it again).
    void showMemo(const QString& text);
    // The stored script text that Ctrl+F9 brings back: the text as last opened or saved.
    QString storedScript() const;

    QString editorText() const;
    const QImage& surfaceImage() const { return canvas_.image(); }
    bool surfaceShown() const;
    ScriptState& scriptState() { return state_; }
    DrawingContext& drawing() { return drawing_; }
    const std::string& fileName() const { return fileName_; }

    // The lesson picture that every drawing is repeated on while a lesson runs a script.
    void setLessonPicture(platform::Canvas* picture) { drawing_.lessonPicture = picture; }

    // Set by the lesson player while it runs a graphical click check: right clicks on the
    // drawing are then marked and judged instead of showing their coordinates.
    std::optional<GraphicClickCheck> clickCheck;

    // F7: the calculator, opened modally by the program.
    std::function<void()> onCalculator;

    QPlainTextEdit* RichEdit1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QFrame* Panel3 = nullptr;
    SurfaceView* Image1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* RichEdit7 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label14 = nullptr;

    // Menu and key handlers.
    void Neu1Click();
    void ffnen1Click();
    void Speichern1Click();
    void Drucken1Click();
    void Exit1Click();
    void Schrift1Click();
    void Komprimieren1Click();
    void Dezimalstellen1Click();
    void Skriptausfhren1Click();
    void Label6Click();
    void Label7Click();
    void Button1Click();
    void Memo1DblClick();
    // Shows or hides the search panel (Ctrl+F, "Bearbeiten" / "Suchen/Ersetzen").
    void toggleSearchPanel();
    // A key of the editor; true when it was handled here.
    bool RichEdit1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // F4 to F7 of the window when the focus is outside the editor; true when handled.
    bool FormKeyUp(int key, Qt::KeyboardModifiers modifiers);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();
    void createControls();
    void createMenus();
    void placeDrawingPanel();
    void showDrawing(bool visible);
    void evaluateCaretLine();
    void printDrawing();
    void printLessonPicture();
    void printPictureWithDialog(const QImage& picture);
    void registerLineDrawFont();
    void restoreStoredScript();
    void loadPictureKey();
    void toggleJpegRedirection();
    void graphicsTextSize(int step);
    void statisticsKey();
    void convertSelectedRows(bool toRows);
    void insertAtCaret(const QString& text);
    void updateCaretLabel();
    std::vector<std::string> selectedLines() const;

    platform::UserDialogs& dialogs_;
    platform::FontRegistry& fonts_;
    lesson::DataRootSetup dataRoot_;
    std::string lineDrawFile_;
    std::string lineDrawFamily_;

    ScriptState state_;
    platform::QtCanvas canvas_;
    platform::QtPictureFiles pictureFiles_;
    DrawingContext drawing_;
    std::unique_ptr<DocumentLines> lines_;
    std::unique_ptr<EditorKeys> keys_;
    std::unique_ptr<EditorHost> host_;
    std::unique_ptr<EditorInputDialogs> input_;
    InputDialogs* inputDialogs_ = nullptr;  // set by the application; input_ when unset
    InputDialogs& inputDialogs();

    std::string folder_;
    std::string fileName_;
    bool fileChosen_ = false;
    bool jpegRedirection_ = false;
    bool autoIndent_ = true;
};

// Where the line-drawing font is taken from: a free font with box-drawing and math glyphs.
std::string lineDrawFontSource();

}  // namespace textaria::script
