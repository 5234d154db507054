// Answer fields over the gaps of a real page view, offscreen. Expected rectangles come from
// the view's own layout at run time, so the test does not depend on the installed fonts.
#include "lesson/ui/place_gap_fields.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

#include "lesson/markup_text.h"

namespace textaria::lesson::ui {
namespace {

class GapFieldsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        view = std::make_unique<QTextEdit>();
        view->setLineWrapMode(QTextEdit::NoWrap);
        view->document()->setDefaultFont(QFont("Liberation Sans", 12));
        view->resize(1000, 700);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        fields = createGapFields(*view);
    }

    void addLine(const QString& text, const QString& family, double size) {
        QTextCursor cursor(view->document());
        cursor.movePosition(QTextCursor::End);
        if (!view->document()->isEmpty()) cursor.insertBlock();
        QTextCharFormat format;
        format.setFontFamilies({family});
        format.setFontPointSize(size);
        cursor.insertText(text, format);
    }

    QRect caret(int position) const {
        QTextCursor c(view->document());
        c.setPosition(position);
        return view->cursorRect(c);
    }

    // The field must hold both bracket characters and reach no further than the characters
    // next to them.
    void expectCovers(const QLineEdit& field, const GapEntry& gap, const std::string& text) {
        const int open = static_cast<int>(documentPosition(text, gap.openPos));
        const int close = static_cast<int>(documentPosition(text, gap.closePos));
        const QRect bracketOpen(caret(open).topLeft(), caret(open + 1).bottomLeft());
        const QRect bracketClose(caret(close).topLeft(), caret(close + 1).bottomLeft());
        const QRect r = field.geometry();
        SCOPED_TRACE(gap.answer);
        EXPECT_LE(r.left(), bracketOpen.left());
        EXPECT_GE(r.right(), bracketClose.right());
        EXPECT_LE(r.top(), bracketOpen.top());
        EXPECT_GE(r.bottom(), bracketOpen.bottom());
        EXPECT_GT(r.left(), caret(open - 1).left());
        EXPECT_LT(r.right(), caret(close + 2).left());
        EXPECT_EQ(field.parentWidget(), view->viewport());
        EXPECT_TRUE(field.isVisible());
        EXPECT_TRUE(field.text().isEmpty());
    }

    std::unique_ptr<QTextEdit> view;
    GapFields fields{};
};

TEST_F(GapFieldsTest, FieldsCoverBracketsAtEveryFontSizeAndAfterSchrift) {
    struct Size {
        double points;
        int fieldPoints;  // with no font change
    };
    const Size sizes[] = {{10, 10}, {13, 10}, {14, 12}, {16, 14}, {18, 16},
                          {21, 16}, {22, 18}, {23, 20}, {28, 20}};
    const QString families[] = {"Arial", "Courier New"};
    for (const QString& family : families) {
        SCOPED_TRACE(family.toStdString());
        view->clear();
        for (const Size& s : sizes)
            addLine(QStringLiteral("Wort [Haus] und [ gro\u00DFe ] Ende"), family, s.points);
        addLine(QStringLiteral("$"), family, 12);
        addLine(QStringLiteral("_ Hinweis"), family, 12);

        int total = 0;  // the running sum of "Schrift" changes
        for (int change : {0, 2, -3}) {
            total += change;
            SCOPED_TRACE(total);
            if (change != 0) {
                // "Schrift": every character keeps its own size plus the step.
                for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
                    for (auto it = b.begin(); !it.atEnd(); ++it) {
                        QTextCursor c(view->document());
                        c.setPosition(it.fragment().position());
                        c.setPosition(it.fragment().position() + it.fragment().length(),
                                      QTextCursor::KeepAnchor);
                        QTextCharFormat f;
                        f.setFontPointSize(it.fragment().charFormat().fontPointSize() + change);
                        c.mergeCharFormat(f);
                    }
            }
            const GapExtraction gaps = ExtractGaps(*view);
            ASSERT_EQ(gaps.error, GapError::None);
            ASSERT_EQ(gaps.table.GapCount(), 18);
            const std::string text = documentPlainText(*view->document());
            EXPECT_EQ(text.find("Hinweis"), std::string::npos);  // trailing "_" line removed

            const GapPlacement placed = PlaceGapFields(*view, gaps.table, fields, total);
            EXPECT_FALSE(placed.positionError);
            EXPECT_TRUE(placed.hasAnswerFields);
            EXPECT_EQ(view->focusWidget(), fields[0]);
            for (int i = 0; i < 18; ++i) {
                const QLineEdit& field = *fields[i];
                expectCovers(field, gaps.table.entries[i], text);
                EXPECT_EQ(field.objectName(), QStringLiteral("Edit%1").arg(i + 1));
                const double pagePoints = sizes[i / 2].points + total;
                EXPECT_EQ(field.font().pointSize(), gapFieldFontSize(pagePoints, total));
                if (total == 0) {
                    EXPECT_EQ(field.font().pointSize(), sizes[i / 2].fieldPoints);
                }
                EXPECT_TRUE(field.font().bold());
                EXPECT_EQ(field.font().family(), family);
                EXPECT_EQ(field.palette().color(QPalette::Base), QColor(250, 250, 200));
                EXPECT_EQ(field.palette().color(QPalette::Text), QColor(200, 0, 0));
            }
            EXPECT_TRUE(fields[18]->isHidden());
            EXPECT_TRUE(fields[19]->isHidden());
            EXPECT_GT(gaps.table.entries[0].width, 0);
            EXPECT_EQ(gaps.table.entries[0].x,
                      caret(static_cast<int>(gaps.table.entries[0].openPos) + 1).left());
        }
    }
}

