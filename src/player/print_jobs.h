// Printing the shown page: what goes onto which sheet, in which order and how large. The
// sheets themselves are drawn by a PagePrinter, which the window implements on the platform
// printer and textaria-cli on a PDF file.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/gaps_print.h"
#include "lesson/markup_text.h"
#include "player/player_view.h"

namespace textaria::player {

// Every print command prints its text two points smaller than the page shows it.
inline constexpr int kPrintFontDelta = -2;
// The one-sheet layout takes three points off the text's sizes.
inline constexpr int kOneSheetFontDelta = -3;
inline constexpr double kStartPictureScale = 0.6;
inline constexpr double kLargePictureScale = 0.75;
inline constexpr double kOneSheetPictureScale = 0.5;
// Sheet positions are given in printer pixels of a 600 dpi printer, so that a sheet looks
// the same whatever the resolution of the printer that prints it.
inline constexpr double kPrinterPixelsPerInch = 600.0;

// A picture on its own sheet: top left corner, distance to the caption, caption size.
inline constexpr int kPictureLeft = 500;
inline constexpr int kPictureTop = 500;
inline constexpr int kCaptionGap = 150;
inline constexpr int kCaptionPointSize = 14;
// The one-sheet layout: the picture's corner and the closing line's distance from the bottom.
inline constexpr int kOneSheetLeft = 300;
inline constexpr int kOneSheetTop = 100;
inline constexpr int kOneSheetBottomLine = 100;

// The sheets a text-only page is cut into: "µ" ends a sheet.
inline constexpr std::string_view kSheetBreak = "\xC2\xB5";

struct PrintSize {
    int width = 0;
    int height = 0;
    bool operator==(const PrintSize&) const = default;
};

// A picture printed on its own sheet: round(printable width × |scale|) wide, its height in
// proportion; when that is higher than the printable height, round(|scale| × printable height)
// high and its width in proportion. Zero when the scale or the picture is empty.
PrintSize printedPictureSize(PrintSize picture, PrintSize printable, double scale);

// The picture of the one-sheet layout: 0.9 of the printable width wide when it is wider than
// high, else 0.9 × 48 % of the printable height high, in proportion.
PrintSize oneSheetPictureSize(PrintSize picture, PrintSize printable);

// "[ hund ]", and with a page counter "[ hund ]  in  [ 3 / 12 ]".
std::string pictureCaption(std::string_view pictureName, std::string_view counter);
// The file name without folder and extension.
std::string pictureName(std::string_view path);

// The names of the picture links "{" N "}" of a page, lower-cased, in text order, each with
// ".jpg" appended when it does not end in it.
std::vector<std::string> pictureLinkFiles(std::string_view pageText);

// The pictures "text and pictures" prints after the text: the page picture (when one is shown)
// first, then each linked picture whose file exists, none twice. `resolve` turns a linked name
// into its path, `exists` tells whether a path is a file.
std::vector<std::string> pagePictures(const std::string& shownPicture, std::string_view pageText,
                                      const std::function<std::string(const std::string&)>& resolve,
                                      const std::function<bool(const std::string&)>& exists);

// The parts of a text-only page, each printed on its own sheet, and the line closing a part.
std::vector<lesson::ByteRange> sheetParts(std::string_view text);
std::string sheetFooter(int part);

// A text-only page or the test protocol: the shown page's text, or plain lines.
struct TextSheets {
    const PageText* page = nullptr;        // the shown page, formatted as the lesson
    std::vector<std::string> lines;        // otherwise these lines (the protocol, in its look)
    std::vector<lesson::ByteRange> parts;  // of page->text, or of the lines joined by CR LF
    int fontDelta = kPrintFontDelta;
};

// What the player asks of a printer. Each print call is one print job.
class PagePrinter {
  public:
    virtual ~PagePrinter() = default;
    // The print dialog; false when it was cancelled.
    virtual bool choosePrinter() = 0;
    // The worksheet: the page's print form, five empty lines above it, every line after the
    // first indented by a tab, the sizes changed by `fontDelta`.
    virtual void printWorksheet(const PageText& page, const lesson::PrintFormPlan& form,
                                int fontDelta) = 0;
    virtual void printPicture(const std::string& path, double scale,
                              const std::string& caption) = 0;
    virtual void printTextAndPicture(const PageText& page, const lesson::PrintFormPlan& form,
                                     const std::string& picture) = 0;
    virtual void printTextSheets(const TextSheets& sheets) = 0;
};

}  // namespace textaria::player
