#include "platform/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/codepage.h"
#include "platform/rtf_keywords.h"

namespace textaria::platform {
namespace {

using detail::RtfKeyword;

// Deeper nesting than this is counted but not kept: no real document comes near it, and hostile
// input ("{" a hundred thousand times) must not cost memory per level.
constexpr std::size_t kMaxDepth = 2000;
// Fonts of code page "private": symbol fonts other than Symbol itself (Wingdings, ...), whose
// upper bytes go to the private use area as Windows does.
constexpr int kPrivateSymbolCodePage = -2;

enum class Destination : std::uint8_t {
    Text,
    FontTable,
    ColorTable,
    Upr,  // {\upr{ansi}{\*\ud{unicode}}}: only the \ud part counts
};

struct GroupState {
    Destination destination = Destination::Text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    bool inTable = false;
    Alignment alignment = Alignment::Left;
    int font = 0;
    int halfPoints = 24;
    int colour = 0;
    int unicodeSkip = 1;
};

struct FontEntry {
    std::string name;
    int charset = -1;
    int codePage = 0;
};

struct ColourEntry {
    std::uint32_t rgb = 0;
};

bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

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

class RtfReader {
  public:
    explicit RtfReader(std::string_view bytes) : in_(bytes) {}

    StyledText run();

  private:
    // --- scanning
    struct Word {
        std::string_view name;
        bool hasParam = false;
        int param = 0;
    };
    Word readWord();
    void readControl();
    void handleKeyword(const Word& word, bool optional);
    void skipRestOfGroup();
    void openGroup();
    bool closeGroup();  // false when the outermost group has closed

    // --- text
    void emitText(std::string_view utf8);
    void emitChar(char32_t c);
    void emitByte(unsigned char byte);
    void emitUnicode(int value);
    void flushPending();
    void flushCellTabs();
    void settleBeforeText();
    void endParagraph();
    bool paragraphHasContent() const;
    const CharFormat& currentFormat();
    int currentCodePage();

    GroupState& state() { return stack_.back(); }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    Alignment finalAlignment_ = Alignment::Left;
    bool closed_ = false;

    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    std::unordered_map<int, FontEntry> fonts_;
    int tableFont_ = 0;  // font number being defined in the font table
    std::vector<ColourEntry> colours_;
    ColourEntry pendingColour_;
    bool pendingColourSet_ = false;

    int skipCount_ = 0;           // characters still to skip after \uN
    char32_t highSurrogate_ = 0;  // first half of a \u pair
    int cellTabs_ = 0;            // cells ended but not yet separated by a tab
    // A paragraph end inside a table cell waits for what follows: before \cell it is the cell's
    // own end (writers differ in whether they put one there), before text it is a real break.
    bool deferredPar_ = false;
    Alignment deferredAlignment_ = Alignment::Left;

    StyledText result_;
    Paragraph paragraph_;
    std::string pending_;  // text of the current format not yet in paragraph_

    // Cache of the format and code page for the state they were made for.
    struct FormatKey {
        int font = -2;
        int halfPoints = 0;
        int colour = 0;
        int flags = 0;
        bool operator==(const FormatKey&) const = default;
    };
    FormatKey formatKey_;
    CharFormat format_;
    int cachedCodePageFont_ = -3;
    int cachedCodePage_ = 1252;
};

StyledText RtfReader::run() {
    stack_.reserve(64);
    stack_.emplace_back();
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
                while (end < size) {
                    const auto d = static_cast<unsigned char>(in_[end]);
                    if (d < 0x20 || d >= 0x80 || d == '\\' || d == '{' || d == '}') break;
                    ++end;
                }
                emitText(in_.substr(pos_, end - pos_));
                pos_ = end;
            }
        }
    }
    if (highSurrogate_ != 0) emitChar(0xFFFD);
    flushPending();
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
    flushPending();
    stack_.push_back(stack_.back());
}

