#include "lesson/markup_targets.h"

#include "lesson/markup_text.h"

namespace textaria::lesson {

namespace {

// The text between the first `open` and the following `close`, or nullopt.
std::optional<std::string_view> between(std::string_view line, std::string_view open,
                                        std::string_view close) {
    const std::size_t b = line.find(open);
    if (b == std::string_view::npos) return std::nullopt;
    const std::size_t e = line.find(close, b + open.size());
    if (e == std::string_view::npos) return std::nullopt;
    return line.substr(b + open.size(), e - b - open.size());
}

std::string beforeFirstDot(std::string_view s) { return std::string(s.substr(0, s.find('.'))); }

}  // namespace

std::optional<SlideShowLink> findSlideShowLink(std::string_view line) {
    const auto inner = between(line, "{{", "}}");
    if (!inner) return std::nullopt;
    SlideShowLink link;
    link.name = lowerCase(trim(*inner));
    link.base = std::string(trim(beforeFirstDot(link.name)));
    return link;
}

std::optional<std::string> findExternalLink(std::string_view line) {
    const auto inner = between(line, "<<", ">>");
    if (!inner) return std::nullopt;
    const std::string name(trim(*inner));
    if (!contains(name, ".exe") && !contains(name, ".html") && !contains(name, ".pdf"))
        return std::nullopt;
    return name;
}

std::optional<PictureLink> findPictureLink(std::string_view line) {
    if (findSlideShowLink(line)) return std::nullopt;
    const auto inner = between(line, "{", "}");
    if (!inner) return std::nullopt;
    PictureLink link;
    link.name = std::string(trim(*inner));
    const std::string stem = beforeFirstDot(link.name);
    link.picture = stem + ".jpg";
    link.sound = stem + ".mp3";
    link.other = !contains(link.name, ".jpg") && !contains(link.name, ".mp3");
    return link;
}

std::optional<std::vector<std::string>> findWordList(std::string_view line) {
    const std::size_t open = line.find("((");
    const std::size_t close = line.find("))", open == std::string_view::npos ? 0 : open + 2);
    if (open == std::string_view::npos && close == std::string_view::npos) return std::nullopt;
    const std::size_t b = open == std::string_view::npos ? 0 : open + 2;
    const std::size_t e = close == std::string_view::npos ? line.size() : close;
    std::vector<std::string> items;
    std::string_view rest = line.substr(b, e - b);
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = trim(rest.substr(0, comma));
        if (!item.empty()) items.emplace_back(item);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return items;
}

}  // namespace textaria::lesson
