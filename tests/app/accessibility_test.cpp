// Every window as a screen reader and a keyboard user meet it: names, roles and descriptions
// through Qt's accessibility interface, the tab order, and the frame around the focus.
#include <gtest/gtest.h>

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "access_test_support.h"
#include "calc/ui/tavkal_u.h"
#include "platform/ui/qt_user_dialogs.h"
#include "player/ui/panel4.h"
#include "player/ui/tavsound1_u.h"
#include "player_test_support.h"
#include "script/ui/input_u.h"
#include "script/ui/select_u.h"

namespace textaria::testing {
namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

struct Expected {
    QWidget* widget;
    QString name;
    QAccessible::Role role;
    QString description;  // not checked when empty
};

void expectTable(const std::vector<Expected>& table) {
    for (const Expected& e : table) {
        ASSERT_NE(e.widget, nullptr) << e.name.toStdString();
        const QString what = e.widget->objectName();
        QAccessibleInterface* face = accessible(e.widget);
        ASSERT_NE(face, nullptr) << what.toStdString();
        EXPECT_EQ(face->text(QAccessible::Name), e.name) << what.toStdString();
        EXPECT_EQ(face->role(), e.role) << what.toStdString();
        if (!e.description.isEmpty()) {
            EXPECT_EQ(face->text(QAccessible::Description), e.description) << what.toStdString();
        }
    }
}

bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

class MainWindowAccess : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(demoArchive())) GTEST_SKIP() << "demo.rsd not built";
        ASSERT_TRUE(activate(w.form.get()));
        ASSERT_TRUE(w->openLesson(demoArchive()));
        ASSERT_TRUE(w.clickLine(u8("03, Rechnen")));
        QApplication::processEvents();
        ASSERT_GE(w->gapTable().GapCount(), 3);
    }
    PlayerWindow w;
};

TEST_F(MainWindowAccess, EveryControlHasANameARoleAndWhatItDoes) {
    using R = QAccessible::Role;
    w.press(w->Button6);  // a status text to read
    player::TForm1& f = *w;
    expectTable({
        {&f, u8("Textaria"), R::Client, u8("Lückentext-Lernprogramm")},
        {f.Button1, u8("Hilfe"), R::Button, u8("Hilfstext ein-/ausblenden")},
        {f.Button3, u8("Laden"), R::Button, u8("Eine Lektion laden")},
        {f.Button8, u8("Liste"), R::Button, u8("Titelseite einer Textliste anzeigen")},
        {f.Button6, u8("Bewerten"), R::Button, u8("Den Lückentext bewerten")},
        {f.Button5, u8("Lücken"), R::Button, u8("Lückenantworten ein-/ausblenden")},
        {f.Button13, u8("Schrift"), R::Button, u8("Änderung der Text-Schriftgröße")},
        {f.Button4, u8("Drucken"), R::Button, u8("Den Text ausdrucken")},
        {f.Button7, u8("Beenden"), R::Button, u8("Programm beenden")},
        {f.Label20, u8("[ Dn ]"), R::StaticText, u8("Zur nachfolgenden Seite")},
        {f.Label21, u8("[ Up ]"), R::StaticText, u8("Zur vorangehenden Seite")},
        {f.Label4, u8("[ Rep ]"), R::StaticText, u8("Wiederholung einer Seite")},
        {f.Label24, u8("Seitenzähler"), R::StaticText, w.counter()},
        {f.Panel1, u8("Status"), R::StaticText, w.status()},
        {f.RichEdit1, u8("Seite"), R::EditableText, u8("03, Rechnen")},
        {w.field(1), u8("Lücke 1"), R::EditableText, {}},
        {w.field(2), u8("Lücke 2"), R::EditableText, {}},
        {w.field(20), u8("Lücke 20"), R::EditableText, {}},
        {f.Panel4->ScrollBar1, u8("Position des Tons"), R::ScrollBar, {}},
        {f.Panel4->playerButton(player::PlayerButton::Play), u8("Play"), R::Button, {}},
        {f.Panel4->playerButton(player::PlayerButton::Back), u8("Back"), R::Button, {}},
        {f.Panel4->Button11, u8("Recorder"), R::Button, {}},
    });
    EXPECT_FALSE(w.status().isEmpty());
    EXPECT_TRUE(w.counter().startsWith(u8("[ 3 / ")));
    EXPECT_TRUE(unnamedControls(&f).isEmpty()) << unnamedControls(&f).join(' ').toStdString();

    // The page view says what it shows: the list page, then the answer list beside a page.
    w.press(w->Button8);
    EXPECT_EQ(accessibleDescription(f.RichEdit1), u8("Titelseite der Textliste"));
    EXPECT_EQ(accessibleName(f.Button3), u8("Laden"));
}