TEST_F(GapFieldsTest, ErrorsLeaveNoFieldsAndClearingResets) {
    addLine("a [b] c [d] e", "Arial", 12);
    GapExtraction gaps = ExtractGaps(*view);
    PlaceGapFields(*view, gaps.table, fields, 0);
    fields[0]->setText("Eingabe");
    ASSERT_TRUE(fields[1]->isVisible());

    clearGapFields(fields);
    for (QLineEdit* f : fields) {
        EXPECT_TRUE(f->isHidden());
        EXPECT_TRUE(f->text().isEmpty());
        EXPECT_EQ(f->palette().color(QPalette::Base), QColor(Qt::white));
    }

    view->clear();
    addLine("a [b] c] e", "Arial", 12);
    gaps = ExtractGaps(*view);
    EXPECT_EQ(gaps.error, GapError::Brackets);
    EXPECT_FALSE(PlaceGapFields(*view, gaps.table, fields, 0).hasAnswerFields);
    EXPECT_TRUE(fields[0]->isHidden());

    // A gap over a line end is covered from its "[" to the end of that line.
    view->clear();
    addLine("a [b", "Arial", 12);
    addLine("c] d", "Arial", 12);
    gaps = ExtractGaps(*view);
    ASSERT_EQ(gaps.table.GapCount(), 1);
    ASSERT_TRUE(PlaceGapFields(*view, gaps.table, fields, 0).hasAnswerFields);
    EXPECT_LE(fields[0]->geometry().left(), caret(2).left());
    EXPECT_GT(fields[0]->geometry().right(), caret(4).left());
    EXPECT_EQ(fields[0]->geometry().top(), caret(2).top());

    // A table that no longer matches the text: placing stops with the position error.
    view->clear();
    addLine("a [b] c [d]", "Arial", 12);
    gaps = ExtractGaps(*view);
    QTextCursor(view->document()).insertText("xx");
    const GapPlacement placed = PlaceGapFields(*view, gaps.table, fields, 0);
    EXPECT_TRUE(placed.positionError);
}

TEST_F(GapFieldsTest, PositionsCountUmlautsAndLineBreaksAsTheDocumentDoes) {
    addLine(QStringLiteral("\u00A7\u00E4 \u00DF"), "Arial", 12);
    addLine(QStringLiteral("\u00C4rger [\u00F6de] x"), "Arial", 12);
    const GapExtraction g = ExtractGaps(*view);
    ASSERT_EQ(g.table.GapCount(), 1);
    EXPECT_EQ(g.table.entries[0].answer,
              "\xC3\xB6"
              "de");
    const std::string text = documentPlainText(*view->document());
    EXPECT_EQ(documentPosition(text, g.table.entries[0].openPos), 11u);
    PlaceGapFields(*view, g.table, fields, 0);
    expectCovers(*fields[0], g.table.entries[0], text);
}

TEST_F(GapFieldsTest, FieldsScrollWithTheText) {
    // The viewport scrolls its children along with the text.
    for (int i = 0; i < 80; ++i)
        addLine(
            i % 8 == 7 ? QStringLiteral("Zeile [L\u00FCcke %1] x").arg(i) : QStringLiteral("Zeile"),
            "Arial", 12);
    const GapExtraction ten = ExtractGaps(*view);
    ASSERT_EQ(ten.table.GapCount(), 10);
    PlaceGapFields(*view, ten.table, fields, 0);
    const std::string text = documentPlainText(*view->document());
    for (int value : {view->verticalScrollBar()->maximum(), 37, 0}) {
        view->verticalScrollBar()->setValue(value);
        for (int i = 0; i < 10; ++i) expectCovers(*fields[i], ten.table.entries[i], text);
    }
}

TEST_F(GapFieldsTest, PrintFormKeepsFormatsAndBlanksTheGaps) {
    addLine(QStringLiteral("Gr\u00F6\u00DFe: [Haus]"), "Arial", 16);
    addLine(QStringLiteral("Die [Stadt] ist [Berlin]."), "Courier New", 12);
    addLine(QStringLiteral("?5 $"), "Arial", 12);
    QTextDocument target;
    PrintForm(*view, target);
    EXPECT_EQ(documentPlainText(target),
              "Gr\xC3\xB6\xC3\x9F"
              "e: ____\r\nDie _____ ist _____.\r\n");
    QTextCursor c(&target);
    c.setPosition(9);  // after the first underscore of the first line
    EXPECT_EQ(c.charFormat().fontPointSize(), 16);
    c.setPosition(target.findBlockByNumber(1).position() + 5);
    EXPECT_EQ(c.charFormat().fontFamilies().toStringList(), QStringList{"Courier New"});
}

}  // namespace
}  // namespace textaria::lesson::ui
