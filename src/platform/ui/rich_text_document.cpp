#include "platform/ui/rich_text_document.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace textaria::platform {
namespace {

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Center:
            return Qt::AlignHCenter;
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Justify:
            return Qt::AlignJustify;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

Alignment fromQtAlignment(Qt::Alignment alignment) {
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter) return Alignment::Center;
    if (horizontal & Qt::AlignJustify) return Alignment::Justify;
    if (horizontal & Qt::AlignRight) return Alignment::Right;
    return Alignment::Left;
}

double defaultPointSize(const QTextDocument& document) {
    const double size = document.defaultFont().pointSizeF();
    return size > 0 ? size : 12.0;
}

}  // namespace

QTextCharFormat toQtFormat(const CharFormat& format) {
    QTextCharFormat qt;
    if (!format.fontName.empty()) {
        qt.setFontFamilies(QStringList{QString::fromStdString(format.fontName)});
    }
    qt.setFontPointSize(format.pointSize);
    qt.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    qt.setFontItalic(format.italic);
    qt.setFontUnderline(format.underline);
    qt.setForeground(QColor::fromRgb(static_cast<QRgb>(format.color)));
    return qt;
}

CharFormat fromQtFormat(const QTextCharFormat& qt, double defaultSize) {
    CharFormat format;
    const QStringList families = qt.fontFamilies().toStringList();
    if (!families.isEmpty()) format.fontName = families.front().toStdString();
    format.pointSize =
        qt.hasProperty(QTextFormat::FontPointSize) ? qt.fontPointSize() : defaultSize;
    format.bold = qt.fontWeight() >= QFont::DemiBold;
    format.italic = qt.fontItalic();
    format.underline = qt.fontUnderline();
    if (qt.hasProperty(QTextFormat::ForegroundBrush)) {
        format.color = qt.foreground().color().rgb() & 0xFFFFFF;
    }
    return format;
}

void setStyledText(QTextDocument& document, const StyledText& text) {
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        const Paragraph& paragraph = text.paragraphs[i];
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(toQtAlignment(paragraph.alignment));
        const QTextCharFormat firstFormat =
            paragraph.runs.empty() ? QTextCharFormat() : toQtFormat(paragraph.runs.front().format);
        if (i == 0) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(firstFormat);
        } else {
            cursor.insertBlock(blockFormat, firstFormat);
        }
        for (const TextRun& run : paragraph.runs) {
            cursor.insertText(QString::fromStdString(run.text), toQtFormat(run.format));
        }
    }
    if (text.endsWithLineEnd && !text.paragraphs.empty()) {
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(toQtAlignment(text.paragraphs.back().alignment));
        cursor.insertBlock(blockFormat, cursor.charFormat());
    }
    cursor.endEditBlock();
}

StyledText styledTextOf(const QTextDocument& document) {
    StyledText text;
    const double defaultSize = defaultPointSize(document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph;
        paragraph.alignment = fromQtAlignment(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const CharFormat format = fromQtFormat(fragment.charFormat(), defaultSize);
            const QStringList lines = fragment.text().split(QChar::LineSeparator);
            for (qsizetype k = 0; k < lines.size(); ++k) {
                if (k > 0) {
                    const Alignment alignment = paragraph.alignment;
                    text.paragraphs.push_back(std::move(paragraph));
                    paragraph = Paragraph{};
                    paragraph.alignment = alignment;
                }
                appendRun(paragraph, lines[k].toStdString(), format);
            }
        }
        text.paragraphs.push_back(std::move(paragraph));
    }
    // The last block is the text after the last line end: empty means the text ends with one.
    if (!text.paragraphs.empty() && text.paragraphs.back().runs.empty()) {
        text.paragraphs.pop_back();
        text.endsWithLineEnd = !text.paragraphs.empty();
    }
    return text;
}

std::string plainTextCrLf(const QTextDocument& document) {
    return plainText(styledTextOf(document));
}

}  // namespace textaria::platform
