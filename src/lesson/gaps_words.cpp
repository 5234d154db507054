#include "lesson/gaps_words.h"

#include <algorithm>

#include "lesson/markup_text.h"

namespace textaria::lesson {

namespace {

// Primary key of the case-insensitive order: lower case, umlauts as their base letters.
std::string collationKey(const std::string& s) {
    const std::string lower = lowerCase(s);
    std::string key;
    key.reserve(lower.size());
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const auto c = static_cast<unsigned char>(lower[i]);
        if (c == 0xC3 && i + 1 < lower.size()) {
            const auto d = static_cast<unsigned char>(lower[i + 1]);
            const char* folded = nullptr;
            switch (d) {
                case 0xA4:
                    folded = "a";
                    break;  // ä
                case 0xB6:
                    folded = "o";
                    break;  // ö
                case 0xBC:
                    folded = "u";
                    break;  // ü
                case 0x9F:
                    folded = "ss";
                    break;  // ß
                default:
                    break;
            }
            if (folded) {
                key += folded;
                ++i;
                continue;
            }
        }
        key += static_cast<char>(c);
    }
    return key;
}

}  // namespace

std::vector<std::string> BuildAnswerWordList(const GapTable& table) {
    std::vector<std::string> entries;
    for (const GapEntry& gap : table.entries) {
        std::string entry = " " + gap.answer;
        if (std::find(entries.begin(), entries.end(), entry) == entries.end())
            entries.push_back(std::move(entry));
    }
    // Ties keep text order (e.g. "Haus" before "haus" when written so).
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::string& a, const std::string& b) {
                         const std::string ka = collationKey(a);
                         const std::string kb = collationKey(b);
                         if (ka != kb) return ka < kb;
                         return lowerCase(a) < lowerCase(b);
                     });
    return entries;
}

}  // namespace textaria::lesson
