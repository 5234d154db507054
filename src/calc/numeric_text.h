// Text utilities of the script layer and the splitting of argument lists.
//
// Positions are 1-based byte positions with 0 meaning "not found", as the script commands count.
// Comparisons "without case" fold ASCII letters only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/eval_u.h"
#include "calc/numeric_context.h"
#include "platform/text_helpers.h"

namespace textaria::calc {

// 1-based index of the last occurrence of ch in text, 0 if absent.
std::size_t lastPosition(std::string_view text, char ch);

// A text made of count copies of ch (empty for count <= 0).
std::string repeatChar(char ch, int count);

// Every run of spaces shortened to one space.
std::string collapseSpaces(std::string_view text);

// 1-based position of needle in text, searching from the 1-based position start; compared
// without case unless exact. 0 if absent or needle is empty.
std::size_t findFrom(std::string_view needle, std::string_view text, std::size_t start, bool exact);

// Non-overlapping occurrences of needle in text, each search continuing after the previous match.
std::size_t countOccurrences(std::string_view text, std::string_view needle, bool exact);

// removeSpaces and the exact replaceAll are the evaluator's (eval_u.h).

// replaceAll with a choice of comparing without case. Left to right; the inserted text is never
// searched again. Returns the number of replacements (0 for an empty from).
inline std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to,
                              bool ignoreCase) {
    return platform::replaceAll(text, from, to, ignoreCase);
}

// ASCII upper and lower case.
inline std::string toUpperAscii(std::string_view text) { return platform::asciiUpperCase(text); }
inline std::string toLowerAscii(std::string_view text) { return platform::asciiLowerCase(text); }

// Removes leading and trailing blanks (spaces, tabs, CR, LF).
inline std::string_view trimBlanks(std::string_view text) {
    return platform::trimOf(text, " \t\r\n");
}

// The work lists of the script hold at most this many entries; longer lists are refused.
inline constexpr std::size_t kMaxListItems = 100;

// Trimmed item texts, 0-based (the first item is items[0]).
struct ItemList {
    std::vector<std::string> items;
    bool tooLong = false;  // the text had more than kMaxListItems items; items is then empty

    std::size_t count() const { return items.size(); }
    // Missing items read as empty texts, so callers can index without checking.
    std::string_view item(std::size_t index) const {
        return index < items.size() ? std::string_view(items[index]) : std::string_view();
    }
};

// Numbers, 0-based. count is the number of valid values; after a failed conversion count is 0
// while values still holds what was converted before the failure.
struct NumberList {
    std::vector<double> values;
    std::size_t count = 0;
    bool tooLong = false;  // more than kMaxListItems values would have resulted

    // Values past the end read as 0, so callers can index without checking.
    double value(std::size_t index) const { return index < values.size() ? values[index] : 0.0; }
};

// A "," is appended unless the text ends with one; each piece before a "," becomes a trimmed
// item, empty pieces included (1,,2 gives three items). A blank text gives no items.
ItemList SplitItems(std::string_view text, char separator = ',');

// The same, setting the error flag when the list is refused as too long.
ItemList SplitItems(std::string_view text, NumericContext& context);

// Splits at separator and reads every item as a decimal number with "." as decimal point.
// Any item that is not a number makes the count 0.
NumberList ParseNumbers(std::string_view text, char separator);
NumberList ParseNumbers(std::string_view text, char separator, NumericContext& context);

// Items starting with a letter contribute that point's coordinates (2 from the plane table, 3
// from the space table); other items are read as numbers, anything unreadable as 0.
NumberList ItemsToPlaneNumbers(const ItemList& items, const PointTable2D& points);
NumberList ItemsToSpaceNumbers(const ItemList& items, const PointTable3D& points);

// The same with the context's tables, setting the error flag when the list is refused as too long.
NumberList ItemsToPlaneNumbers(const ItemList& items, NumericContext& context);
NumberList ItemsToSpaceNumbers(const ItemList& items, NumericContext& context);

}  // namespace textaria::calc
