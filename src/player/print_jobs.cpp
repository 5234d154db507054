#include "player/print_jobs.h"

#include <algorithm>
#include <cmath>

#include "lesson/gaps.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

int rounded(double v) { return static_cast<int>(lesson::roundHalfEven(v)); }

bool endsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

}  // namespace

PrintSize printedPictureSize(PrintSize picture, PrintSize printable, double scale) {
    scale = std::fabs(scale);
    if (scale == 0 || picture.width <= 0 || picture.height <= 0) return {};
    const double ratio = static_cast<double>(picture.height) / picture.width;
    PrintSize size;
    size.width = rounded(printable.width * scale);
    size.height = rounded(size.width * ratio);
    if (size.height > printable.height) {
        size.height = rounded(scale * printable.height);
        size.width = rounded(size.height / ratio);
    }
    return size;
}

PrintSize oneSheetPictureSize(PrintSize picture, PrintSize printable) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    const double ratio = static_cast<double>(picture.height) / picture.width;
    PrintSize size;
    if (picture.width > picture.height) {
        size.width = rounded(0.9 * printable.width);
        size.height = rounded(size.width * ratio);
    } else {
        size.height = rounded(0.9 * 0.48 * printable.height);
        size.width = rounded(size.height / ratio);
    }
    return size;
}

std::string pictureCaption(std::string_view pictureName, std::string_view counter) {
    std::string caption = "[ " + std::string(pictureName) + " ]";
    if (!counter.empty()) caption += "  in  " + std::string(counter);
    return caption;
}

std::string pictureName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
    const std::size_t dot = path.rfind('.');
    return std::string(dot == std::string_view::npos ? path : path.substr(0, dot));
}

std::vector<std::string> pictureLinkFiles(std::string_view pageText) {
    const std::string text = lesson::lowerCase(pageText);
    std::vector<std::string> files;
    for (std::size_t open = text.find('{'); open != std::string::npos;) {
        const std::size_t close = text.find('}', open + 1);
        if (close == std::string::npos) break;
        std::string name(lesson::trim(std::string_view(text).substr(open + 1, close - open - 1)));
        if (!name.empty()) {
            if (!endsWith(name, ".jpg")) name += ".jpg";
            files.push_back(std::move(name));
        }
        open = text.find('{', close + 1);
    }
    return files;
}

std::vector<std::string> pagePictures(const std::string& shownPicture, std::string_view pageText,
                                      const std::function<std::string(const std::string&)>& resolve,
                                      const std::function<bool(const std::string&)>& exists) {
    std::vector<std::string> paths;
    auto add = [&](const std::string& path) {
        if (!path.empty() && exists(path) &&
            std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(path);
    };
    add(shownPicture);
    for (const std::string& name : pictureLinkFiles(pageText)) add(resolve(name));
    return paths;
}

std::vector<lesson::ByteRange> sheetParts(std::string_view text) {
    std::vector<lesson::ByteRange> parts;
    std::size_t begin = 0;
    for (std::size_t mark = text.find(kSheetBreak); mark != std::string_view::npos;
         mark = text.find(kSheetBreak, begin)) {
        parts.push_back({begin, mark});
        begin = mark + kSheetBreak.size();
    }
    parts.push_back({begin, text.size()});
    return parts;
}

std::string sheetFooter(int part) { return texts::kSheetFooter + std::to_string(part) + ">"; }

}  // namespace textaria::player