TEST_F(MainWindowAccess, TabFollowsTheTextThenTheButtonsWithAVisibleFrame) {
    player::TForm1& f = *w;
    f.RichEdit1->setFocus();
    ASSERT_EQ(focusedName(&f), u8("Seite"));
    EXPECT_FALSE(f.findChild<platform::FocusFrame*>()->isVisible());  // the caret shows it

    const int gaps = w->gapTable().GapCount();
    std::vector<QString> expected;
    for (int j = 1; j <= gaps; ++j) expected.push_back(u8("Lücke ") + QString::number(j));
    for (const char* button : {"Bewerten", "Hilfe", "Laden", "Liste", "Lücken", "Schrift",
                               "Drucken", "Beenden", "Status"})
        expected.push_back(u8(button));
    EXPECT_EQ(tabSequence(&f, static_cast<int>(expected.size())), expected);

    // Backwards from "Bewerten" to the last answer; the frame goes along.
    f.Button6->setFocus();
    pressTab(true);
    EXPECT_EQ(focusedName(&f), u8("Lücke ") + QString::number(gaps));
    EXPECT_TRUE(framed(&f, w.field(gaps)));
    f.Button6->setFocus();
    EXPECT_TRUE(framed(&f, f.Button6));
    // The frame is drawn, around the control, in its own colour.
    const QImage shot = f.grab().toImage();
    const QRect frame = f.findChild<platform::FocusFrame*>()->geometry();
    EXPECT_EQ(QColor(shot.pixel(frame.left(), frame.center().y())), platform::FocusFrame::colour());
    // A control that hides hands on the focus, and the frame goes with it.
    f.Button6->hide();
    auto* frameWidget = f.findChild<platform::FocusFrame*>();
    EXPECT_NE(frameWidget->target(), f.Button6);
    if (frameWidget->target()) {
        EXPECT_TRUE(framed(&f, frameWidget->target()));
    }
    f.Button6->show();
}

TEST(CalculatorAccess, EntryLineButtonsAndVariableListAreNamedAndChained) {
    calc::FormulaVariables variables;
    calc::TForm13 form(variables);
    ASSERT_TRUE(activate(&form));
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    using R = QAccessible::Role;
    expectTable({
        {&form, u8("QXR - Taschenrechner"), R::Dialog, {}},
        {edit, u8("Eingabezeile"), R::EditableText,
         u8("Formel eingeben und <Enter> oder <F1> drücken.")},
        {form.findChild<QPushButton*>(QStringLiteral("Button1")), u8("Löschen"), R::Button, {}},
        {form.findChild<QPushButton*>(QStringLiteral("Button2")), u8("Schließen"), R::Button, {}},
        {form.findChild<QPushButton*>(QStringLiteral("Button3")),
         u8("Variable/Hilfe"),
         R::Button,
         {}},
        {form.findChild<QTextEdit*>(QStringLiteral("RichEdit1")),
         u8("Variablenliste"),
         R::EditableText,
         {}},
    });
    EXPECT_TRUE(unnamedControls(&form).isEmpty());
    edit->setFocus();
    EXPECT_TRUE(framed(&form, edit));
    EXPECT_EQ(tabSequence(&form, 3),
              (std::vector<QString>{u8("Löschen"), u8("Schließen"), u8("Variable/Hilfe")}));
    form.hide();
}

