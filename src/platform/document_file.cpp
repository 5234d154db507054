#include "platform/document_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "platform/codepage.h"
#include "platform/rtf_reader.h"
#include "platform/texts.h"

namespace textaria::platform {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string reasonSuffix(int error) {
    return error != 0 ? std::string(" (") + std::strerror(error) + ")" : std::string();
}

}  // namespace

StyledText styledFromPlainText(std::string_view utf8) {
    StyledText text;
    const CharFormat format;
    std::size_t start = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", start);
        Paragraph paragraph;
        if (end == std::string_view::npos) {
            appendRun(paragraph, utf8.substr(start), format);
            text.paragraphs.push_back(std::move(paragraph));
            return text;
        }
        appendRun(paragraph, utf8.substr(start, end - start), format);
        text.paragraphs.push_back(std::move(paragraph));
        // CR LF, LF and a lone CR each end one line.
        if (utf8[end] == '\r' && end + 1 < utf8.size() && utf8[end + 1] == '\n') ++end;
        start = end + 1;
    }
    text.endsWithLineEnd = !text.paragraphs.empty();
    return text;
}

StyledText documentFromBytes(std::string_view bytes, RtfDetail detail) {
    if (looksLikeRtf(bytes)) return readRtf(bytes, detail);
    return styledFromPlainText(decodeTextFile(bytes));
}

DocumentLoad loadDocumentFile(const std::string& path, RtfDetail detail) {
    DocumentLoad result;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        result.error = std::string(texts::kFileMissing) + path;
        return result;
    }
    if (std::filesystem::is_directory(status)) {
        result.error = std::string(texts::kFileIsFolder) + path;
        return result;
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        result.error = std::string(texts::kFileUnreadable) + path + reasonSuffix(errno);
        return result;
    }
    std::string bytes;
    // Read in pieces, so that a file that grows or lies about its size is still read whole.
    const auto expected = std::filesystem::file_size(path, ec);
    std::size_t capacity = ec ? 1 << 16 : static_cast<std::size_t>(expected) + 1;
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(std::max(capacity, used + 1));
        const std::size_t n = std::fread(bytes.data() + used, 1, bytes.size() - used, file.get());
        bytes.resize(used + n);
        if (n == 0 || std::feof(file.get()) || std::ferror(file.get())) break;
        capacity = bytes.size() * 2;
    }
    if (std::ferror(file.get())) {
        result.error = std::string(texts::kFileUnreadable) + path + reasonSuffix(errno);
        return result;
    }
    result.text = documentFromBytes(bytes, detail);
    result.ok = true;
    return result;
}

}  // namespace textaria::platform
