// The answer fields Edit1 … Edit20 laid over the gaps of the page view.
#pragma once

#include <array>
#include <string>

#include "lesson/gaps.h"

class QLineEdit;
class QTextDocument;
class QTextEdit;

namespace textaria::lesson::ui {

using GapFields = std::array<QLineEdit*, kMaxGaps>;

// Edit1 … Edit20 as hidden children of the page view's viewport (existing ones are reused).
GapFields createGapFields(QTextEdit& pageView);

// Each field hidden, emptied and white again.
void clearGapFields(const GapFields& fields);

// The document's characters with every paragraph or line break as CR LF: position-faithful,
// so documentPosition() maps its byte offsets back onto the document.
std::string documentPlainText(const QTextDocument& document);

// Removes the trailing empty and "_" lines from the page view, finds the gaps and measures
// x, y and width of each from the view's layout. On a gap error the table stays empty.
GapExtraction ExtractGaps(QTextEdit& pageView);

struct GapPlacement {
    bool positionError = false;    // a gap no longer stands where it was found
    bool hasAnswerFields = false;  // Edit1 is shown and enabled
};

// Lays field i + 1 over gap i, covering both brackets; `fontChange` is the total change made
// with "Schrift". Hides the fields beyond the gap count.
GapPlacement PlaceGapFields(QTextEdit& pageView, const GapTable& table, const GapFields& fields,
                            int fontChange);

// Fills `target` with the print form of the page view: its formatted text with every gap a
// run of underscores (in the format of its "["), trailing empty, "_" and option lines dropped.
void PrintForm(const QTextEdit& pageView, QTextDocument& target);

}  // namespace textaria::lesson::ui
