#include "player/ui/page_document.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/ui/rich_text_document.h"

namespace textaria::player {
namespace {

// A document with three lines: "Das [Haus]" in 12 pt with "Haus" bold red 16 pt, a 10 pt line,
// and an option line.
void fill(QTextDocument& doc) {
    QTextCursor c(&doc);
    QTextCharFormat normal;
    normal.setFontFamilies({"Arial"});
    normal.setFontPointSize(12);
    QTextCharFormat strong = normal;
    strong.setFontWeight(QFont::Bold);
    strong.setForeground(QColor(200, 0, 0));
    strong.setFontPointSize(16);
    QTextCharFormat small = normal;
    small.setFontPointSize(10);
    c.insertText("Das [", normal);
    c.insertText("Haus", strong);
    c.insertText("]", normal);
    c.insertBlock();
    c.insertText("zweite Zeile", small);
    c.insertBlock();
    c.insertText("§$", normal);
}

QTextCharFormat formatAt(QTextDocument& doc, int position) {
    QTextCursor c(&doc);
    c.setPosition(position + 1);  // the format of the character before the cursor
    return c.charFormat();
}

TEST(PageDocument, CopiedRangeKeepsEachCharactersFormat) {
    QTextDocument full, page;
    fill(full);
    copyDocumentRange(full, 4, 23, page);  // "[Haus]" .. "zweite Zeile"
    EXPECT_EQ(platform::plainTextCrLf(page), "[Haus]\r\nzweite Zeile");
    const auto bold = formatAt(page, 1);
    EXPECT_EQ(bold.fontWeight(), QFont::Bold);
    EXPECT_EQ(bold.fontPointSize(), 16);
    EXPECT_EQ(bold.foreground().color(), QColor(200, 0, 0));
    EXPECT_EQ(formatAt(page, 0).fontPointSize(), 12);
    EXPECT_EQ(formatAt(page, 8).fontPointSize(), 10);
    EXPECT_EQ(formatAt(page, 8).fontFamilies().toStringList(), QStringList{"Arial"});
}

TEST(PageDocument, RemovesRangesInAnyOrder) {
    QTextDocument doc;
    fill(doc);
    removeDocumentRanges(doc, {{0, 4}, {23, 26}, {10, 18}});
    EXPECT_EQ(platform::plainTextCrLf(doc), "[Haus]Zeile");
}

TEST(PageDocument, FontChangesAccumulateAndUndo) {
    QTextDocument doc;
    fill(doc);
    changeFontSizes(doc, 2);
    EXPECT_EQ(formatAt(doc, 5).fontPointSize(), 18);
    EXPECT_EQ(formatAt(doc, 12).fontPointSize(), 12);
    changeFontSizes(doc, 3);
    changeFontSizes(doc, -5);
    EXPECT_EQ(formatAt(doc, 0).fontPointSize(), 12);
    EXPECT_EQ(formatAt(doc, 5).fontPointSize(), 16);
    EXPECT_EQ(formatAt(doc, 12).fontPointSize(), 10);
    changeFontSizes(doc, -30);
    EXPECT_EQ(formatAt(doc, 5).fontPointSize(), 1) << "never below one point";
}

TEST(PageDocument, LineUnderAClick) {
    QTextEdit view;
    fill(*view.document());
    view.resize(400, 300);
    view.show();
    QTextCursor c(view.document()->findBlockByNumber(1));
    const QRect r = view.cursorRect(c);
    EXPECT_EQ(lineAtPoint(view, r.center() + QPoint(3, 0)), "zweite Zeile");
}

}  // namespace
}  // namespace textaria::player
