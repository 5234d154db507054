// The RTF reader's machinery, shared by its scanning and its text-building halves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/styled_text.h"

namespace textaria::platform::detail {

// Deeper nesting than this is counted but not kept: no real document comes near it, and hostile
// input ("{" a hundred thousand times) must not cost memory per level.
inline constexpr std::size_t kMaxDepth = 2000;
// Fonts of code page "private": symbol fonts other than Symbol itself (Wingdings, ...), whose
// upper bytes go to the private use area as Windows does.
inline constexpr int kPrivateSymbolCodePage = -2;

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

// What decides the format of a run: the state's numbers, before the tables resolve them.
struct FormatKey {
    int font = -2;
    int halfPoints = 0;
    int colour = 0;
    int flags = 0;
    bool operator==(const FormatKey&) const = default;
};

class RtfReader {
  public:
    RtfReader(std::string_view bytes, bool textOnly) : in_(bytes), textOnly_(textOnly) {}

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
    std::string& textTarget();  // settles pending breaks and tabs first
    std::string& currentRun();  // the run of the current format, new if needed
    void flushCellTabs();
    void settleBeforeText();
    void endParagraph();
    bool paragraphHasContent() const;

    int currentCodePage();
    const CharFormat& formatOf(const FormatKey& key);

    GroupState& state() { return stack_.back(); }

    std::string_view in_;
    bool textOnly_ = false;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    Alignment finalAlignment_ = Alignment::Left;
    bool closed_ = false;
    bool isDocument_ = false;  // starts with "{\rtf": its outermost group is the whole text

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

    FormatKey formatCacheKey_;
    FormatKey lastRunKey_;  // format of the last run of paragraph_
    CharFormat format_;
    int cachedCodePageFont_ = -3;
    int cachedCodePage_ = 1252;
    const char16_t* cachedTable_ = nullptr;  // upper half of cachedCodePage_, if a table
};

}  // namespace textaria::platform::detail
