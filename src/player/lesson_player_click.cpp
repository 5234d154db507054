// Click-click: words picked from the page's lists or the word list and dropped into the
// answer fields, with a mouse or with keys alone; the click tasks on a page's picture.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "lesson/markup_options.h"
#include "lesson/markup_regions.h"
#include "lesson/markup_text.h"
#include "platform/codepage.h"
#include "platform/user_dialogs.h"
#include "player/lesson_player.h"
#include "player/texts.h"

namespace textaria::player {

namespace fs = std::filesystem;
using lesson::Marker;

// A word that can be picked: in a list of the page text (line 1-based) or in the word list
// (line 0-based).
struct LessonPlayer::PickCandidate {
    bool wordList = false;
    int line = 0;
    LineRange range;
    std::string text;
};

void LessonPlayer::loadRegionTable() {
    regionTable_.clear();
    const std::string path = lessonFilePath("search.txt");
    std::error_code ec;
    s_.RegionsDefined = fs::is_regular_file(path, ec);
    if (!s_.RegionsDefined) return;
    std::ifstream in(path, std::ios::binary);
    regionTable_ = platform::decodeTextFile(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

void LessonPlayer::readRegions(const lesson::PageOptions& options) {
    // A coordinate-system page shows coordinates on a right click instead.
    const bool coordinates = options.has(Marker::ScriptGraphic) && options.has(Marker::Script);
    RegionMode mode = RegionMode::None;
    if (s_.RegionsDefined && !coordinates) {
        if (options.has(Marker::RegionNumbers))
            mode = RegionMode::Label;
        else if (options.has(Marker::RegionTask))
            mode = RegionMode::Find;
    }
    regionTask_.read(mode, mode == RegionMode::None
                               ? std::vector<std::string>{}
                               : lesson::regionLines(regionTable_, s_.CurrentPage));
}

std::vector<LessonPlayer::PickCandidate> LessonPlayer::pickCandidates() const {
    std::vector<PickCandidate> candidates;
    const auto lines = lesson::splitLines(pageText_);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lesson::lineText(pageText_, lines[i]);
        for (const LineRange& r : pickItems(line))
            candidates.push_back({false, static_cast<int>(i) + 1, r,
                                  std::string(line.substr(r.begin, r.end - r.begin))});
    }
    // The word list stands beside the page until "Bewerten" replaces or hides it.
    if (s_.wordListOption && !s_.PageEvaluated)
        for (std::size_t i = 0; i < wordList_.size(); ++i)
            if (const auto word = lesson::trim(wordList_[i]); !word.empty())
                candidates.push_back({true, static_cast<int>(i), {}, std::string(word)});
    return candidates;
}

void LessonPlayer::takePick(const std::string& text) {
    s_.PickedText = text;
    view_.picked(text);
    // A questionnaire takes the picked level as its answer at once. A click beside the list
    // picks nothing and must not wipe an answer already given.
    if (s_.QuestionnairePage && s_.hasAnswerFields && !text.empty()) {
        setAnswer(1, text);
        view_.setFieldText(1, text, false);
        view_.focusField(1);
    }
}

bool LessonPlayer::pickAt(const std::string& line, int lineNumber, std::size_t column,
                          bool rightButton, bool noModifiers) {
    if (!s_.PageShown || s_.slideShowRunning) return false;
    if (!s_.QuestionnairePage) s_.AllowedAnswers = allowedAnswersOf(pageText_);
    if (rightButton && noModifiers && lesson::contains(pageText_, "((")) {
        toggleAppendMode();
        return true;
    }
    std::string text;
    if (const auto word = pickWordAt(line, column)) {
        view_.highlightPick(lineNumber, *word);
        text = line.substr(word->begin, word->end - word->begin);
    }
    takePick(text);
    return false;
}

void LessonPlayer::toggleAppendMode() {
    if (!s_.PageShown || s_.slideShowRunning || !lesson::contains(pageText_, "((")) return;
    s_.AppendMode = !s_.AppendMode;
    dialogs_.information(s_.AppendMode ? texts::kAppendModeOn : texts::kReplaceModeOn);
}

void LessonPlayer::RichEdit2MouseDown(const std::string& line) {
    // The answer list shown after "Bewerten" offers nothing to pick.
    if (!s_.wordListOption || s_.PageEvaluated || wordList_.empty()) return;
    takePick(std::string(lesson::trim(line)));
}

void LessonPlayer::FormClick(int field) {
    const std::string picked = std::exchange(s_.PickedText, {});
    if (picked.empty() || !s_.hasAnswerFields || field < 1 || field > gapTable_.GapCount()) return;
    const std::string text = s_.AppendMode ? answer(field) + picked : picked;
    setAnswer(field, text);
    view_.setFieldText(field, text, false);
    if (s_.AppendMode) view_.selectFieldText(field);
}

void LessonPlayer::stepPick(int direction) {
    if (!s_.PageShown || s_.slideShowRunning) return;
    const auto candidates = pickCandidates();
    if (candidates.empty()) return;
    const int n = static_cast<int>(candidates.size());
    pickStep_ = pickStep_ < 0 ? (direction > 0 ? 0 : n - 1) : ((pickStep_ + direction) % n + n) % n;
    const PickCandidate& c = candidates[static_cast<std::size_t>(pickStep_)];
    if (c.wordList)
        view_.highlightWordListLine(c.line);
    else
        view_.highlightPick(c.line, c.range);
    takePick(c.text);
}

bool LessonPlayer::pickWord(const std::string& text) {
    const std::string_view wanted = lesson::trim(text);
    for (const PickCandidate& c : pickCandidates()) {
        if (c.wordList || c.text != wanted) continue;
        const auto lines = lesson::splitLines(pageText_);
        const std::string line(
            lesson::lineText(pageText_, lines[static_cast<std::size_t>(c.line - 1)]));
        pickAt(line, c.line, c.range.begin, false, true);
        return true;
    }
    return false;
}

PictureGeometry LessonPlayer::shownPictureGeometry() const {
    if (!pictures_.panelShown || shownPicture_.empty()) return {};
    const auto source = pictureFileSize(shownPicture_);
    if (!source) return {};
    return {*source, pictureLayout(shownPicture_).picture};
}

void LessonPlayer::pictureMouseDown(int x, int y, bool rightButton, bool noModifiers) {
    const PictureGeometry g = shownPictureGeometry();
    if (g.usable()) pictureClickAt(toSource(g, x, y), rightButton, noModifiers);
}

void LessonPlayer::pictureClickAt(PixelPoint at, bool rightButton, bool noModifiers) {
    if (!s_.PageShown || s_.slideShowRunning || !rightButton || !noModifiers) return;
    const PictureGeometry g = shownPictureGeometry();
    if (!g.usable()) return;
    if (regionTask_.mode() == RegionMode::Label) {
        if (const auto number = regionTask_.labelAt(at)) {
            s_.PickedText = *number;
            view_.picked(*number);
        }
        return;
    }
    const RegionTask::Attempt attempt = regionTask_.find(at);
    if (!attempt.counted) return;
    if (attempt.hit) {
        view_.setStatus(attempt.status);
    } else {
        // The region that was wanted, shown while the learner reads the message.
        if (attempt.region.usable()) view_.drawPictureRectangle(toShown(g, attempt.region));
        view_.setStatus(attempt.status);
        dialogs_.informationAt(texts::kRegionGoOn, view_.pictureCorner());
        view_.restorePicture();
    }
    if (!attempt.result.empty()) {
        dialogs_.information(attempt.result);
        view_.setStatus(attempt.result);
    }
}

void LessonPlayer::DrawRegionNumbers() {
    const auto labels = regionTask_.numbers(shownPictureGeometry());
    if (!labels.empty()) view_.drawPictureNumbers(labels);
}

}  // namespace textaria::player
