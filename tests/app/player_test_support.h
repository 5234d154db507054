// The main window with scripted dialogs, for the lesson player's end-to-end tests.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app_test_support.h"
#include "lesson/startup_facts.h"
#include "player/lesson_player.h"
#include "player/media_programs.h"
#include "player/ui/tform1.h"
#include "support/fake_user_dialogs.h"

namespace textaria::testing {

class NoPrograms : public player::ExternalPrograms {
  public:
    std::string openWithAssociatedProgram(const std::string&) override { return {}; }
    void endExternalViewer() override {}
    void toggleVolumeControl() override {}
    void endVolumeControl() override {}
};

// One shown main window in a private temporary folder.
class PlayerWindow {
  public:
    PlayerWindow() {
        state.programPath = "/opt/textaria/textaria";
        form = std::make_unique<player::TForm1>(state, dialogs, programs);
        lesson = std::make_unique<player::LessonPlayer>(state, *form, dialogs);
        form->attach(*lesson);
        form->show();
        exposed = QTest::qWaitForWindowExposed(form.get());
        QApplication::processEvents();
        dialogs.shown.clear();
    }
    ~PlayerWindow() {
        form.reset();
        std::filesystem::current_path(startFolder);
    }

    player::TForm1& operator*() { return *form; }
    player::TForm1* operator->() { return form.get(); }

    // Clicks the first line of the page view that contains `text`.
    bool clickLine(const QString& text) {
        QTextEdit* view = form->RichEdit1;
        for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
            if (!b.text().contains(text)) continue;
            QTextCursor cursor(b);
            cursor.movePosition(QTextCursor::EndOfBlock);
            const QRect caret = view->cursorRect(cursor);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              QPoint(caret.left() - 4, caret.center().y()));
            return true;
        }
        return false;
    }

    QLineEdit* field(int j) { return form->gapFields[static_cast<std::size_t>(j - 1)]; }
    void type(int j, const QString& text) {
        field(j)->setFocus();
        typeInto(field(j), text);
    }
    // Key presses carrying each character (QTest's own helper knows only ASCII keys).
    static void typeInto(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &release);
        }
    }
    void press(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    void key(int key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(form->RichEdit1, static_cast<Qt::Key>(key), mods);
    }
    QString status() const { return form->Panel1->text(); }
    QString counter() const { return form->Label24->text(); }
    bool corrected(int j) {
        return field(j)->palette().color(QPalette::Base) == form->CorrectionColour;
    }

    bool exposed = false;
    PrivateTempFolder temp;
    std::filesystem::path startFolder = std::filesystem::current_path();
    lesson::StartupState state;
    FakeUserDialogs dialogs;
    NoPrograms programs;
    std::unique_ptr<player::LessonPlayer> lesson;  // outlives the window
    std::unique_ptr<player::TForm1> form;
};

// Writes a small RTF lesson (plain lines, one paragraph each) and returns its path.
inline std::string writeLesson(const QString& folder, const std::string& name,
                               const std::vector<std::string>& lines) {
    const std::string path = (folder + "/").toStdString() + name;
    std::ofstream out(path, std::ios::binary);
    out << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28\n";
    for (const auto& line : lines) out << line << "\\par\n";
    out << "}";
    return path;
}

inline std::string demoArchive() { return std::string(TEXTARIA_BINARY_DIR) + "/examples/demo.rsd"; }

}  // namespace textaria::testing
