// The list page of a page list and the project menu of a selection archive.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

enum class ListMode { Normal, Test, Child };

// The paragraphs of the list page, in order ("\r" inside a paragraph is a line break):
// heading box, one "   " + title line per page (not in child mode), a line of three blanks,
// and the closing rule (not in child mode).
std::vector<std::string> listPageParagraphs(const std::vector<std::string>& titles, ListMode mode);

// What a click on a line of the list page does.
struct ListChoice {
    enum class Kind { Nothing, OpenPage, ShowListAgain } kind = Kind::Nothing;
    int page = 0;
};
// Test and child mode always start at page 1; otherwise the clicked line's first two
// characters (after trimming) name the page.
ListChoice chooseFromList(std::string_view clickedLine, int pageCount, ListMode mode);

// A text without "#" is a project menu when archives were unpacked with it and it names "rsd".
bool isProjectMenu(std::string_view lessonText, int nestedArchiveCount);

// The archive a menu line names: the lower-cased, trimmed line up to and including its first
// "rsd"; nothing when the line names none.
std::optional<std::string> projectArchiveName(std::string_view menuLine);

// Every archive name the lines of a menu text (CR LF lines) name, in text order.
std::vector<std::string> menuProjects(std::string_view menuText);

}  // namespace textaria::lesson
