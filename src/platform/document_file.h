// Loading a lesson document (or any text the program shows) from a file.
#pragma once

#include <string>
#include <string_view>

#include "platform/rtf_reader.h"
#include "platform/styled_text.h"

namespace textaria::platform {

struct DocumentLoad {
    bool ok = false;
    StyledText text;
    std::string error;  // when !ok: one line naming the file and the reason
};

// RTF when the file starts with "{\rtf", otherwise a plain text file (UTF-8 or code page 1252),
// one paragraph per line (CR LF, LF or lone CR end a line).
DocumentLoad loadDocumentFile(const std::string& path, RtfDetail detail = RtfDetail::Formats);

// The same for bytes already in memory.
StyledText documentFromBytes(std::string_view bytes, RtfDetail detail = RtfDetail::Formats);

// Only the plain text of a document, as plainText(documentFromBytes(bytes)) gives it, without
// the styled model (a paragraph costs far more than the CR LF of an empty line).
std::string documentPlainText(std::string_view bytes);

struct PlainTextLoad {
    bool ok = false;
    std::string text;   // CR LF lines
    std::string error;  // as DocumentLoad's
};
PlainTextLoad loadDocumentPlainText(const std::string& path);

// Plain text bytes as paragraphs in the default format.
StyledText styledFromPlainText(std::string_view utf8);

}  // namespace textaria::platform
