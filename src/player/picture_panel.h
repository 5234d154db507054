// The picture panel: how large a picture is shown, how the panel around it is laid out, the
// quick zoom of F4, and the caption drawn onto a slide. Pure rules; the window paints them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace textaria::player {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The room of the picture inside the panel in the 1366 x 768 design.
inline constexpr PixelSize kPictureArea{374, 254};
// Until the learner drags it elsewhere the panel stands in a corner on the right, this far
// from the window's edges.
inline constexpr int kPanelEdge = 14;
// The top of the page view in the design: a panel in the upper corner stays below the buttons.
inline constexpr int kPageViewTop = 56;
// A picture up to this share of the screen height on both sides is shown unscaled.
inline constexpr double kUnscaledShare = 0.67;
inline constexpr int kPanelMarginWidth = 40;
inline constexpr int kPanelMarginHeight = 62;
inline constexpr int kPictureInset = 8;
inline constexpr int kCaptionLineGap = 12;
inline constexpr int kDragLineGap = 2;

// Where everything of the panel stands, relative to the panel's top left corner.
struct PictureLayout {
    PixelSize picture;  // the shown picture
    PixelSize panel;
    PixelPoint pictureAt{kPictureInset, kPictureInset};
    int captionTop = 0;   // Label18
    int dragLineTop = 0;  // Label34
    bool zoomed = false;  // stretched by the quick zoom (smooth stretching)
    bool operator==(const PictureLayout&) const = default;
};

// The quick zoom factor of F4's answers 1, 2 and 3; nothing for other levels.
std::optional<double> quickZoomFactor(int level);

// F4's answer: 0 for "0" and for a text that is no number (no zoom), 1 to 3 for the quick
// zoom levels, nothing for any other number (the picture stays as it is).
std::optional<int> pictureZoomLevel(std::string_view typed);

// Lays out a picture of `source` pixels: unscaled when both sides are at most 67 % of the
// screen height, else scaled in proportion into `area` (by width when it is wider than high,
// else by height). `zoom` stretches the result once more and tightens the panel around it.
// `captionHeight` is the height of the caption line in pixels.
PictureLayout layoutPicture(PixelSize source, PixelSize area, int screenHeight,
                            std::optional<double> zoom, int captionHeight);

// Where the panel stands before the learner moves it: in the lower right corner, where the
// start of a page's text is never covered; above the word list of the page (which fills the
// lower right) in the upper right corner instead.
// `pageTop` is the top of the page view, below the buttons.
PixelPoint defaultPanelPlace(PixelSize panel, PixelSize window, int pageTop, bool sideListShown);

// Keeps a dragged panel inside the window: at least its top left corner stays reachable.
PixelPoint keepPanelInside(PixelPoint at, PixelSize panel, PixelSize window);

// The caption drawn onto a slide: size, the grey band and where the text starts, in pixels
// of the shown picture.
struct CaptionOnPicture {
    int pointSize = 0;
    int bandTop = 0;    // the band runs from here to the picture's bottom edge
    PixelPoint textAt;  // top left of the text
    int textHeight = 0;
};
inline constexpr int kCaptionBandBorder = 5;
inline constexpr int kCaptionBandGrey = 80;

// `textHeight` gives the height in pixels of the caption font ("Arial", bold) at a point size.
CaptionOnPicture captionOnPicture(int pictureHeight, int dpi,
                                  const std::function<int(int pointSize)>& textHeight);

// The pixel size of a JPEG (or PNG) file read from its header; nothing when the file is no
// such picture or cannot be read.
std::optional<PixelSize> pictureFileSize(const std::string& path);

}  // namespace textaria::player

namespace textaria::player {

// What the window tells the player about its size: the picture area and the caption line's
// height follow the window's scaling; the screen height decides what is shown unscaled.
struct PictureRoom {
    PixelSize area = kPictureArea;
    int screenHeight = 768;
    int captionHeight = 16;
    PixelSize window{1366, 768};
    int pageTop = kPageViewTop;
};

// A picture as the panel shows it.
struct PictureDisplay {
    std::string path;
    PictureLayout layout;
    PixelPoint at;            // the panel's top left corner in the window
    std::string captionLine;  // Label18
    std::string dragLine;     // Label34
    std::string caption;      // drawn onto the picture (slides with captions); empty when none
    // The picture likely to follow (the next slide) and its shown size, to be decoded ahead.
    std::string nextPath;
    PixelSize nextSize;
};

}  // namespace textaria::player

namespace textaria::player {

// The picture panel's state in the lesson player.
struct PictureState {
    bool PicturePanelOn = false;  // the page has a picture that F1 may show or hide
    bool panelShown = false;
    bool QuickZoom = false;
    double ZoomFactor = 1.0;
    std::optional<PixelPoint> position;  // where the learner left the panel
};

}  // namespace textaria::player
