#include "platform/document_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "platform/codepage.h"
#include "platform/file_kind.h"
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

std::string documentPlainText(std::string_view bytes) {
    if (looksLikeRtf(bytes)) return plainText(readRtf(bytes, RtfDetail::TextOnly));
    const std::string utf8 = decodeTextFile(bytes);
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 8);
    std::size_t start = 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", start);
        if (end == std::string::npos) end = utf8.size();
        out.append(utf8, start, end - start);
        if (end == utf8.size()) break;
        out += "\r\n";
        if (utf8[end] == '\r' && end + 1 < utf8.size() && utf8[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return out;
}

namespace {

// The whole file, or an error text naming it.
bool readDocumentBytes(const std::string& path, std::string& bytes, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        error = std::string(texts::kFileMissing) + path;
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        error = std::string(texts::kFileIsFolder) + path;
        return false;
    }
    std::string reason;
    std::unique_ptr<std::FILE, FileCloser> file(openRegularFile(path, reason));
    if (!file) {
        error = std::string(texts::kFileUnreadable) + path + " (" + reason + ")";
        return false;
    }
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
        error = std::string(texts::kFileUnreadable) + path + reasonSuffix(errno);
        return false;
    }
    return true;
}

}  // namespace

DocumentLoad loadDocumentFile(const std::string& path, RtfDetail detail) {
    DocumentLoad result;
    std::string bytes;
    if (!readDocumentBytes(path, bytes, result.error)) return result;
    result.text = documentFromBytes(bytes, detail);
    result.ok = true;
    return result;
}

PlainTextLoad loadDocumentPlainText(const std::string& path) {
    PlainTextLoad result;
    std::string bytes;
    if (!readDocumentBytes(path, bytes, result.error)) return result;
    result.text = documentPlainText(bytes);
    result.ok = true;
    return result;
}

}  // namespace textaria::platform