TEST(DialogAccess, EntryCellsAndSelectionChoicesAreNamedAndChained) {
    script::TForm27 entry;
    script::EntryRequest request;
    request.kind = 2;
    request.count = 3;
    request.names = "P";
    request.defaults = "1,2,3";
    entry.prepare(request);
    ASSERT_TRUE(activate(&entry));
    using R = QAccessible::Role;
    const QString prompt = u8("Koordinaten von Punkt (Vektor) P");
    expectTable({
        {&entry, u8("Dateneingabe (Tab/Ret/Esc/Ok)"), R::Dialog, {}},
        {entry.cells[0], u8("Zelle 1"), R::EditableText, prompt},
        {entry.cells[2], u8("Zelle 3"), R::EditableText, prompt},
        {entry.Button1, u8("<ok>"), R::Button, {}},
    });
    EXPECT_TRUE(unnamedControls(&entry).isEmpty());
    entry.cells[0]->setFocus();
    EXPECT_TRUE(framed(&entry, entry.cells[0]));
    EXPECT_EQ(tabSequence(&entry, 3),
              (std::vector<QString>{u8("Zelle 2"), u8("Zelle 3"), u8("<ok>")}));
    entry.hide();

    script::TForm28 box;
    box.prepare({6, 3, " Verschiebbare Auswahlbox", false}, {0, 0});
    ASSERT_TRUE(activate(&box));
    expectTable({
        {&box, u8("Auswahlbox"), R::Dialog, {}},
        {box.RadioGroup1, u8("Auswahl"), R::Border, u8("Verschiebbare Auswahlbox")},
        {box.buttons[0], u8("nein"), R::RadioButton, {}},
        {box.buttons[1], u8("?"), R::RadioButton, {}},
        {box.buttons[2], u8("ja"), R::RadioButton, {}},
    });
    box.buttons[0]->setFocus();
    EXPECT_TRUE(framed(&box, box.buttons[0]));
    box.hide();
}

TEST(RecorderAccess, ButtonsAndCounterAreNamedAndChained) {
    PrivateTempFolder temp;
    player::TForm30 form(temp.path().toStdString());
    ASSERT_TRUE(activate(&form));
    using R = QAccessible::Role;
    expectTable({
        {&form, u8("TavSound"), R::Dialog, {}},
        {form.Button1, u8("Rec"), R::Button, u8("Aufnahme starten")},
        {form.Button2, u8("Play/Stop"), R::Button, u8("Aufnahme abspielen oder anhalten")},
        {form.Button3, u8("Quit"), R::Button, u8("Rekorder schließen")},
        {form.Panel2, u8("Aufgenommene Sekunden"), R::StaticText, u8("0")},
    });
    form.Button1->setFocus();
    EXPECT_EQ(tabSequence(&form, 2), (std::vector<QString>{u8("Play/Stop"), u8("Quit")}));
    EXPECT_TRUE(framed(&form, form.Button3));
    form.hide();
}

// The message and input boxes, looked at while they wait for an answer.
TEST(PlatformDialogAccess, BoxesAreAnnouncedByCaptionAndText) {
    platform::QtUserDialogs dialogs;
    struct Seen {
        QString name, description, role, field, fieldRole;
    };
    std::vector<Seen> seen;
    const auto inspectNextBox = [&] {
        QTimer::singleShot(50, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            Seen s{accessibleName(box),
                   accessibleDescription(box),
                   QString::number(accessible(box)->role()),
                   {},
                   {}};
            if (auto* line = box->findChild<QLineEdit*>()) {
                s.field = accessibleName(line);
                s.fieldRole = QString::number(accessible(line)->role());
            }
            seen.push_back(s);
            QTest::keyClick(box, Qt::Key_Escape);
        });
    };
    inspectNextBox();
    dialogs.askYesNo(" Programm beenden ?        ", " Frage");
    inspectNextBox();
    dialogs.informationTitled("Daten-Fehler\rdemo.rtf", "Problem");
    inspectNextBox();
    EXPECT_EQ(dialogs.inputBox("Testprojekt", " Familienname , Vorname eingeben ", "xxx, yyy"),
              std::nullopt);
    ASSERT_EQ(seen.size(), 3u);
    const QString alert = QString::number(QAccessible::AlertMessage);
    EXPECT_EQ(seen[0].name, u8("Frage"));
    EXPECT_EQ(seen[0].description, u8("Programm beenden ?"));
    EXPECT_EQ(seen[0].role, alert);
    EXPECT_EQ(seen[1].name, u8("Problem"));
    EXPECT_EQ(seen[1].description, u8("Daten-Fehler demo.rtf"));
    EXPECT_EQ(seen[2].name, u8("Testprojekt"));
    EXPECT_EQ(seen[2].description, u8("Familienname , Vorname eingeben"));
    EXPECT_EQ(seen[2].field, u8("Familienname , Vorname eingeben"));
    EXPECT_EQ(seen[2].fieldRole, QString::number(QAccessible::EditableText));
}

}  // namespace
}  // namespace textaria::testing
