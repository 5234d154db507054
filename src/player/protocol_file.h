// Writing protocols and question files as the program's own text files: code page 1252,
// every line (the last one included) ending in CR LF, written to a temporary name and put in
// place only when complete, never over an existing file.
//
// Usage (the player, after showing the protocol and asking about printing):
//   auto files = saveProtocol(protocolFolder,
//       [&](std::string_view letters) { return protocolBaseName(lesson, person, now, letters, '1');
//       }, lines, protocolJson(record), letters, dialogs);    // a failure is told to the user
//   writeQuestionFileOnce(protocolFolder, lessonFileName, questionList, &dialogs);
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "player/test_protocol.h"

namespace textaria::player {

// Why a file could not be written. The reason is a German sentence for the user.
struct WriteFailure {
    std::string path;
    std::string reason;
};

// The message that names the file and the reason.
std::string writeFailureMessage(const WriteFailure& failure);

// The lines (UTF-8) as the bytes of the program's own text file.
std::string programTextBytes(const std::vector<std::string>& lines);

// Writes bytes to path through a temporary file in the same folder. An existing file at path
// is never replaced: then `exists` is set and nothing is written.
struct NewFileResult {
    bool exists = false;
    std::optional<WriteFailure> failure;
};
NewFileResult writeNewFile(const std::string& path, std::string_view bytes);

struct ProtocolFiles {
    std::string textPath;  // the protocol (.txt); empty when nothing was written
    std::string jsonPath;  // its twin (.json)
    std::optional<WriteFailure> failure;
};

// Draws three letters per attempt and writes folder/base.txt and folder/base.json, base being
// baseName(letters). Names already taken (by either file) are skipped: new letters are drawn.
ProtocolFiles writeProtocolFiles(const std::string& folder,
                                 const std::function<std::string(std::string_view)>& baseName,
                                 const std::vector<std::string>& lines, std::string_view json,
                                 const LetterSource& letters);

// writeProtocolFiles, and a failure told to the user (the protocol stays shown and printable).
ProtocolFiles saveProtocol(const std::string& folder,
                           const std::function<std::string(std::string_view)>& baseName,
                           const std::vector<std::string>& lines, std::string_view json,
                           const LetterSource& letters, platform::UserDialogs& dialogs);

// The question file: lesson file name up to its first "." + "_fragen.txt", lower-cased.
std::string questionFileName(std::string_view lessonFileName);

struct QuestionFileResult {
    std::string path;
    bool written = false;  // false also when the file existed already
    std::optional<WriteFailure> failure;
};
// Writes the questions, one per line, unless the file exists already. With dialogs, a failure
// is told to the user.
QuestionFileResult writeQuestionFileOnce(const std::string& folder, std::string_view lessonFileName,
                                         const std::vector<std::string>& questions,
                                         platform::UserDialogs* dialogs = nullptr);

}  // namespace textaria::player
