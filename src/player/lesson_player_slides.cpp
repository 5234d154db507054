// The slide show of a page: started by a "{{...}}" line, stepped by its buttons or its timer,
// ended by "[  ||  ]", Escape or its last picture.
#include <filesystem>

#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/media_control.h"
#include "player/texts.h"

namespace textaria::player {

void LessonPlayer::startSlideShow(const std::string& name) {
    const auto resolve = [this](const std::string& file) {
        const std::string path = lessonFilePath(file);
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec) ? path : std::string();
    };
    if (!slides_.start(slideBase(name), resolve)) return;
    s_.slideShowRunning = true;
    if (media_) media_->StopSound();
    const platform::DialogAnswer answer =
        dialogs_.askYesNoCancel(texts::kSlideShowQuestion, texts::kSlideShowQuestionCaption);
    if (answer == platform::DialogAnswer::Cancel) {
        slides_.end();
        s_.slideShowRunning = false;
        return;
    }
    view_.setStatus({});
    if (answer == platform::DialogAnswer::Yes) {
        slides_.choose(SlideMode::Manual, kStartSlideTime);
        view_.showSlidePanel(true);
        showSlide(1);
        return;
    }
    int slideTime = kStartSlideTime;
    if (!slides_.sounds()) {
        // A cancelled box counts as an empty answer.
        const auto typed = dialogs_.inputBox(texts::kSlideTimeTitle, texts::kSlideTimePrompt,
                                             texts::kSlideTimeDefault);
        slideTime = slideSeconds(typed.value_or(std::string())) * 1000;
    }
    slides_.choose(SlideMode::Automatic, slideTime);
    showSlide(1);
    if (slides_.running() && slideTimer_) slideTimer_->startSlideTimer(slides_.tickInterval());
}

void LessonPlayer::showSlide(int index, bool withSound) {
    const auto slide = slides_.moveTo(index);
    if (!slide) {
        endSlideShow();
        return;
    }
    if (!displayPictureFile(slide->picture, slide->captionLine, slides_.dragLine(), slide->caption,
                            slide->next)) {
        // A slide that cannot be read ends the show as a missing one does.
        endSlideShow();
        return;
    }
    if (withSound && media_ && !slide->sound.empty()) media_->playSound(slide->sound);
}

void LessonPlayer::endSlideShow() {
    if (slideTimer_) slideTimer_->stopSlideTimer();
    slides_.end();
    s_.slideShowRunning = false;
    // The slide is forgotten; F1 brings back the page's own picture, if it has one.
    shownPicture_ = pagePicture_;
    pictures_.PicturePanelOn = !pagePicture_.empty();
    if (media_) {
        media_->setSoundFile({});
        media_->StopSound();
        media_->hidePanel();
    }
    view_.showSlidePanel(false);
    hidePicture();
}

void LessonPlayer::volumeIfAltHeld() {
    if (slides_.sounds() && media_ && slideTimer_ && slideTimer_->altHeld())
        media_->Button12Click();
}

void LessonPlayer::Timer2Timer() {
    if (!slides_.running() || slides_.halted()) return;
    if (slideTimer_ && slideTimer_->escapeHeld()) {
        endSlideShow();
        return;
    }
    volumeIfAltHeld();
    // The next slide waits for the end of this one's sound.
    if (media_ && media_->isPlaying()) return;
    showSlide(slides_.index() + 1);
}

void LessonPlayer::Label1Click() {
    if (!slides_.running()) return;
    volumeIfAltHeld();
    showSlide(slides_.index() + 1);
}

void LessonPlayer::Label2Click() {
    if (!slides_.running()) return;
    volumeIfAltHeld();
    showSlide(std::max(1, slides_.index() - 1));
}

void LessonPlayer::Label3Click() {
    if (slides_.running()) endSlideShow();
}

void LessonPlayer::Image1DblClick() {
    if (!slides_.toggleHalt() || !slideTimer_) return;
    if (slides_.halted())
        slideTimer_->stopSlideTimer();
    else
        slideTimer_->startSlideTimer(slides_.tickInterval());
}

void LessonPlayer::askPrintSlides() {
    if (!s_.LessonOpen || s_.TestMode || !slides_.running()) return;
    if (!dialogs_.askYesNo(texts::kPrintAllSlides, platform::kQuestionCaption)) return;
    printSlides(slides_.base());
    // The panel shows the slide the show stands at again, not the last one printed.
    if (slides_.running()) showSlide(slides_.index(), false);
}

}  // namespace textaria::player
