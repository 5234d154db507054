// The lesson linter on any text: every finding lies on a line of the text and on a page the
// text has, and the linter never touches files (the lesson's folder is empty and stays so).
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "lesson/lesson_check.h"
#include "lesson/markup_text.h"

namespace fs = std::filesystem;
using namespace textaria::lesson;

namespace {

const fs::path& folder() {
    static const fs::path path = [] {
        std::string pattern = (fs::temp_directory_path() / "fuzz-check-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        return fs::path(pattern);
    }();
    return path;
}

struct RemoveFolder {
    ~RemoveFolder() {
        std::error_code ec;
        fs::remove_all(folder(), ec);
    }
} removeAtExit;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = std::max<int>(1, static_cast<int>(splitLines(text).size()));
    int hashes = 0;
    for (char c : text) hashes += c == '#';
    // The first byte decides whether the text came out of an archive with nested archives.
    CheckedLesson lesson{
        text, folder(), "lektion", size > 0 && (data[0] & 1), size > 0 ? 1 : 0, {"titel.jpg"}};
    for (const CheckFinding& f : checkLessonText(lesson)) {
        if (f.line < 1 || f.line > lines) std::abort();
        if (f.page < 0 || f.page > std::max(hashes, 1)) std::abort();
        if (f.message.empty()) std::abort();
    }
    if (!fs::is_empty(folder())) std::abort();
    return 0;
}
