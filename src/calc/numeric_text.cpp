#include "calc/numeric_text.h"

#include "calc/numeric_number.h"

namespace textaria::calc {

namespace {

bool matchesAt(std::string_view text, std::size_t at, std::string_view needle, bool exact) {
    if (at + needle.size() > text.size()) return false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        const char a = text[at + i];
        const char b = needle[i];
        if (exact ? a != b : platform::asciiUpper(a) != platform::asciiUpper(b)) return false;
    }
    return true;
}

// 0-based position of needle at or after from, or npos.
std::size_t findIndex(std::string_view text, std::string_view needle, std::size_t from,
                      bool exact) {
    if (needle.empty() || needle.size() > text.size()) return std::string_view::npos;
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at) {
        if (matchesAt(text, at, needle, exact)) return at;
    }
    return std::string_view::npos;
}

}  // namespace

std::size_t lastPosition(std::string_view text, char ch) {
    const auto at = text.rfind(ch);
    return at == std::string_view::npos ? 0 : at + 1;
}

std::string repeatChar(char ch, int count) {
    return count > 0 ? std::string(static_cast<std::size_t>(count), ch) : std::string();
}

std::string collapseSpaces(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ' && !result.empty() && result.back() == ' ') continue;
        result += c;
    }
    return result;
}

std::size_t findFrom(std::string_view needle, std::string_view text, std::size_t start,
                     bool exact) {
    const std::size_t from = start > 0 ? start - 1 : 0;
    const auto at = findIndex(text, needle, from, exact);
    return at == std::string_view::npos ? 0 : at + 1;
}

std::size_t countOccurrences(std::string_view text, std::string_view needle, bool exact) {
    std::size_t count = 0;
    for (auto at = findIndex(text, needle, 0, exact); at != std::string_view::npos;
         at = findIndex(text, needle, at + needle.size(), exact)) {
        ++count;
    }
    return count;
}

ItemList SplitItems(std::string_view text, char separator) {
    ItemList list;
    // An empty argument has no items at all rather than one empty item.
    if (trimBlanks(text).empty()) return list;
    if (text.back() == separator) text.remove_suffix(1);
    std::size_t begin = 0;
    while (true) {
        const auto end = text.find(separator, begin);
        if (list.items.size() == kMaxListItems) {
            list.items.clear();
            list.tooLong = true;
            return list;
        }
        list.items.emplace_back(trimBlanks(text.substr(begin, end - begin)));
        if (end == std::string_view::npos) break;
        begin = end + 1;
    }
    return list;
}

ItemList SplitItems(std::string_view text, NumericContext& context) {
    ItemList list = SplitItems(text);
    if (list.tooLong) context.errorFlag = true;
    return list;
}

NumberList ParseNumbers(std::string_view text, char separator) {
    NumberList list;
    const ItemList items = SplitItems(text, separator);
    list.tooLong = items.tooLong;
    for (const auto& item : items.items) {
        const auto value = readNumber(item);
        if (!value) return list;  // count stays 0
        list.values.push_back(*value);
    }
    list.count = list.values.size();
    return list;
}

NumberList ParseNumbers(std::string_view text, char separator, NumericContext& context) {
    NumberList list = ParseNumbers(text, separator);
    if (list.tooLong) context.errorFlag = true;
    return list;
}

namespace {

template <typename AppendPoint>
NumberList itemsToNumbers(const ItemList& items, AppendPoint appendPoint) {
    NumberList list;
    list.tooLong = items.tooLong;
    for (const auto& item : items.items) {
        if (!item.empty() && isAsciiLetter(item.front())) {
            appendPoint(list.values, item.front());
        } else {
            // Unreadable items are not refused here; they count as 0.
            list.values.push_back(readNumber(item).value_or(0.0));
        }
        if (list.values.size() > kMaxListItems) {
            list.values.clear();
            list.tooLong = true;
            break;
        }
    }
    list.count = list.values.size();
    return list;
}

NumberList flagIfTooLong(NumberList list, NumericContext& context) {
    if (list.tooLong) context.errorFlag = true;
    return list;
}

}  // namespace

NumberList ItemsToPlaneNumbers(const ItemList& items, const PointTable2D& points) {
    return itemsToNumbers(items, [&points](std::vector<double>& values, char letter) {
        const Point2& p = points[letter];
        values.push_back(p.x);
        values.push_back(p.y);
    });
}

NumberList ItemsToSpaceNumbers(const ItemList& items, const PointTable3D& points) {
    return itemsToNumbers(items, [&points](std::vector<double>& values, char letter) {
        const Point3& p = points[letter];
        values.push_back(p.x);
        values.push_back(p.y);
        values.push_back(p.z);
    });
}

NumberList ItemsToPlaneNumbers(const ItemList& items, NumericContext& context) {
    return flagIfTooLong(ItemsToPlaneNumbers(items, context.points2D), context);
}

NumberList ItemsToSpaceNumbers(const ItemList& items, NumericContext& context) {
    return flagIfTooLong(ItemsToSpaceNumbers(items, context.points3D), context);
}

}  // namespace textaria::calc
