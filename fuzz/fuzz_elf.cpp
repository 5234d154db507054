// The program file reader behind "bundle" and the self-contained lesson: the size of the bare
// program is what its ELF headers describe, computed here without wrapping; a program whose
// headers wrap past 2^64 or reach past its end is refused.
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "lesson/archive.h"
#include "lesson/bundle.h"
#include "lesson/startup_facts.h"

namespace fs = std::filesystem;
using namespace textaria::lesson;
using Wide = unsigned __int128;

namespace {

const fs::path& scratch() {
    static const fs::path path = [] {
        std::string pattern = (fs::temp_directory_path() / "fuzz-elf-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        const fs::path folder(pattern);
        std::ofstream(folder / "m.rtf") << "{\\rtf1 x}";
        if (!writeArchive(folder / "lesson.rsd", {{"m.rtf", folder / "m.rtf", {}}}).empty())
            std::abort();
        return folder;
    }();
    return path;
}

struct RemoveScratch {
    ~RemoveScratch() {
        std::error_code ec;
        fs::remove_all(scratch(), ec);
    }
} removeAtExit;

std::uint64_t little(const std::vector<char>& b, std::size_t at, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v |= std::uint64_t{static_cast<std::uint8_t>(b[at + i])} << (8 * i);
    return v;
}

// The end of everything the headers describe, in 128 bits; 0 when this is no little-endian ELF.
Wide describedEnd(const std::vector<char>& b) {
    if (b.size() < 52 || b[0] != 0x7F || b[1] != 'E' || b[2] != 'L' || b[3] != 'F' || b[5] != 1)
        return 0;
    const bool wide = b[4] == 2;
    if (wide && b.size() < 64) return 0;
    const std::size_t word = wide ? 8 : 4;
    const Wide phoff = little(b, wide ? 0x20 : 0x1C, word);
    const Wide shoff = little(b, wide ? 0x28 : 0x20, word);
    const Wide phentsize = little(b, wide ? 0x36 : 0x2A, 2);
    const Wide phnum = little(b, wide ? 0x38 : 0x2C, 2);
    const Wide shentsize = little(b, wide ? 0x3A : 0x2E, 2);
    const Wide shnum = little(b, wide ? 0x3C : 0x30, 2);
    Wide end = std::max<Wide>(wide ? 64 : 52, phoff + phentsize * phnum);
    if (shoff != 0) end = std::max(end, shoff + shentsize * shnum);
    const std::size_t sizeField = wide ? 0x20 : 0x10;
    for (Wide i = 0; i < phnum; ++i) {
        const Wide entry = phoff + i * phentsize;
        if (phentsize < sizeField + word || entry + phentsize > b.size()) break;
        const auto at = static_cast<std::size_t>(entry);
        end = std::max(
            end, Wide{little(b, at + (wide ? 8 : 4), word)} + little(b, at + sizeField, word));
    }
    return end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<char> bytes(reinterpret_cast<const char*>(data),
                                  reinterpret_cast<const char*>(data) + size);
    (void)findAppendedArchive(std::span<const char>(bytes));
    const Wide end = describedEnd(bytes);

    const fs::path program = scratch() / "program";
    const fs::path output = scratch() / "bundled";
    std::ofstream(program, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const BundleResult result = bundleLesson(program, scratch() / "lesson.rsd", output);
    std::error_code ec;
    const bool written = fs::exists(output, ec);
    if (result.error.empty() != written) std::abort();
    if (written) {
        // Only a program that holds everything its headers describe is bundled, whole.
        if (end == 0 || end > size) std::abort();
        if (fs::file_size(output) !=
            static_cast<std::uint64_t>(end) + fs::file_size(scratch() / "lesson.rsd"))
            std::abort();
        fs::remove(output);
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(scratch()))
        if (entry.path().extension() == ".part") std::abort();
    return 0;
}
