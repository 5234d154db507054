// What the lesson player asks of the window that shows it. The player decides; the view only
// paints. The main window implements all of it with widgets; front ends without windows
// (textaria-cli, benchmarks, tests) override only what they report, the rest does nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lesson/gaps.h"
#include "lesson/markup_text.h"
#include "platform/styled_text.h"
#include "platform/user_dialogs.h"
#include "player/picture_panel.h"

namespace textaria::player {

// A page of the lesson text as the page view ends up holding it: the page's range of the
// lesson text, without its option lines, cut after `keepLength` bytes (the trailing empty
// and "_" lines go). `text` is the result as plain text; gap positions refer to it.
struct PageText {
    int number = 0;                          // 0 for a single text
    std::string title;                       // the stored title; empty for a single text
    lesson::ByteRange range;                 // in the lesson's plain text
    std::vector<lesson::ByteRange> removed;  // option lines, relative to range.begin
    std::size_t keepLength = 0;              // of the text after the removal
    std::string text;
};

// How a side list beside the page looks: the word list of "&" pages or the answer list.
enum class SideList { Words, Answers };

class PlayerView {
  public:
    virtual ~PlayerView() = default;

    // The whole lesson text, kept formatted by the view, every size changed by `fontDelta`.
    // Returns its plain text (CR LF lines), which every position of the player refers to.
    virtual std::string setLessonText(const platform::StyledText& text, int /*fontDelta*/) {
        return platform::plainText(text);
    }
    virtual void clearLessonText() {}
    // Adds `delta` points to every character of the lesson text.
    virtual void changeLessonFontSizes(int /*delta*/) {}
    // The lesson text is a project menu: the view keeps a copy to show it again later.
    virtual void keepSelection() {}
    // Shows the kept project menu; `line` (1-based, 0 for none) is scrolled into view.
    virtual void showSelection(int /*line*/) {}

    // The page view: a page of the lesson, the list page, or a plain text such as a protocol.
    virtual void showPageText(const PageText& /*page*/, bool /*readingPage*/) {}
    virtual void showListPage(const std::vector<std::string>& /*paragraphs*/) {}
    virtual void showPlainText(const std::vector<std::string>& /*lines*/, bool /*protocolLook*/) {}
    virtual void clearPageView() {}

    // Lays the answer fields over the gaps of the shown page text (empty table: all hidden).
    // False when a gap no longer stands where it was found.
    virtual bool placeAnswerFields(const lesson::GapTable& /*gaps*/, int /*fontChange*/) {
        return true;
    }
    virtual void setFieldText(int /*field*/, const std::string& /*text*/, bool /*corrected*/) {}
    // The focus: an answer field (1-based), or 0 for the status panel.
    virtual void focusField(int /*field*/) {}

    virtual void setStatus(const std::string& /*text*/) {}
    // The page counter; empty text hides it.
    virtual void setCounter(const std::string& /*text*/) {}
    virtual void setNavigation(bool /*down*/, bool /*up*/, bool /*rep*/) {}
    // "Laden" / "Auswahl" and whether it is shown.
    virtual void setLoadButton(const std::string& /*text*/, bool /*visible*/) {}

    virtual void showSideList(SideList /*kind*/, const std::vector<std::string>& /*lines*/) {}
    virtual void hideSideList() {}
    // A picture in the picture panel; false when it cannot be read (the panel stays hidden).
    virtual bool showPicture(const std::string& /*path*/) { return false; }
    // The picture panel without a picture file (a script draws into it), or hidden.
    virtual void showPicturePanel(bool /*visible*/) {}
    // A picture laid out by the player; false when it cannot be read (the panel stays hidden).
    virtual bool displayPicture(const PictureDisplay& picture) { return showPicture(picture.path); }
    // The slide-show panel with "[ >> ]", "[ << ]" and "[  ||  ]".
    virtual void showSlidePanel(bool /*visible*/) {}

    // The file dialog of "Laden"; nothing when cancelled.
    virtual std::optional<std::string> askLessonFile(const std::string& /*startFolder*/) {
        return std::nullopt;
    }
    // Where a message about the shown page opens (the page view's upper left corner).
    virtual platform::ScreenPoint pageCorner() { return {}; }
    // The calculator window, modally; its result goes into answer field `field` (0: none).
    virtual void openCalculator(int /*field*/, bool /*clearVariables*/) {}
    // F11: rescales the window with the correction factor K.
    virtual void rescale(double /*k*/) {}
    // The help memo in front of the page view, or hidden.
    virtual void showHelp(const std::vector<std::string>& /*lines*/) {}
    virtual void hideHelp() {}
    // Ctrl F1: the script editor window, modally.
    virtual void openScriptEditor() {}
    // F8: the window over the whole screen, or the normal maximised window.
    virtual void setFullScreen(bool /*fullScreen*/) {}
    // Prints the page view (the test protocol).
    virtual void printPageView() {}
    // Events a front end may want to report.
    virtual void pageResultStored(const std::string& /*line*/) {}
    virtual void protocolWritten(const std::string& /*path*/) {}
    // Ends the program at once, without further questions.
    virtual void endProgram() {}
};

}  // namespace textaria::player
