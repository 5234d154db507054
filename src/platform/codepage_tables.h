// Byte-to-Unicode tables of the single-byte code pages that RTF files and old text files use.
#pragma once

#include <cstddef>

namespace textaria::platform::detail {

struct CodePageTable {
    int codePage;
    const char16_t* upper;  // Unicode of bytes 0x80 ... 0xFF; bytes below 0x80 are ASCII
};

extern const CodePageTable kCodePageTables[];
extern const std::size_t kCodePageTableCount;

}  // namespace textaria::platform::detail
