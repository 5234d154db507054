// Writes the styled-text model as RTF that word processors and our own reader understand.
#pragma once

#include <string>

#include "platform/styled_text.h"

namespace textaria::platform {

// ANSI code page 1252: characters of 1252 as \'hh, all others as \uN with a "?" fallback;
// a font and a colour table with the fonts and colours the text uses.
std::string writeRtf(const StyledText& text);

}  // namespace textaria::platform