bool RtfReader::closeGroup() {
    skipCount_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return true;
    }
    flushPending();
    if (stack_.size() <= 1) return true;  // a stray "}" before the document's group
    if (stack_.size() == 2) {
        // The document's own group closes: whatever follows is not part of it.
        finalAlignment_ = state().alignment;
        stack_.pop_back();
        return false;
    }
    const Destination closing = stack_.back().destination;
    stack_.pop_back();
    if (closing == Destination::FontTable && state().destination != Destination::FontTable) {
        cachedCodePageFont_ = -3;
        formatKey_ = FormatKey{};
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
        const Word word = readWord();
        flushPending();  // the word may change the format of what follows
        handleKeyword(word, false);
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
            flushPending();
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
                const Word word = readWord();
                flushPending();
                handleKeyword(word, true);
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
                flushPending();
                skipRestOfGroup();
            }
            return;
        case RtfKeyword::SkipDestination:
        case RtfKeyword::FieldInstruction:
            flushPending();
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
            flushPending();
            s.destination = Destination::Upr;
            return;
        case RtfKeyword::Ud:
            if (s.destination == Destination::Upr) s.destination = Destination::Text;
            return;
        case RtfKeyword::FontTable:
            flushPending();
            s.destination = Destination::FontTable;
            return;
        case RtfKeyword::ColorTable:
            flushPending();
            s.destination = Destination::ColorTable;
            colours_.clear();
            pendingColour_ = {};
            pendingColourSet_ = false;
            return;
        case RtfKeyword::Field:
        case RtfKeyword::FieldResult:
            return;  // the field's result is ordinary text of the group
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
                flushPending();
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
            flushPending();
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
        case RtfKeyword::Bin: {
            // Binary data in running text carries no characters.
            const std::size_t n = hasParam && param > 0 ? static_cast<std::size_t>(param) : 0;
            pos_ = n >= in_.size() - pos_ ? in_.size() : pos_ + n;
            return;
        }
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

bool RtfReader::paragraphHasContent() const {
    return !pending_.empty() || !paragraph_.runs.empty() || cellTabs_ > 0;
}

void RtfReader::endParagraph() {
    flushPending();
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
    if (codePage == kPrivateSymbolCodePage) {
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
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        appendUtf8(pending_, 0xFFFD);
    }
    if (cellTabs_ > 0 || deferredPar_) settleBeforeText();
    appendUtf8(pending_, c);
}

void RtfReader::emitText(std::string_view utf8) {
    if (state().hidden) return;
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0;
        appendUtf8(pending_, 0xFFFD);
    }
    if (cellTabs_ > 0 || deferredPar_) settleBeforeText();
    pending_.append(utf8);
}

void RtfReader::settleBeforeText() {
    if (deferredPar_) {
        deferredPar_ = false;
        flushPending();
        paragraph_.alignment = deferredAlignment_;
        result_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }
    flushCellTabs();
}

void RtfReader::flushCellTabs() {
    if (cellTabs_ == 0) return;
    const int tabs = cellTabs_;
    cellTabs_ = 0;
    flushPending();
    appendRun(paragraph_, std::string(static_cast<std::size_t>(tabs), '\t'), currentFormat());
}

void RtfReader::flushPending() {
    if (pending_.empty()) return;
    appendRun(paragraph_, pending_, currentFormat());
    pending_.clear();
}

const CharFormat& RtfReader::currentFormat() {
    const GroupState& s = state();
    const FormatKey key{s.font, s.halfPoints, s.colour,
                        (s.bold ? 1 : 0) | (s.italic ? 2 : 0) | (s.underline ? 4 : 0)};
    if (key == formatKey_) return format_;
    formatKey_ = key;
    const auto font = fonts_.find(s.font);
    format_.fontName = font != fonts_.end() ? font->second.name : std::string();
    format_.pointSize = s.halfPoints / 2.0;
    format_.bold = s.bold;
    format_.italic = s.italic;
    format_.underline = s.underline;
    format_.color = s.colour > 0 && static_cast<std::size_t>(s.colour) < colours_.size()
                        ? colours_[static_cast<std::size_t>(s.colour)].rgb
                        : 0x000000;
    return format_;
}

}  // namespace

bool looksLikeRtf(std::string_view bytes) {
    std::size_t i = 0;
    if (bytes.starts_with("\xEF\xBB\xBF")) i = 3;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) {
        ++i;
    }
    return bytes.compare(i, 5, "{\\rtf") == 0;
}

StyledText readRtf(std::string_view rtfBytes) { return RtfReader(rtfBytes).run(); }

}  // namespace textaria::platform
