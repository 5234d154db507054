// The print commands: "Drucken", F5, F6, Ctrl F6 and Shift F6.
#include <filesystem>

#include "lesson/gaps_print.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/print_jobs.h"
#include "player/texts.h"

namespace textaria::player {

namespace {

bool isFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void LessonPlayer::rememberShownPage(const PageText& page) {
    shownPage_ = page;
    shownPlainLines_.clear();
}

void LessonPlayer::Button4Click() {
    if (!printer_) return;
    if (s_.readingPage) {
        printTextSheets();
        return;
    }
    if (s_.slideShowRunning) {
        dialogs_.information(texts::kSlideShowRunning);
        return;
    }
    if (s_.TestMode) return;
    endExternalViewer();
    hideHelp();
    if (pageTextEmpty()) {
        dialogs_.information(texts::kNoText);
        return;
    }
    if (!printer_->choosePrinter()) return;
    printer_->printWorksheet(shownPage_, lesson::PrintForm(pageText_), kPrintFontDelta);
}

void LessonPlayer::printTextSheets() {
    if (!printer_->choosePrinter()) return;
    TextSheets sheets;
    if (shownPlainLines_.empty()) {
        sheets.page = &shownPage_;
    } else {
        sheets.lines = shownPlainLines_;
    }
    sheets.parts = sheetParts(pageText_);
    printer_->printTextSheets(sheets);
}

void LessonPlayer::printProtocol() {
    if (printer_) printTextSheets();
}

bool LessonPlayer::printPictureAsShown(const std::string& path) {
    if (!showPictureFile(path)) return false;
    const std::string counter =
        s_.LessonOpen ? pageCounterText(s_.CurrentPage, s_.PageCount) : std::string();
    printer_->printPicture(path, pictureScale_, pictureCaption(pictureName(path), counter));
    return true;
}

void LessonPlayer::printShownPicture() {
    if (!printer_ || s_.TestMode || !isFile(shownPicture_)) return;
    pictureScale_ = kLargePictureScale;
    if (!showPictureFile(shownPicture_)) return;
    if (!printer_->choosePrinter()) return;
    printPictureAsShown(shownPicture_);
}

void LessonPlayer::printTextAndPictures() {
    if (!printer_ || s_.TestMode) return;
    if (!printer_->choosePrinter()) return;
    printer_->printWorksheet(shownPage_, lesson::PrintForm(pageText_), kPrintFontDelta);
    const auto pictures = pagePictures(
        shownPicture_, pageText_, [this](const std::string& name) { return lessonFilePath(name); },
        isFile);
    for (const std::string& path : pictures) {
        if (!printer_->choosePrinter()) return;
        printPictureAsShown(path);
    }
}

void LessonPlayer::PrintTextAndPicture() {
    if (!printer_ || s_.TestMode) return;
    pictureScale_ = kOneSheetPictureScale;
    std::string picture = isFile(shownPicture_) ? shownPicture_ : std::string();
    if (picture.empty()) {
        for (const std::string& name : pictureLinkFiles(pageText_)) {
            const std::string path = lessonFilePath(name);
            if (isFile(path) && showPictureFile(path)) {
                picture = path;
                break;
            }
        }
    }
    if (!printer_->choosePrinter()) return;
    printer_->printTextAndPicture(shownPage_, lesson::PrintForm(pageText_), picture);
}

void LessonPlayer::printSlides(const std::string& slideBase) {
    if (!printer_ || s_.TestMode || !s_.slideShowRunning) return;
    pictureScale_ = kLargePictureScale;
    if (!printer_->choosePrinter()) return;
    for (int slide = 1;; ++slide) {
        const std::string path = lessonFilePath(slideBase + std::to_string(slide) + ".jpg");
        if (!isFile(path) || !printPictureAsShown(path)) break;
    }
}

}  // namespace textaria::player
