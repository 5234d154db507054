#include "platform/ui/rich_text_document.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <filesystem>

#include "platform/document_file.h"

namespace textaria::platform {
namespace {

Paragraph paragraphOf(std::initializer_list<TextRun> runs, Alignment alignment = Alignment::Left) {
    Paragraph paragraph;
    paragraph.alignment = alignment;
    for (const TextRun& run : runs) appendRun(paragraph, run.text, run.format);
    return paragraph;
}

TEST(RichTextDocument, ModelSurvivesTheDocument) {
    const CharFormat plain{"Arial"};
    const CharFormat bold{"Times New Roman", 18, true, false, false, 0x0000FF};
    const CharFormat all{"Courier New", 9.5, true, true, true, 0xFF8000};
    const CharFormat unnamed{"", 12, false, true};
    struct Case {
        const char* name;
        StyledText text;
    };
    const Case cases[] = {
        {"empty", {}},
        {"one line", {{paragraphOf({{"Haus", plain}})}, false}},
        {"ended line", {{paragraphOf({{"Haus", plain}})}, true}},
        {"only a line end", {{Paragraph{}}, true}},
        {"empty lines between",
         {{paragraphOf({{"a", plain}}), Paragraph{}, Paragraph{}, paragraphOf({{"b", plain}})},
          false}},
        {"formats and alignment",
         {{paragraphOf({{"#01, Titel;bild.jpg", bold}}, Alignment::Center),
           paragraphOf({{"Grüße „x“\t€ ", plain}, {"[Antwort]", all}, {" 😀", unnamed}},
                       Alignment::Justify),
           paragraphOf({{"rechts", plain}}, Alignment::Right)},
          true}},
        {"no-break space and private characters",
         {{paragraphOf({{"a\u00A0b \uF0E8", plain}})}, false}},
    };
    for (const Case& c : cases) {
        QTextDocument document;
        setStyledText(document, c.text);
        EXPECT_TRUE(styledTextOf(document) == c.text) << c.name;
        EXPECT_EQ(plainTextCrLf(document), plainText(c.text)) << c.name;
        QString raw = document.toRawText();
        raw.replace(QChar::ParagraphSeparator, "\r\n");
        EXPECT_EQ(raw.toStdString(), plainText(c.text)) << c.name;
    }
}

TEST(RichTextDocument, FormatsReachQt) {
    const CharFormat red{"Arial", 16, true, false, true, 0xFF0000};
    QTextDocument document;
    setStyledText(document, {{paragraphOf({{"ab", CharFormat{"Arial"}}, {"cd", red}})}, false});
    QTextCursor cursor(&document);
    cursor.setPosition(3);  // the format of the character before position 3: "c"
    const QTextCharFormat f = cursor.charFormat();
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(f.fontPointSize(), 16.0);
    EXPECT_EQ(f.fontWeight(), QFont::Bold);
    EXPECT_FALSE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
}

TEST(RichTextDocument, TypedTextBecomesModel) {
    QTextDocument document;
    document.setDefaultFont(QFont("Arial", 14));
    QTextCursor cursor(&document);
    cursor.insertText("erste");
    cursor.insertText(QString(QChar::LineSeparator));
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.insertText("zweite", italic);
    cursor.insertBlock();
    cursor.insertText("dritte");

    const StyledText text = styledTextOf(document);
    EXPECT_EQ(plainText(text), "erste\r\nzweite\r\ndritte");
    ASSERT_EQ(text.paragraphs.size(), 3u);
    const CharFormat& typed = text.paragraphs[0].runs[0].format;
    EXPECT_EQ(typed.fontName, "");
    EXPECT_EQ(typed.pointSize, 14.0);
    EXPECT_EQ(typed.color, 0x000000u);
    EXPECT_TRUE(text.paragraphs[1].runs[0].format.italic);
}

// A page moves from the full lesson text into the page view as a document fragment; every
// character keeps its font, size, colour and style.
TEST(RichTextDocument, CopiedPageKeepsItsFormats) {
    const std::string fixture = (std::filesystem::path(__FILE__).parent_path().parent_path() /
                                 "data" / "rtf" / "lesson_lo.rtf")
                                    .string();
    const DocumentLoad load = loadDocumentFile(fixture);
    ASSERT_TRUE(load.ok) << load.error;
    QTextDocument full;
    setStyledText(full, load.text);

    const QString plain = QString::fromStdString(plainTextCrLf(full)).replace("\r\n", "\n");
    const qsizetype from = plain.indexOf("Das Haus");
    const qsizetype to = plain.indexOf("Link:");
    ASSERT_GE(from, 0);
    ASSERT_GT(to, from);
    QTextCursor selection(&full);
    selection.setPosition(static_cast<int>(from));
    selection.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);

    QTextDocument page;
    QTextCursor(&page).insertFragment(selection.selection());
    const StyledText copied = styledTextOf(page);
    ASSERT_GE(copied.paragraphs.size(), 2u);
    EXPECT_TRUE(copied.paragraphs[0].runs == load.text.paragraphs[3].runs);
    EXPECT_TRUE(copied.paragraphs[1].runs == load.text.paragraphs[4].runs);
}

}  // namespace
}  // namespace textaria::platform
