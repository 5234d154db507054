#include "platform/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/codepage.h"
#include "platform/rtf_keywords.h"
#include "platform/rtf_reader_impl.h"

namespace textaria::platform {
namespace detail {
namespace {

bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Bytes that end a stretch of plain ASCII text.
constexpr std::array<bool, 256> kEndsText = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = c < 0x20 || c >= 0x80 || c == '\\' || c == '{' || c == '}';
    return table;
}();

}  // namespace

StyledText RtfReader::run() {
    stack_.reserve(64);
    stack_.emplace_back();
    isDocument_ = looksLikeRtf(in_);
    const std::size_t size = in_.size();
    while (pos_ < size) {
        const auto c = static_cast<unsigned char>(in_[pos_]);
        switch (c) {
            case '{':
                ++pos_;
                openGroup();
                break;
            case '}':
                ++pos_;
                if (!closeGroup()) {
                    closed_ = true;
                    pos_ = size;
                }
                break;
            case '\\':
                readControl();
                break;
            case '\r':
            case '\n':
                ++pos_;
                break;
            default: {
                if (state().destination != Destination::Text || skipCount_ > 0 || c >= 0x80 ||
                    c == '\t' || c < 0x20) {
                    ++pos_;
                    if (c == '\t') {
                        emitChar('\t');
                    } else if (c >= 0x20) {
                        emitByte(c);
                    }
                    break;
                }
                // Plain ASCII text: take the whole stretch at once.
                std::size_t end = pos_ + 1;
                while (end < size && !kEndsText[static_cast<unsigned char>(in_[end])]) ++end;
                emitText(in_.substr(pos_, end - pos_));
                pos_ = end;
            }
        }
    }
    if (highSurrogate_ != 0) emitChar(0xFFFD);
    if (deferredPar_) settleBeforeText();
    if (paragraphHasContent()) {
        flushCellTabs();
        paragraph_.alignment = closed_ ? finalAlignment_ : state().alignment;
        result_.paragraphs.push_back(std::move(paragraph_));
        result_.endsWithLineEnd = false;
    } else {
        result_.endsWithLineEnd = !result_.paragraphs.empty();
    }
    return std::move(result_);
}

void RtfReader::openGroup() {
    skipCount_ = 0;
    if (stack_.size() >= kMaxDepth) {
        ++overflowDepth_;
        return;
    }
    stack_.push_back(stack_.back());
}

bool RtfReader::closeGroup() {
    skipCount_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return true;
    }
    if (stack_.size() <= 1) return true;  // a stray "}" before the document's group
    if (stack_.size() == 2 && isDocument_) {
        // The document's own group closes: whatever follows is not part of it.
        finalAlignment_ = state().alignment;
        stack_.pop_back();
        return false;
    }
    const Destination closing = stack_.back().destination;
    stack_.pop_back();
    if (closing == Destination::FontTable && state().destination != Destination::FontTable) {
        cachedCodePageFont_ = -3;
        formatCacheKey_ = FormatKey{};
    }
    if (closing == Destination::ColorTable && pendingColourSet_) {
        colours_.push_back(pendingColour_);
        pendingColourSet_ = false;
    }
    return true;
}

