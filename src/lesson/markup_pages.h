// Cutting a lesson text into pages: its kind, the "#" title lines, media lines and mode signs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/markup_text.h"

namespace textaria::lesson {

enum class LessonKind {
    Single,  // no "#": one page
    List,    // "#" title lines cut the text into pages
    Menu,    // no "#", but unpacked with further archives that its lines name
};

// `nestedArchiveCount`: ".rsd" members unpacked with the text (0 for a loose ".rtf").
// The archive names of a menu: menuProjects() in project_list.h.
LessonKind classifyLesson(std::string_view text, int nestedArchiveCount);

// The media line after the ";" of a title: a picture and, after a ",", a sound or an
// external file.
struct MediaLine {
    std::string line;      // trimmed; empty when the title has no ";"
    std::string picture;   // the whole line or its part before the first ","
    std::string sound;     // the part after the "," when its upper case holds "MP3"
    std::string external;  // the part after the "," otherwise
};
MediaLine parseMediaLine(std::string_view line);

struct PageSpan {
    int number = 0;     // 1-based
    std::string title;  // before the first ";", trimmed; mode signs removed on page 1
    MediaLine media;
    ByteRange titleLine;  // the characters after the "#" up to the line end
    ByteRange body;       // from the line after the title to before the next "#"
};

struct PageList {
    std::vector<PageSpan> pages;  // the shown pages 1 .. PageCount - 1
    int PageCount = 0;            // number of "#": the body after the last one is never shown
    bool TestMode = false;        // "_" in the first title
    bool ChildMode = false;       // "!" in the first title
    std::string headerLine;       // first line of page 1, trimmed
};

// Every "#" begins a title line; the body after the last "#" is not a page.
PageList splitPages(std::string_view text);

// The first line of a text, trimmed ("ENR" there changes the test protocol).
std::string headerLineOf(std::string_view pageText);

}  // namespace textaria::lesson
