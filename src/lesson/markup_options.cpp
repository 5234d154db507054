#include "lesson/markup_options.h"

#include <array>

namespace textaria::lesson {

namespace {

constexpr std::array<std::string_view, kMarkerCount> kMarkerTexts = {
    "@@", "@", "$", "§", "&", "~", "%%", "%", "*", "|", "//", "/", "?3", "?5", "?7", "µ"};

constexpr std::array<Marker, 9> kSingleTextMarkers = {
    Marker::ScriptGraphic, Marker::Script,     Marker::NoCorrections,
    Marker::IgnoreCase,    Marker::Calculator, Marker::CalculatorClears,
    Marker::WordList,      Marker::AppendPick, Marker::KeepPicture};

}  // namespace

std::string_view markerText(Marker m) { return kMarkerTexts[static_cast<std::size_t>(m)]; }

bool hasOptionCharacter(std::string_view line) {
    for (std::string_view c : kOptionCharacters)
        if (contains(line, c)) return true;
    return false;
}

int PageOptions::questionnaireLevels() const {
    if (has(Marker::Questionnaire3)) return 3;
    if (has(Marker::Questionnaire5)) return 5;
    if (has(Marker::Questionnaire7)) return 7;
    return 0;
}

std::vector<std::string_view> PageOptions::names() const {
    std::vector<std::string_view> out;
    for (int i = 0; i < kMarkerCount; ++i)
        if (markers.test(static_cast<std::size_t>(i))) out.push_back(kMarkerTexts[i]);
    return out;
}

std::string optionText(std::string_view pageText) {
    const auto lines = lastLines(pageText, 2);
    if (lines.empty()) return {};
    std::string joined(lineText(pageText, lines.back()));
    if (lines.size() >= 2) joined += lineText(pageText, lines[lines.size() - 2]);
    return std::string(trim(joined));
}

PageOptions readPageOptions(std::string_view pageText) {
    PageOptions options;
    if (trim(pageText).empty()) return options;
    const std::string text = optionText(pageText);
    for (int i = 0; i < kMarkerCount; ++i) {
        const auto m = static_cast<Marker>(i);
        if (m != Marker::ReadingPage && contains(text, kMarkerTexts[i])) options.set(m);
    }
    if (contains(pageText, markerText(Marker::ReadingPage))) options.set(Marker::ReadingPage);
    return options;
}

PageOptions readSingleTextOptions(std::string_view text) {
    PageOptions options;
    const std::string option = optionText(text);
    for (Marker m : kSingleTextMarkers)
        if (contains(option, markerText(m))) options.set(m);
    if (contains(text, markerText(Marker::ReadingPage))) options.set(Marker::ReadingPage);
    return options;
}

std::vector<ByteRange> optionLineRanges(std::string_view pageText) {
    std::vector<ByteRange> ranges;
    if (trim(pageText).empty()) return ranges;
    const auto lines = lastLines(pageText, 2);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (hasOptionCharacter(lineText(pageText, lines[i])))
            ranges.push_back(lineRemovalRange(lines, i));
    return ranges;
}

std::string removeOptionLines(std::string_view pageText) {
    return eraseRanges(pageText, optionLineRanges(pageText));
}

}  // namespace textaria::lesson
