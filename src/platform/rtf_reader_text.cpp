// The text-building half of the RTF reader: characters, code pages, runs and paragraphs.
#include "platform/codepage.h"
#include "platform/rtf_reader_impl.h"

namespace textaria::platform::detail {

namespace {

int codePageOfCharset(int charset, int documentCodePage) {
    switch (charset) {
        case 0:
            return 1252;
        case 2:
            return kSymbolCodePage;
        case 77:
            return 10000;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 238:
            return 1250;
        case 254:
            return 437;
        case 255:
            return 850;
        default:
            return documentCodePage;
    }
}

}  // namespace

bool RtfReader::paragraphHasContent() const { return !paragraph_.runs.empty() || cellTabs_ > 0; }

void RtfReader::endParagraph() {
    paragraph_.alignment = state().alignment;
    result_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = Paragraph{};
}

int RtfReader::currentCodePage() {
    const int font = state().font;
    if (font == cachedCodePageFont_) return cachedCodePage_;
    int codePage = documentCodePage_;
    const auto it = fonts_.find(font);
    if (it != fonts_.end()) {
        const FontEntry& entry = it->second;
        if (entry.codePage > 0 && isKnownCodePage(entry.codePage)) {
            codePage = entry.codePage;
        } else if (entry.charset >= 0) {
            codePage = codePageOfCharset(entry.charset, documentCodePage_);
            if (codePage == kSymbolCodePage && entry.name != "Symbol") {
                codePage = kPrivateSymbolCodePage;
            }
        }
    }
    cachedCodePageFont_ = font;
    cachedCodePage_ = codePage;
    cachedTable_ = codePageUpperHalf(codePage);
    return codePage;
}

void RtfReader::emitByte(unsigned char byte) {
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    const Destination d = state().destination;
    if (d == Destination::FontTable) {
        if (byte == ';') {
            FontEntry& entry = fonts_[tableFont_];
            while (!entry.name.empty() && entry.name.back() == ' ') entry.name.pop_back();
            return;
        }
        if (byte < 0x80) {
            fonts_[tableFont_].name.push_back(static_cast<char>(byte));
        } else {
            appendUtf8(fonts_[tableFont_].name, decodeByte(documentCodePage_, byte));
        }
        return;
    }
    if (d == Destination::ColorTable) {
        if (byte == ';') {
            colours_.push_back(pendingColour_);
            pendingColour_ = {};
            pendingColourSet_ = false;
        }
        return;
    }
    if (d != Destination::Text) return;
    if (byte < 0x80) {
        emitChar(byte);
        return;
    }
    const int codePage = currentCodePage();
    if (cachedTable_ != nullptr) {
        emitChar(cachedTable_[byte - 0x80]);
    } else if (codePage == kPrivateSymbolCodePage) {
        emitChar(char32_t{0xF000} + byte);
    } else {
        emitChar(decodeByte(codePage, byte));
    }
}

void RtfReader::emitUnicode(int value) {
    // A \u inside the fallback of another one is taken as a character of its own: files that
    // leave out fallbacks keep their text.
    skipCount_ = 0;
    char32_t c = static_cast<char32_t>(value < 0 ? value + 65536 : value) & 0xFFFF;
    if (c >= 0xD800 && c <= 0xDBFF) {
        if (highSurrogate_ != 0) emitChar(0xFFFD);
        highSurrogate_ = c;
    } else {
        if (c >= 0xDC00 && c <= 0xDFFF) {
            c = highSurrogate_ == 0 ? 0xFFFD
                                    : 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
            highSurrogate_ = 0;
        }
        if (c >= 0xF020 && c <= 0xF0FF && state().destination == Destination::Text &&
            currentCodePage() == kSymbolCodePage) {
            emitByte(static_cast<unsigned char>(c - 0xF000));
        } else if (state().destination == Destination::FontTable) {
            appendUtf8(fonts_[tableFont_].name, c);
        } else {
            emitChar(c);
        }
    }
    skipCount_ = state().unicodeSkip;
}

void RtfReader::emitChar(char32_t c) {
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    if (state().destination != Destination::Text || state().hidden) return;
    // A CR or LF written as \'0d or \u10 would split a line inside a paragraph, which the
    // plain text cannot tell from a paragraph break; it reads as a blank.
    if (c == '\r' || c == '\n') c = ' ';
    appendUtf8(textTarget(), c);
}

void RtfReader::emitText(std::string_view utf8) {
    if (state().hidden) return;
    textTarget().append(utf8);
}

std::string& RtfReader::textTarget() {
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        appendUtf8(currentRun(), 0xFFFD);
    }
    if (cellTabs_ > 0 || deferredPar_) settleBeforeText();
    return currentRun();
}

std::string& RtfReader::currentRun() {
    if (textOnly_) {
        if (paragraph_.runs.empty()) paragraph_.runs.emplace_back();
        return paragraph_.runs.back().text;
    }
    const GroupState& s = state();
    const FormatKey key{s.font, s.halfPoints, s.colour,
                        (s.bold ? 1 : 0) | (s.italic ? 2 : 0) | (s.underline ? 4 : 0)};
    std::vector<TextRun>& runs = paragraph_.runs;
    if (!runs.empty() && key == lastRunKey_) return runs.back().text;
    lastRunKey_ = key;
    const CharFormat& format = formatOf(key);
    // Different numbers may still mean the same format (two entries of one font).
    if (runs.empty() || !(runs.back().format == format)) runs.push_back(TextRun{{}, format});
    return runs.back().text;
}

void RtfReader::settleBeforeText() {
    if (deferredPar_) {
        deferredPar_ = false;
        paragraph_.alignment = deferredAlignment_;
        result_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }
    flushCellTabs();
}

void RtfReader::flushCellTabs() {
    if (cellTabs_ == 0) return;
    const auto tabs = static_cast<std::size_t>(cellTabs_);
    cellTabs_ = 0;
    currentRun().append(tabs, '\t');
}

const CharFormat& RtfReader::formatOf(const FormatKey& key) {
    if (key == formatCacheKey_) return format_;
    formatCacheKey_ = key;
    const auto font = fonts_.find(key.font);
    format_.fontName = font != fonts_.end() ? font->second.name : std::string();
    format_.pointSize = key.halfPoints / 2.0;
    format_.bold = (key.flags & 1) != 0;
    format_.italic = (key.flags & 2) != 0;
    format_.underline = (key.flags & 4) != 0;
    format_.color = key.colour > 0 && static_cast<std::size_t>(key.colour) < colours_.size()
                        ? colours_[static_cast<std::size_t>(key.colour)].rgb
                        : 0x000000;
    return format_;
}

}  // namespace textaria::platform::detail
