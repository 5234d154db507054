// Lessons that come as archives: a project menu of nested archives, and the lesson carried by
// the program file itself.
#include <gtest/gtest.h>

#include <QPushButton>

#include "lesson/archive.h"
#include "lesson/startup_facts.h"
#include "lesson/texts.h"
#include "player/texts.h"
#include "player_test_support.h"

namespace textaria::testing {
namespace {

namespace fs = std::filesystem;

QString u8(const char* text) { return QString::fromUtf8(text); }

std::string packed(const QString& folder, const std::string& name,
                   const std::vector<std::string>& members) {
    std::vector<lesson::PackMember> list;
    for (const auto& m : members) list.push_back({m, (folder + "/").toStdString() + m, ""});
    const std::string archive = (folder + "/").toStdString() + name;
    EXPECT_EQ(lesson::writeArchive(archive, list), "");
    return archive;
}

TEST(PlayerArchives, ProjectMenuPicksAProjectAndReturnsWithAuswahl) {
    PlayerWindow w;
    const QString src = w.temp.file("src");
    QDir().mkpath(src);
    writeLesson(src, "kurs1.rtf",
                {"#01, Erste", "Ein [Haus].", "#02, Zweite", "Ein [Baum].", "#00"});
    writeLesson(src, "kurs1.jpg", {"kein Bild"});  // media of the project
    packed(src, "kurs1.rsd", {"kurs1.rtf", "kurs1.jpg"});
    writeLesson(src, "menu.rtf", {"Unsere Kurse:", "kurs1.rsd   Der erste Kurs"});
    const std::string menu = packed(src, "menu.rsd", {"menu.rtf", "kurs1.rsd"});

    ASSERT_TRUE(w->openLesson(menu));
    EXPECT_TRUE(w->player().SelectionArchive);
    EXPECT_EQ(w->Button3->text(), u8("Auswahl"));
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("Der erste Kurs")));

    ASSERT_TRUE(w.clickLine(u8("Der erste Kurs")));
    EXPECT_EQ(w.dialogs.messages().back(), lesson::texts::kGoToProject);
    EXPECT_EQ(w.status(), u8("kurs1.rtf"));
    EXPECT_EQ(w->player().SelectionLine, 2);
    ASSERT_TRUE(w.clickLine(u8("02, Zweite")));
    EXPECT_EQ(w->player().CurrentPage, 2);
    EXPECT_TRUE(w->player().ProjectOpen);
    w.type(1, "Baum");
    w.press(w->Button6);
    EXPECT_EQ(w.status(), u8("< 1 von 1 Werten richtig  =  100.00% >"));

    // Back to the menu: the project's media went, the archives stayed.
    w.press(w->Button3);
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("Der erste Kurs")));
    EXPECT_FALSE(w.field(1)->isVisible());
    EXPECT_EQ(w->RichEdit1->textCursor().blockNumber(), 1);
    w.press(w->Button8);  // no list while the menu is shown
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("Der erste Kurs")));
    ASSERT_TRUE(w.clickLine(u8("kurs1.rsd")));
    EXPECT_TRUE(w->RichEdit1->toPlainText().contains(u8("   01, Erste")));
}

TEST(PlayerArchives, ProgramWithAnAppendedSingleTextWaitsForAuswahl) {
    PrivateTempFolder temp;
    const QString src = temp.file("src");
    QDir().mkpath(src);
    writeLesson(src, "beruf.rtf", {"Ich bin [Lehrer]."});
    const std::string archive = packed(src, "x.rsd", {"beruf.rtf"});
    const std::string program = temp.file("beruf").toStdString();
    {
        std::ofstream out(program, std::ios::binary);
        out << std::string(lesson::kAppendedArchiveOffset, 'x');
        std::ifstream in(archive, std::ios::binary);
        out << in.rdbuf();
    }
    lesson::StartupState state;
    state.programPath = program;
    FakeUserDialogs dialogs;
    NoPrograms programs;
    std::unique_ptr<player::LessonPlayer> lessonPlayer;  // outlives the window
    player::TForm1 form(state, dialogs, programs);
    lessonPlayer = std::make_unique<player::LessonPlayer>(state, form, dialogs);
    form.attach(*lessonPlayer);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    EXPECT_EQ(form.Panel1->text(), u8(lesson::texts::kContinueWithSelection));
    EXPECT_TRUE(form.Button3->isVisible());
    EXPECT_EQ(form.Button3->text(), u8(player::texts::kSelectionButton));
    form.Button3Click();
    EXPECT_TRUE(form.RichEdit1->toPlainText().contains(u8("Ich bin")));
    EXPECT_TRUE(form.gapFields[0]->isVisible());
}

TEST(PlayerArchives, ProgramWithAnAppendedLessonStartsInIt) {
    PrivateTempFolder temp;
    const QString src = temp.file("src");
    QDir().mkpath(src);
    writeLesson(src, "beruf.rtf", {"#01, Beruf", "Ich bin [Lehrer].", "#00"});
    const std::string archive = packed(src, "x.rsd", {"beruf.rtf"});
    // Not an ELF file: the build's recorded bare size counts.
    const std::string program = temp.file("beruf").toStdString();
    {
        std::ofstream out(program, std::ios::binary);
        out << std::string(lesson::kAppendedArchiveOffset, 'x');
        std::ifstream in(archive, std::ios::binary);
        out << in.rdbuf();
    }
    const fs::path start = fs::current_path();
    {
        lesson::StartupState state;
        state.programPath = program;
        FakeUserDialogs dialogs;
        NoPrograms programs;
        std::unique_ptr<player::LessonPlayer> lessonPlayer;  // outlives the window
        player::TForm1 form(state, dialogs, programs);
        lessonPlayer = std::make_unique<player::LessonPlayer>(state, form, dialogs);
        form.attach(*lessonPlayer);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QApplication::processEvents();
        EXPECT_TRUE(dialogs.messages().empty());
        EXPECT_EQ(form.player().LessonBaseName, "beruf");
        EXPECT_TRUE(form.RichEdit1->toPlainText().contains(u8("   01, Beruf")));
        EXPECT_FALSE(form.Button3->isVisible());
        // A later press of the hidden button would change nothing.
        form.Button3Click();
        EXPECT_TRUE(form.RichEdit1->toPlainText().contains(u8("   01, Beruf")));
    }
    fs::current_path(start);
}

}  // namespace
}  // namespace textaria::testing
