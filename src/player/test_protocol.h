// The test protocol that "Beenden" writes at the end of a test, and the pieces every protocol
// is made of: the person's name, the time stamp and the file name.
//
// Usage (the player, when a test ends):
//   std::string person = askPersonName(dialogs);        // asks until the name is accepted
//   ProtocolStamp now = ProtocolStamp::now();            // or a fixed clock in tests and the CLI
//   TestProtocolInput in{lessonFileName, person, now, currentPage, pageCount,
//                        totalValues, totalCorrect, pageResults};
//   std::vector<std::string> lines = testProtocolLines(in);
//   ProtocolRecord record = testProtocolRecord(in);          // the JSON twin's facts
//   // then saveProtocol() of protocol_file.h with protocolBaseName(..., '1')
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/user_dialogs.h"

namespace textaria::player {

// Date and time of a protocol. Always written dd.mm.yyyy and hh:mm:ss, whatever the locale,
// since both also go into the file name.
struct ProtocolStamp {
    int day = 1;
    int month = 1;
    int year = 2000;
    int hour = 0;
    int minute = 0;
    int second = 0;

    std::string date() const;  // "07.12.2026"
    std::string time() const;  // "09:30:15"

    static ProtocolStamp now();  // local time of the machine
    // "DD.MM.YYYY HH:MM:SS" (a fixed clock); nothing for any other form or impossible values.
    static std::optional<ProtocolStamp> parse(std::string_view text);
};

// Draws one lower-case letter "a".."z" per call.
using LetterSource = std::function<char()>;
// A uniform source whose letters repeat exactly for the same seed.
LetterSource seededLetterSource(std::uint64_t seed);

// The typed name with every blank removed, then trimmed.
std::string compactPersonName(std::string_view typed);
// 'Familienname,Vorname': a comma that is neither the first nor the last character.
bool personNameAccepted(std::string_view compacted);
// The name entry of every protocol: asks until the name is accepted. Cancelling gives the
// default, which is accepted as "xxx,yyy".
std::string askPersonName(platform::UserDialogs& dialogs);

// A text as a part of a file name: folder separators, control characters and the characters
// other systems forbid in file names become "_"; cut to at most maxBytes (whole characters).
std::string fileNameSafe(std::string_view text, std::size_t maxBytes);

// The protocol's base name (without folder and extension): lesson file name, person, date,
// time, three letters and the suffix digit ('1' for tests, '0', '3', '5', '7' for
// questionnaires), with ":", "." and "," replaced by "_".
std::string protocolBaseName(std::string_view lessonFileName, std::string_view person,
                             const ProtocolStamp& stamp, std::string_view letters, char suffix);

// What the protocol of a test reports.
struct TestProtocolInput {
    std::string lessonFileName;  // with its extension ("Mathe1.rtf")
    std::string person;          // as accepted by askPersonName
    ProtocolStamp stamp;         // taken when the protocol is built
    int currentPage = 0;
    int pageCount = 0;  // one more than the last page number
    int totalValues = 0;
    int totalCorrect = 0;
    // Result line per page number (index 0 unused); missing or empty: never evaluated.
    std::vector<std::string> pageResults;
    // For the JSON twin, by page number as well: titles and the answers as typed.
    std::vector<std::string> pageTitles;
    std::vector<std::vector<std::string>> pageAnswers;
};

// "Der Test wurde abgebrochen!" before the last page, else the completion text.
std::string testStatusText(int currentPage, int pageCount);
bool testComplete(int currentPage, int pageCount);

// TotalCorrect * 100 / TotalValues with two decimals, trimmed; "0.00" without values.
std::string totalPercentText(int totalCorrect, int totalValues);

// Right-aligned in three characters ("  3"); wider numbers are not cut.
std::string width3(int value);

// The protocol text, line by line (without line ends).
std::vector<std::string> testProtocolLines(const TestProtocolInput& input);

// The same facts for the JSON twin (protocol_json.h).
struct ProtocolRecord;
ProtocolRecord testProtocolRecord(const TestProtocolInput& input);

// How the page view shows a protocol.
struct ProtocolLook {
    static constexpr const char* kFontFamily = "Courier New";
    static constexpr int kPointSize = 12;
    static constexpr bool kBold = true;
    static constexpr int kRed = 0, kGreen = 0, kBlue = 128;  // navy blue
};

}  // namespace textaria::player
