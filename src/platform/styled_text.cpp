#include "platform/styled_text.h"

#include "platform/codepage.h"

namespace textaria::platform {

std::string plainText(const StyledText& text) {
    std::size_t size = 0;
    for (const Paragraph& paragraph : text.paragraphs) {
        for (const TextRun& run : paragraph.runs) size += run.text.size();
        size += 2;
    }
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        if (i > 0) out += "\r\n";
        for (const TextRun& run : text.paragraphs[i].runs) out += run.text;
    }
    if (text.endsWithLineEnd && !text.paragraphs.empty()) out += "\r\n";
    return out;
}

StyledText withSymbolFontShown(StyledText text) {
    for (Paragraph& paragraph : text.paragraphs) {
        for (TextRun& run : paragraph.runs) {
            if (run.format.fontName != "Symbol") continue;
            std::string shown;
            std::size_t pos = 0;
            while (pos < run.text.size())
                appendUtf8(shown, symbolToUnicode(nextUtf8(run.text, pos)));
            run.text = std::move(shown);
        }
    }
    return text;
}

void appendRun(Paragraph& paragraph, std::string_view text, const CharFormat& format) {
    if (text.empty()) return;
    if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
        paragraph.runs.back().text.append(text);
    } else {
        paragraph.runs.push_back(TextRun{std::string(text), format});
    }
}

}  // namespace textaria::platform
