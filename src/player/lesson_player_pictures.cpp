// The picture panel of a page: showing and hiding it, its zoom, and the links of page lines
// that open pictures, sounds and other files.
#include <filesystem>

#include "lesson/markup_text.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

bool isFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// The text between `open` and `close` in a line, trimmed; nothing when the line has no pair.
std::optional<std::string> between(std::string_view line, std::string_view open,
                                   std::string_view close) {
    const auto begin = line.find(open);
    if (begin == std::string_view::npos) return std::nullopt;
    const auto end = line.find(close, begin + open.size());
    if (end == std::string_view::npos) return std::nullopt;
    return std::string(lesson::trim(line.substr(begin + open.size(), end - begin - open.size())));
}

}  // namespace

bool LessonPlayer::showPictureFile(const std::string& path) {
    // The shown slide keeps the show's lines when it is shown anew (F5 prints it).
    if (slides_.running() && path == shownPicture_) {
        showSlide(slides_.index(), false);
        return slides_.running();
    }
    return displayPictureFile(path, texts::kPictureCaptionLine, texts::kPictureDragLine, {});
}

PictureLayout LessonPlayer::pictureLayout(const std::string& path) const {
    const std::optional<double> zoom = pictures_.QuickZoom && !s_.coordinatePage
                                           ? std::optional(pictures_.ZoomFactor)
                                           : std::nullopt;
    return layoutPicture(pictureFileSize(path).value_or(PixelSize{}), room_.area,
                         room_.screenHeight, zoom, room_.captionHeight);
}

bool LessonPlayer::displayPictureFile(const std::string& path, const std::string& captionLine,
                                      const std::string& dragLine, const std::string& caption,
                                      const std::string& next) {
    PictureDisplay picture;
    picture.path = path;
    picture.layout = pictureLayout(path);
    if (!next.empty()) {
        picture.nextPath = next;
        picture.nextSize = pictureLayout(next).picture;
    }
    picture.at = pictures_.position
                     ? keepPanelInside(*pictures_.position, picture.layout.panel, room_.window)
                     : defaultPanelPlace(picture.layout.panel, room_.window, room_.pageTop,
                                         s_.wordListOption);
    picture.captionLine = captionLine;
    picture.dragLine = dragLine;
    picture.caption = caption;
    if (!view_.displayPicture(picture)) {
        hidePicture();
        return false;
    }
    shownPicture_ = path;
    pictures_.panelShown = true;
    pictures_.PicturePanelOn = true;
    return true;
}

void LessonPlayer::hidePicture() {
    view_.showPicturePanel(false);
    pictures_.panelShown = false;
}

void LessonPlayer::picturePanelMoved(PixelPoint at) { pictures_.position = at; }

bool LessonPlayer::pagePictureShown() const {
    return pictures_.panelShown && !pagePicture_.empty() && shownPicture_ == pagePicture_;
}

void LessonPlayer::runPageLinks(const std::string& line) {
    // A running show keeps the panel; its own buttons end it first.
    if (slides_.running()) return;
    if (const auto show = slideShowLink(line)) {
        startSlideShow(*show);
    } else if (const auto name = between(line, "{", "}")) {
        pictureLink(*name);
    } else if (const auto file = between(line, "<<", ">>")) {
        externalLink(*file);
    }
}

void LessonPlayer::pictureLink(const std::string& name) {
    const std::string stem = name.substr(0, name.find('.'));
    const std::string picture = lessonFilePath(stem + ".jpg");
    const std::string sound = lessonFilePath(stem + ".mp3");
    const bool mediaPanelShown = media_ && media_->view().panelVisible;
    if (!linkPicture_.empty() && linkPicture_ == picture && pictures_.panelShown &&
        !mediaPanelShown) {
        hidePicture();
        linkPicture_.clear();
        return;
    }
    if (isFile(picture)) {
        if (showPictureFile(picture)) linkPicture_ = picture;
        if (media_ && isFile(sound)) media_->playLinkSound(sound);
        return;
    }
    if (!pagePictureShown()) {
        hidePicture();
        linkPicture_.clear();
    }
    if (media_) {
        if (isFile(sound))
            media_->playLinkSound(sound);
        else
            media_->StopSound();
    }
    const std::string lower = lesson::lowerCase(name);
    if (lesson::contains(lower, ".jpg") || lesson::contains(lower, ".mp3")) return;
    const std::string file = lessonFilePath(name);
    if (!isFile(file) || !media_) return;
    // The second click on such a link closes the program the first one opened.
    if (!linkExternal_.empty() && !media_->externalViewer().empty()) {
        media_->endExternalViewer();
        linkExternal_.clear();
        return;
    }
    if (media_->openExternal(file)) linkExternal_ = file;
}

void LessonPlayer::externalLink(const std::string& name) {
    const std::string lower = lesson::lowerCase(name);
    if (!lesson::contains(lower, ".exe") && !lesson::contains(lower, ".html") &&
        !lesson::contains(lower, ".pdf"))
        return;
    const std::string file = lessonFilePath(name);
    if (media_ && isFile(file)) media_->openExternal(file);
}

void LessonPlayer::togglePicture() {
    if (!pictures_.PicturePanelOn && !s_.coordinatePage) return;
    if (pictures_.panelShown) {
        hidePicture();
    } else if (isFile(shownPicture_)) {
        if (slides_.running())
            showSlide(slides_.index(), false);
        else
            showPictureFile(shownPicture_);
    } else {
        // A page whose script draws the picture: only the panel comes back.
        view_.showPicturePanel(true);
        pictures_.panelShown = true;
    }
}

void LessonPlayer::pictureWithoutZoom() {
    if (!pictures_.PicturePanelOn && !s_.coordinatePage) return;
    pictures_.QuickZoom = false;
    pictureScale_ = kLargePictureScale;
    if (!isFile(shownPicture_)) return;
    if (slides_.running())
        showSlide(slides_.index(), false);
    else
        showPictureFile(shownPicture_);
}

void LessonPlayer::askPictureZoom() {
    if (!pictures_.PicturePanelOn && !s_.coordinatePage) return;
    if (s_.coordinatePage) {
        dialogs_.information(texts::kNoZoomOnCoordinates);
        return;
    }
    pictureScale_ = kLargePictureScale;
    const auto typed = dialogs_.inputBox(texts::kPictureZoomTitle, texts::kPictureZoomPrompt,
                                         texts::kPictureZoomDefault);
    // A cancelled box leaves the picture as it is.
    if (!typed) return;
    const auto level = pictureZoomLevel(*typed);
    if (!level) return;
    pictures_.QuickZoom = *level != 0;
    if (pictures_.QuickZoom) pictures_.ZoomFactor = *quickZoomFactor(*level);
    if (!isFile(shownPicture_)) return;
    if (slides_.running())
        showSlide(slides_.index(), false);
    else
        showPictureFile(shownPicture_);
}

}  // namespace textaria::player
