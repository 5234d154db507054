// RTF reader: any bytes read without a fault, both detail levels give the same plain text, and
// so does the short way to the plain text of a document.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/document_file.h"
#include "platform/rtf_reader.h"
#include "platform/styled_text.h"

using namespace textaria::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const StyledText formats = readRtf(bytes, RtfDetail::Formats);
    const StyledText textOnly = readRtf(bytes, RtfDetail::TextOnly);
    if (plainText(formats) != plainText(textOnly)) std::abort();
    for (const Paragraph& paragraph : formats.paragraphs)
        for (const TextRun& run : paragraph.runs)
            if (run.text.find_first_of("\r\n") != std::string::npos) std::abort();
    if (documentPlainText(bytes) != plainText(documentFromBytes(bytes, RtfDetail::TextOnly)))
        std::abort();
    return 0;
}