RtfReader::Word RtfReader::readWord() {
    const std::size_t size = in_.size();
    Word word;
    const std::size_t start = pos_;
    while (pos_ < size && pos_ - start < 32 && isLetter(static_cast<unsigned char>(in_[pos_]))) {
        ++pos_;
    }
    word.name = in_.substr(start, pos_ - start);
    bool negative = false;
    std::int64_t value = 0;
    if (pos_ + 1 < size && in_[pos_] == '-' && isDigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
        negative = true;
        ++pos_;
    }
    while (pos_ < size && isDigit(static_cast<unsigned char>(in_[pos_]))) {
        word.hasParam = true;
        if (value < 10'000'000'000) value = value * 10 + (in_[pos_] - '0');  // absurd: saturate
        ++pos_;
    }
    if (pos_ < size && in_[pos_] == ' ') ++pos_;
    word.param = static_cast<int>(
        std::clamp<std::int64_t>(negative ? -value : value, -2147483647, 2147483647));
    return word;
}

void RtfReader::readControl() {
    const std::size_t size = in_.size();
    ++pos_;  // the backslash
    if (pos_ >= size) return;
    const auto c = static_cast<unsigned char>(in_[pos_]);
    if (isLetter(c)) {
        handleKeyword(readWord(), false);
        return;
    }
    ++pos_;
    switch (c) {
        case '\\':
        case '{':
        case '}':
            emitByte(c);
            return;
        case '\'': {
            if (pos_ + 1 < size) {
                const int hi = hexValue(static_cast<unsigned char>(in_[pos_]));
                const int lo = hexValue(static_cast<unsigned char>(in_[pos_ + 1]));
                if (hi >= 0 && lo >= 0) {
                    pos_ += 2;
                    emitByte(static_cast<unsigned char>(hi * 16 + lo));
                    return;
                }
            }
            pos_ = std::min(pos_ + 2, size);  // malformed escape: drop it
            return;
        }
        case '~':
            emitChar(0x00A0);
            return;
        case '_':
            emitChar(0x2011);
            return;
        case '-':  // optional hyphen: invisible unless the line breaks there
            if (skipCount_ > 0) --skipCount_;
            return;
        case '\r':
        case '\n':
            handleKeyword(Word{"par", false, 0}, false);
            return;
        case '\t':
            emitChar('\t');
            return;
        case '*':
            // "\*\word": a destination to be ignored when the reader does not know it.
            if (pos_ + 1 < size && in_[pos_] == '\\' &&
                isLetter(static_cast<unsigned char>(in_[pos_ + 1]))) {
                ++pos_;
                handleKeyword(readWord(), true);
            }
            return;
        default:
            return;  // \| \: and unknown control symbols carry no text
    }
}

void RtfReader::skipRestOfGroup() {
    // Fast scan to the brace that closes the current group; \bin data may hold any byte.
    const std::size_t size = in_.size();
    std::size_t depth = 1;
    while (pos_ < size) {
        const char c = in_[pos_++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0) {
                --pos_;  // let the main loop close the group
                return;
            }
        } else if (c == '\\' && pos_ < size) {
            if (in_.compare(pos_, 3, "bin") == 0 && pos_ + 3 < size &&
                (isDigit(static_cast<unsigned char>(in_[pos_ + 3])) || in_[pos_ + 3] == '-')) {
                pos_ += 3;
                bool negative = false;
                if (in_[pos_] == '-') negative = true, ++pos_;
                std::uint64_t n = 0;
                while (pos_ < size && isDigit(static_cast<unsigned char>(in_[pos_]))) {
                    if (n < size) n = n * 10 + static_cast<unsigned>(in_[pos_] - '0');
                    ++pos_;
                }
                if (pos_ < size && in_[pos_] == ' ') ++pos_;
                if (!negative) pos_ = n >= size - pos_ ? size : pos_ + n;
            } else {
                ++pos_;  // escaped brace or backslash, or the first letter of a word
            }
        }
    }
}

