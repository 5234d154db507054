// The script editor's files: plain scripts in code page 1252 with CR LF (RTF scripts are read
// as their text), written to a temporary name and renamed, and the rules for a new file name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace textaria::script {

struct ScriptFileLoad {
    bool ok = false;
    std::string text;  // UTF-8, lines separated by LF
};

// A ".rtf" file as its plain text; anything else as a text file (UTF-8 when valid, else 1252).
ScriptFileLoad loadScriptFile(const std::string& path);

// The bytes of a script file: code page 1252, lines ended by CR LF.
std::string scriptFileBytes(std::string_view utf8Text);

// The bytes of a ".rtf" script: one paragraph per line in the editor's font, so that word
// processors and our own reader give back the same lines.
std::string scriptRtfBytes(std::string_view utf8Text);
// What a script is saved as: rich text for the extension ".rtf" (any case), else plain text.
std::string scriptBytesFor(const std::string& path, std::string_view utf8Text);

// Writes the bytes to a temporary name beside the file and renames it; false when it failed
// (nothing of a half-written file is left).
bool writeFileReplacing(const std::string& path, std::string_view bytes);

// The name typed for a new file: without "." it gets ".txt"; only ".txt" and ".rtf" are
// allowed (nothing for any other extension).
std::optional<std::string> normalisedScriptName(std::string_view name);

// ".." steps of a chosen path collapsed.
std::string collapsedPath(const std::string& path);

}  // namespace textaria::script
