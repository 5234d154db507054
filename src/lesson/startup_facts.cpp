#include "lesson/startup_facts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>

#include "platform/text_helpers.h"

namespace textaria::lesson {

namespace {

std::uint64_t readLittle(const std::vector<char>& bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The program file is read in blocks of this size.
constexpr std::size_t kReadBlock = 16'284;
// Enough of the file's start to hold the ELF header and its program headers.
constexpr std::size_t kHeadSize = 64 * 1024;

}  // namespace

std::optional<std::uint64_t> elfProgramSize(const std::vector<char>& head) {
    const bool elf = head.size() >= 52 && head[0] == 0x7F && head[1] == 'E' && head[2] == 'L' &&
                     head[3] == 'F' && head[5] == 1;  // little-endian
    if (!elf) return std::nullopt;
    const bool wide = head[4] == 2;
    if (wide && head.size() < 64) return std::nullopt;

    const std::size_t word = wide ? 8 : 4;
    const std::uint64_t phoff = readLittle(head, wide ? 0x20 : 0x1C, word);
    const std::uint64_t shoff = readLittle(head, wide ? 0x28 : 0x20, word);
    const std::uint64_t phentsize = readLittle(head, wide ? 0x36 : 0x2A, 2);
    const std::uint64_t phnum = readLittle(head, wide ? 0x38 : 0x2C, 2);
    const std::uint64_t shentsize = readLittle(head, wide ? 0x3A : 0x2E, 2);
    const std::uint64_t shnum = readLittle(head, wide ? 0x3C : 0x30, 2);

    // An offset plus its size past 2^64 would wrap to a small end: no real program says that.
    std::uint64_t end = wide ? 64 : 52;
    bool wraps = false;
    auto reach = [&](std::uint64_t offset, std::uint64_t size) {
        std::uint64_t e = 0;
        wraps |= __builtin_add_overflow(offset, size, &e);
        end = std::max(end, e);
    };
    reach(phoff, phentsize * phnum);  // both counts are 16 bits: the product fits
    if (shoff != 0) reach(shoff, shentsize * shnum);
    const std::size_t offsetField = wide ? 0x08 : 0x04;
    const std::size_t sizeField = wide ? 0x20 : 0x10;
    for (std::uint64_t i = 0; i < phnum; ++i) {
        const std::uint64_t entry = phoff + i * phentsize;
        if (phentsize < sizeField + word || phoff > head.size() || entry > head.size() ||
            head.size() - entry < phentsize)
            break;
        reach(readLittle(head, entry + offsetField, word),
              readLittle(head, entry + sizeField, word));
    }
    if (wraps) return std::nullopt;
    return end;
}

std::uint64_t bareProgramSize(const std::vector<char>& head) {
    const bool elf =
        head.size() >= 4 && head[0] == 0x7F && head[1] == 'E' && head[2] == 'L' && head[3] == 'F';
    if (!elf) return kAppendedArchiveOffset;
    // An ELF file whose headers cannot be read ends nowhere: it carries no archive.
    return elfProgramSize(head).value_or(std::numeric_limits<std::uint64_t>::max());
}

bool carriesArchive(std::uint64_t fileSize, std::uint64_t bareSize) {
    return fileSize > bareSize && fileSize - bareSize > kArchiveMinimumExtra;
}

std::string appendedArchiveName(std::string_view programPath) {
    const auto slash = programPath.rfind('/');
    std::string name = platform::asciiLowerCase(
        slash == std::string_view::npos ? programPath : programPath.substr(slash + 1));
    // Programs here carry no extension, so a name without "." is taken whole.
    name = name.substr(0, name.find('.'));
    if (name.empty()) return std::string(kDefaultArchiveName);
    return name + ".rsd";
}

ProgramFileFacts readProgramFileFacts(const std::string& programPath) {
    ProgramFileFacts facts;
    facts.ownPath = programPath;
    facts.archiveName = appendedArchiveName(programPath);

    std::error_code ec;
    const auto size = std::filesystem::file_size(programPath, ec);
    if (ec) {
        facts.error = programPath + ": " + ec.message();
        return facts;
    }
    facts.ownSize = size;

    std::ifstream in(programPath, std::ios::binary);
    if (!in) {
        facts.error = programPath + ": cannot be opened";
        return facts;
    }
    std::vector<char> head(static_cast<std::size_t>(std::min<std::uint64_t>(size, kHeadSize)));
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    facts.AppendedArchiveOffset = bareProgramSize(head);
    if (!carriesArchive(size, facts.AppendedArchiveOffset)) return facts;

    // The archive is written out at the first activation; keep the file until then.
    in.clear();
    in.seekg(0);
    std::vector<char>& bytes = facts.programBytes;
    while (in) {
        const std::size_t used = bytes.size();
        bytes.resize(used + kReadBlock);
        in.read(bytes.data() + used, static_cast<std::streamsize>(kReadBlock));
        bytes.resize(used + static_cast<std::size_t>(in.gcount()));
    }
    facts.ArchiveAppended = carriesArchive(bytes.size(), facts.AppendedArchiveOffset);
    if (!facts.ArchiveAppended) bytes = {};
    return facts;
}

}  // namespace textaria::lesson
