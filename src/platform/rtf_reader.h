// Our own reader of Rich Text Format: one pass over the bytes, no library.
#pragma once

#include <string_view>

#include "platform/styled_text.h"

namespace textaria::platform {

enum class RtfDetail {
    Formats,   // runs carry the document's character formats
    TextOnly,  // one default-format run per paragraph: same plain text, far fewer allocations
};

// Reads what can be read: malformed input (unbalanced braces, truncation, absurd numbers, deep
// nesting) yields the text up to the fault, never a crash. Bytes that are not RTF at all are
// read as one plain group, so the result is never worse than "no formatting".
StyledText readRtf(std::string_view rtfBytes, RtfDetail detail = RtfDetail::Formats);

// True when the bytes begin like an RTF document ("{\rtf", blanks before it allowed).
bool looksLikeRtf(std::string_view bytes);

}  // namespace textaria::platform
