#include "player/test_protocol.h"

#include <charconv>
#include <chrono>
#include <ctime>
#include <random>

#include "calc/numeric_number.h"
#include "lesson/markup_text.h"
#include "platform/codepage.h"
#include "player/protocol_json.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

std::string twoDigits(int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

bool readInt(std::string_view s, int& out) {
    if (s.empty()) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return std::from_chars(s.data(), s.data() + s.size(), out).ec == std::errc();
}

bool validStamp(const ProtocolStamp& t) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= kDays[t.month - 1] &&
           t.year >= 1 && t.year <= 9999 && t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

}  // namespace

std::string ProtocolStamp::date() const {
    std::string y = std::to_string(year);
    while (y.size() < 4) y = "0" + y;
    return twoDigits(day) + "." + twoDigits(month) + "." + y;
}

std::string ProtocolStamp::time() const {
    return twoDigits(hour) + ":" + twoDigits(minute) + ":" + twoDigits(second);
}

ProtocolStamp ProtocolStamp::now() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
            local.tm_hour, local.tm_min,     local.tm_sec};
}

std::optional<ProtocolStamp> ProtocolStamp::parse(std::string_view text) {
    // DD.MM.YYYY HH:MM:SS, exactly.
    if (text.size() != 19 || text[2] != '.' || text[5] != '.' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    ProtocolStamp t;
    if (!readInt(text.substr(0, 2), t.day) || !readInt(text.substr(3, 2), t.month) ||
        !readInt(text.substr(6, 4), t.year) || !readInt(text.substr(11, 2), t.hour) ||
        !readInt(text.substr(14, 2), t.minute) || !readInt(text.substr(17, 2), t.second))
        return std::nullopt;
    if (!validStamp(t)) return std::nullopt;
    return t;
}

LetterSource seededLetterSource(std::uint64_t seed) {
    return [engine = std::mt19937_64(seed)]() mutable {
        // Rejection keeps the 26 letters equally likely (and the same for a seed everywhere,
        // unlike the standard distributions).
        constexpr std::uint64_t kLimit = std::mt19937_64::max() - std::mt19937_64::max() % 26;
        std::uint64_t v = engine();
        while (v >= kLimit) v = engine();
        return static_cast<char>('a' + v % 26);
    };
}

std::string compactPersonName(std::string_view typed) {
    std::string s;
    for (const char c : typed)
        if (c != ' ') s += c;
    return std::string(lesson::trim(s));
}

bool personNameAccepted(std::string_view name) {
    for (std::size_t i = 1; i + 1 < name.size(); ++i)
        if (name[i] == ',') return true;
    return false;
}

std::string askPersonName(platform::UserDialogs& dialogs) {
    for (;;) {
        const auto typed = dialogs.inputBox(texts::kNameEntryTitle, texts::kNameEntryPrompt,
                                            texts::kNameEntryDefault);
        const std::string name = compactPersonName(typed ? *typed : texts::kNameEntryDefault);
        if (personNameAccepted(name)) return name;
    }
}

std::string fileNameSafe(std::string_view text, std::size_t maxBytes) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        // Decoding first: a malformed sequence must not smuggle a "/" through.
        const char32_t c = platform::nextUtf8(text, i);
        std::string piece;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFD ||
            (c < 0x80 &&
             std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos))
            piece = "_";
        else
            platform::appendUtf8(piece, c);
        if (out.size() + piece.size() > maxBytes) break;
        out += piece;
    }
    return out;
}

std::string protocolBaseName(std::string_view lessonFileName, std::string_view person,
                             const ProtocolStamp& stamp, std::string_view letters, char suffix) {
    // Together well below the 255 bytes a file name may have.
    std::string name = fileNameSafe(lessonFileName, 120) + "_" + fileNameSafe(person, 60) + "_" +
                       stamp.date() + "_" + stamp.time() + "_" + std::string(letters) + suffix;
    for (char& c : name)
        if (c == ':' || c == '.' || c == ',') c = '_';
    return name;
}

bool testComplete(int currentPage, int pageCount) { return currentPage >= pageCount - 1; }

std::string testStatusText(int currentPage, int pageCount) {
    return testComplete(currentPage, pageCount) ? texts::kTestComplete : texts::kTestAborted;
}

std::string totalPercentText(int totalCorrect, int totalValues) {
    const double percent = totalValues == 0 ? 0.0 : totalCorrect * 100.0 / totalValues;
    return calc::formatFixedTrimmed(percent, 0, 2);
}

std::string width3(int value) {
    std::string s = std::to_string(value);
    while (s.size() < 3) s = " " + s;
    return s;
}

std::vector<std::string> testProtocolLines(const TestProtocolInput& in) {
    std::vector<std::string> lines = {
        " ",
        "",
        "      Testname  :  " + in.lessonFileName,
        "      Testdatum :  " + in.stamp.date() + " - " + in.stamp.time(),
        "      Testperson:  " + in.person,
        "",
        "      " + testStatusText(in.currentPage, in.pageCount),
        "",
        "      Resultat:   " + width3(in.totalCorrect) + " von " + width3(in.totalValues) +
            " richtig (" + totalPercentText(in.totalCorrect, in.totalValues) + "%)",
    };
    for (int page = 1; page < in.pageCount; ++page) {
        const auto index = static_cast<std::size_t>(page);
        lines.push_back("     " + (index < in.pageResults.size() ? in.pageResults[index] : ""));
    }
    return lines;
}

ProtocolRecord testProtocolRecord(const TestProtocolInput& in) {
    ProtocolRecord r;
    r.lesson = in.lessonFileName;
    r.person = in.person;
    r.date = in.stamp.date();
    r.time = in.stamp.time();
    r.complete = testComplete(in.currentPage, in.pageCount);
    r.totalValues = in.totalValues;
    r.totalCorrect = in.totalCorrect;
    const auto at = [](const auto& v, std::size_t i) {
        return i < v.size() ? v[i] : typename std::decay_t<decltype(v)>::value_type{};
    };
    for (int page = 1; page < in.pageCount; ++page) {
        const auto i = static_cast<std::size_t>(page);
        r.pages.push_back(
            {page, at(in.pageTitles, i), at(in.pageResults, i), at(in.pageAnswers, i)});
    }
    return r;
}

}  // namespace textaria::player