void RtfReader::handleKeyword(const Word& word, bool optional) {
    const RtfKeyword keyword = detail::lookupRtfKeyword(word.name);
    GroupState& s = state();
    const bool hasParam = word.hasParam;
    const int param = word.param;
    const bool on = !hasParam || param != 0;

    if (skipCount_ > 0 &&
        (keyword == RtfKeyword::Tab || keyword == RtfKeyword::EmDash ||
         keyword == RtfKeyword::EnDash || keyword == RtfKeyword::Bullet ||
         keyword == RtfKeyword::LeftQuote || keyword == RtfKeyword::RightQuote ||
         keyword == RtfKeyword::LeftDoubleQuote || keyword == RtfKeyword::RightDoubleQuote ||
         keyword == RtfKeyword::EmSpace || keyword == RtfKeyword::EnSpace)) {
        // A \uN fallback written as a control word ("\u8220\ldblquote") is skipped like a char.
        --skipCount_;
        return;
    }

    switch (keyword) {
        case RtfKeyword::Unknown:
            if (optional) {
                skipRestOfGroup();
            }
            return;
        case RtfKeyword::SkipDestination:
        case RtfKeyword::FieldInstruction:
            skipRestOfGroup();
            return;
        case RtfKeyword::Ansi:
            documentCodePage_ = 1252;
            cachedCodePageFont_ = -3;
            return;
        case RtfKeyword::Mac:
            documentCodePage_ = 10000;
            cachedCodePageFont_ = -3;
            return;
        case RtfKeyword::Pc:
            documentCodePage_ = 437;
            cachedCodePageFont_ = -3;
            return;
        case RtfKeyword::Pca:
            documentCodePage_ = 850;
            cachedCodePageFont_ = -3;
            return;
        case RtfKeyword::AnsiCodePage:
            if (hasParam && isKnownCodePage(param)) documentCodePage_ = param;
            cachedCodePageFont_ = -3;
            return;
        case RtfKeyword::DefaultFont:
            if (hasParam) {
                defaultFont_ = param;
                if (s.destination == Destination::Text && stack_.size() <= 2) s.font = param;
            }
            return;
        case RtfKeyword::UnicodeSkip:
            if (hasParam) s.unicodeSkip = std::clamp(param, 0, 16);
            return;
        case RtfKeyword::Unicode:
            if (hasParam) emitUnicode(param);
            return;
        case RtfKeyword::Upr:
            s.destination = Destination::Upr;
            return;
        case RtfKeyword::Ud:
            if (s.destination == Destination::Upr) s.destination = Destination::Text;
            return;
        case RtfKeyword::FontTable:
            s.destination = Destination::FontTable;
            return;
        case RtfKeyword::ColorTable:
            s.destination = Destination::ColorTable;
            colours_.clear();
            pendingColour_ = {};
            pendingColourSet_ = false;
            return;
        case RtfKeyword::Field:
        case RtfKeyword::FieldResult:
            return;  // the field's result is ordinary text of the group
        case RtfKeyword::Bin: {
            // Binary data carries no characters, wherever it stands.
            const std::size_t n = hasParam && param > 0 ? static_cast<std::size_t>(param) : 0;
            pos_ = n >= in_.size() - pos_ ? in_.size() : pos_ + n;
            return;
        }
        default:
            break;
    }

    if (s.destination == Destination::FontTable) {
        if (keyword == RtfKeyword::Font && hasParam) {
            tableFont_ = param;
            fonts_[param];  // known from now on, even without a name
        } else if (keyword == RtfKeyword::FontCharset && hasParam) {
            fonts_[tableFont_].charset = param;
        } else if (keyword == RtfKeyword::FontCodePage && hasParam) {
            fonts_[tableFont_].codePage = param;
        }
        return;
    }
    if (s.destination == Destination::ColorTable) {
        const auto component = static_cast<std::uint32_t>(std::clamp(param, 0, 255));
        if (keyword == RtfKeyword::Red) {
            pendingColour_.rgb = (pendingColour_.rgb & 0x00FFFF) | (component << 16);
        } else if (keyword == RtfKeyword::Green) {
            pendingColour_.rgb = (pendingColour_.rgb & 0xFF00FF) | (component << 8);
        } else if (keyword == RtfKeyword::Blue) {
            pendingColour_.rgb = (pendingColour_.rgb & 0xFFFF00) | component;
        } else {
            return;
        }
        pendingColourSet_ = true;
        return;
    }
    if (s.destination != Destination::Text) return;

    switch (keyword) {
        case RtfKeyword::Font:
            if (hasParam) s.font = param;
            return;
        case RtfKeyword::Plain:
            s.font = defaultFont_;
            s.halfPoints = 24;
            s.bold = s.italic = s.underline = s.hidden = false;
            s.colour = 0;
            return;
        case RtfKeyword::FontSize:
            // Nonsense sizes fall back to the default; huge ones are capped at Word's limit.
            s.halfPoints = !hasParam || param <= 0 ? 24 : std::min(param, 3276);
            return;
        case RtfKeyword::Bold:
            s.bold = on;
            return;
        case RtfKeyword::Italic:
            s.italic = on;
            return;
        case RtfKeyword::Underline:
            s.underline = on;
            return;
        case RtfKeyword::UnderlineNone:
            s.underline = false;
            return;
        case RtfKeyword::Colour:
            s.colour = hasParam ? param : 0;
            return;
        case RtfKeyword::Hidden:
            s.hidden = on;
            return;
        case RtfKeyword::Pard:
            s.alignment = Alignment::Left;
            s.inTable = false;
            return;
        case RtfKeyword::InTable:
            s.inTable = true;
            return;
        case RtfKeyword::AlignLeft:
            s.alignment = Alignment::Left;
            return;
        case RtfKeyword::AlignCenter:
            s.alignment = Alignment::Center;
            return;
        case RtfKeyword::AlignRight:
            s.alignment = Alignment::Right;
            return;
        case RtfKeyword::AlignJustify:
            s.alignment = Alignment::Justify;
            return;
        case RtfKeyword::Par:
        case RtfKeyword::Line:
            if (deferredPar_) settleBeforeText();
            flushCellTabs();
            if (s.inTable && keyword == RtfKeyword::Par) {
                deferredPar_ = true;
                deferredAlignment_ = s.alignment;
            } else {
                endParagraph();
            }
            return;
        case RtfKeyword::Page:
        case RtfKeyword::Section:
            // Writers put these after a paragraph's own \par as often as in its place; only a
            // break inside text makes a new line.
            if (deferredPar_) settleBeforeText();
            if (paragraphHasContent()) {
                flushCellTabs();
                endParagraph();
            }
            return;
        case RtfKeyword::Cell:
            deferredPar_ = false;
            ++cellTabs_;
            return;
        case RtfKeyword::Row:
            deferredPar_ = false;
            // Cells are separated by a tab, so the last cell of the row needs none.
            if (cellTabs_ > 0) --cellTabs_;
            flushCellTabs();
            endParagraph();
            return;
        case RtfKeyword::Tab:
            emitChar('\t');
            return;
        case RtfKeyword::EmDash:
            emitChar(0x2014);
            return;
        case RtfKeyword::EnDash:
            emitChar(0x2013);
            return;
        case RtfKeyword::EmSpace:
            emitChar(0x2003);
            return;
        case RtfKeyword::EnSpace:
            emitChar(0x2002);
            return;
        case RtfKeyword::QmSpace:
            emitChar(0x2005);
            return;
        case RtfKeyword::Bullet:
            emitChar(0x2022);
            return;
        case RtfKeyword::LeftQuote:
            emitChar(0x2018);
            return;
        case RtfKeyword::RightQuote:
            emitChar(0x2019);
            return;
        case RtfKeyword::LeftDoubleQuote:
            emitChar(0x201C);
            return;
        case RtfKeyword::RightDoubleQuote:
            emitChar(0x201D);
            return;
        case RtfKeyword::ZeroWidthJoiner:
            emitChar(0x200D);
            return;
        case RtfKeyword::ZeroWidthNonJoiner:
            emitChar(0x200C);
            return;
        case RtfKeyword::LtrMark:
            emitChar(0x200E);
            return;
        case RtfKeyword::RtlMark:
            emitChar(0x200F);
            return;
        default:
            return;
    }
}

}  // namespace detail

bool looksLikeRtf(std::string_view bytes) {
    std::size_t i = 0;
    if (bytes.starts_with("\xEF\xBB\xBF")) i = 3;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) {
        ++i;
    }
    return bytes.compare(i, 5, "{\\rtf") == 0;
}

StyledText readRtf(std::string_view rtfBytes, RtfDetail detail) {
    return detail::RtfReader(rtfBytes, detail == RtfDetail::TextOnly).run();
}

}  // namespace textaria::platform
