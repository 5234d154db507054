// Recognisers for the click targets a page line may carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::lesson {

// "{{" N "}}": a slide show. `base` is N trimmed and lower-cased, up to its first ".", trimmed;
// its pictures are base + "1.jpg", base + "2.jpg", ..., its captions base + ".txt".
struct SlideShowLink {
    std::string name;
    std::string base;
};
std::optional<SlideShowLink> findSlideShowLink(std::string_view line);

// "<<" F ">>" where F (trimmed) contains ".exe", ".html" or ".pdf"; whether it exists is the
// caller's question.
std::optional<std::string> findExternalLink(std::string_view line);

// "{" N "}" (not a slide show): N trimmed, N up to its first "." + ".jpg" the picture,
// + ".mp3" the sound. `other` holds N when it names neither ".jpg" nor ".mp3".
struct PictureLink {
    std::string name;
    std::string picture;
    std::string sound;
    bool other = false;
};
std::optional<PictureLink> findPictureLink(std::string_view line);

// "((" a "," b "," ... "))": the items, trimmed, in order. A list may continue over several
// lines; on this line it runs from "((" (or the line start) to "))" (or the line end).
std::optional<std::vector<std::string>> findWordList(std::string_view line);

}  // namespace textaria::lesson
