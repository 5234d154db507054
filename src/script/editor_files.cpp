#include "script/editor_files.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "calc/numeric_text.h"
#include "platform/codepage.h"
#include "platform/document_file.h"
#include "platform/rtf_writer.h"
#include "platform/styled_text.h"

namespace textaria::script {

namespace fs = std::filesystem;

ScriptFileLoad loadScriptFile(const std::string& path) {
    ScriptFileLoad out;
    const platform::DocumentLoad loaded = platform::loadDocumentFile(path);
    if (!loaded.ok) return out;
    std::string text = platform::plainText(loaded.text);
    std::string lf;
    lf.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lf += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            lf += text[i];
        }
    }
    out.ok = true;
    out.text = std::move(lf);
    return out;
}

std::string scriptFileBytes(std::string_view utf8Text) {
    std::string crlf;
    crlf.reserve(utf8Text.size() + utf8Text.size() / 16);
    for (std::size_t i = 0; i < utf8Text.size(); ++i) {
        const char c = utf8Text[i];
        if (c == '\r') {
            if (i + 1 < utf8Text.size() && utf8Text[i + 1] == '\n') ++i;
            crlf += "\r\n";
        } else if (c == '\n') {
            crlf += "\r\n";
        } else {
            crlf += c;
        }
    }
    return platform::utf8ToCp1252(crlf);
}

std::string scriptRtfBytes(std::string_view utf8Text) {
    platform::StyledText styled;
    platform::CharFormat format;
    format.fontName = "Courier New";
    format.bold = true;
    std::size_t start = 0;
    while (true) {
        std::size_t end = utf8Text.find_first_of("\r\n", start);
        platform::Paragraph paragraph;
        platform::appendRun(paragraph, utf8Text.substr(start, end - start), format);
        styled.paragraphs.push_back(std::move(paragraph));
        if (end == std::string_view::npos) break;
        if (utf8Text[end] == '\r' && end + 1 < utf8Text.size() && utf8Text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return platform::writeRtf(styled);
}

std::string scriptBytesFor(const std::string& path, std::string_view utf8Text) {
    const std::string extension = calc::toLowerAscii(fs::path(path).extension().string());
    return extension == ".rtf" ? scriptRtfBytes(utf8Text) : scriptFileBytes(utf8Text);
}

bool writeFileReplacing(const std::string& path, std::string_view bytes) {
    const fs::path target(path);
    fs::path temporary = target;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

std::optional<std::string> normalisedScriptName(std::string_view name) {
    std::string result(calc::trimBlanks(name));
    if (result.empty()) return std::nullopt;
    const std::size_t dot = result.rfind('.');
    if (dot == std::string::npos) return result + ".txt";
    const std::string extension = calc::toLowerAscii(std::string_view(result).substr(dot));
    if (extension != ".txt" && extension != ".rtf") return std::nullopt;
    return result;
}

std::string collapsedPath(const std::string& path) {
    return fs::path(path).lexically_normal().string();
}

}  // namespace textaria::script
