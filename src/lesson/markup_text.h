// Plain-text primitives shared by the lesson markup reader.
//
// The lesson text is the UTF-8 plain text of the rich-text document with CR LF line ends.
// Every position in this layer is a byte offset into that UTF-8 string. Windows count
// differently (QTextDocument: UTF-16 units, one position per line break); documentPosition()
// converts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_helpers.h"

namespace textaria::lesson {

// A half-open byte range [begin, end).
struct ByteRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// A line's content, without its CR LF.
struct LineSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool hasBreak = false;  // a CR LF follows the content
};

// Lines are the parts between CR LF; a final CR LF does not begin a further, empty line.
std::vector<LineSpan> splitLines(std::string_view text);
// The last count lines (fewer when the text has fewer), as splitLines gives them, found from
// the end: options and trailing lines are read without splitting a long text.
std::vector<LineSpan> lastLines(std::string_view text, std::size_t count);
// The line that ends just before `next` (the start of the line after it, or text.size()), so
// that the lines can be walked backwards; false when there is none.
bool lineBefore(std::string_view text, std::size_t next, LineSpan& line);
inline std::string_view lineText(std::string_view text, const LineSpan& line) {
    return text.substr(line.begin, line.end - line.begin);
}

// Removes characters with code <= 32 at both ends.
using platform::trim;

// Lower case for ASCII letters and the Latin-1 capitals (Ä, Ö, Ü, ...) in UTF-8.
inline std::string lowerCase(std::string_view s) { return platform::latin1LowerCase(s); }
// ASCII only: the comparison rule for answers ("Ä" stays "Ä").
using platform::asciiLowerCase;

bool contains(std::string_view s, std::string_view part);

// Number of characters (code points) of a UTF-8 text.
inline std::size_t characterCount(std::string_view s) { return platform::utf8Length(s); }

// The position a rich-text document gives the character at byteOffset: UTF-16 units, with
// every CR LF counted as one (a paragraph break). Offsets inside a character or a CR LF
// count as the start of it.
std::size_t documentPosition(std::string_view text, std::size_t byteOffset);

// The text without the given ranges (ranges may overlap and come in any order).
std::string eraseRanges(std::string_view text, std::vector<ByteRange> ranges);

// The range that removes line i completely: its content and its CR LF, or, for a last line
// without a CR LF, the CR LF before it.
ByteRange lineRemovalRange(const std::vector<LineSpan>& lines, std::size_t i);

}  // namespace textaria::lesson
