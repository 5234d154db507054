// A slide show of 50 pictures of 4 megapixels stepped through, as "[ >> ]" does it: each step
// lays the slide out, takes its picture at the shown size and starts decoding the next one.
// Between two steps the learner looks at the slide (not timed); with decode-ahead the next
// picture is ready by then. Reported per step; one frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "player/picture_panel.h"
#include "player/ui/picture_cache.h"

namespace {

using namespace textaria;

constexpr int kSlides = 50;
constexpr QSize kFourMegapixels{2309, 1732};

// The pictures, drawn once per run into a temporary folder: a gradient with shapes, so that
// the JPEG files are of a photo's size rather than of a flat colour's.
class SlideFolder {
  public:
    SlideFolder() {
        for (int i = 1; i <= kSlides; ++i) {
            QImage image(kFourMegapixels, QImage::Format_RGB32);
            QPainter painter(&image);
            QLinearGradient gradient(0, 0, image.width(), image.height());
            gradient.setColorAt(0, QColor::fromHsv((i * 37) % 360, 160, 230));
            gradient.setColorAt(1, QColor::fromHsv((i * 91) % 360, 200, 90));
            painter.fillRect(image.rect(), gradient);
            for (int k = 0; k < 40; ++k) {
                painter.setBrush(QColor::fromHsv((i * 13 + k * 29) % 360, 180, 200));
                painter.drawEllipse(
                    QPoint((k * 211 + i * 17) % image.width(), (k * 127 + i * 31) % image.height()),
                    60 + k * 3, 40 + k * 2);
            }
            painter.end();
            image.save(path(i), "JPG", 90);
        }
    }
    QString path(int i) const { return dir_.filePath(QStringLiteral("reise%1.jpg").arg(i)); }

  private:
    QTemporaryDir dir_;
};

const SlideFolder& slides() {
    static const SlideFolder folder;
    return folder;
}

QSize shownSize(const QString& path) {
    const auto layout = player::layoutPicture(
        player::pictureFileSize(path.toStdString()).value_or(player::PixelSize{}),
        player::kPictureArea, 768, std::nullopt, 16);
    return {layout.picture.width, layout.picture.height};
}

// One iteration is one step; the time reported is the mean time of a step.
void stepThrough(benchmark::State& state, bool decodeAhead) {
    const SlideFolder& folder = slides();
    const auto lookingTime = std::chrono::milliseconds(state.range(0));
    player::PictureCache cache;
    int slide = 0;
    for (auto _ : state) {
        slide = slide % kSlides + 1;
        const auto start = std::chrono::steady_clock::now();
        const QString path = folder.path(slide);
        const QImage image = cache.image(path, shownSize(path));
        benchmark::DoNotOptimize(image.constBits());
        if (decodeAhead && slide < kSlides) {
            const QString next = folder.path(slide + 1);
            cache.prefetch(next, shownSize(next));
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::this_thread::sleep_for(lookingTime);
    }
}

void BM_SlideStepDecodeAhead(benchmark::State& state) { stepThrough(state, true); }
void BM_SlideStepDecodeOnTheStep(benchmark::State& state) { stepThrough(state, false); }

// The learner looks 300 ms at each slide (the shortest automatic time is a second).
BENCHMARK(BM_SlideStepDecodeAhead)
    ->Arg(300)
    ->Iterations(kSlides)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlideStepDecodeOnTheStep)
    ->Arg(300)
    ->Iterations(kSlides)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Decoding one 4-megapixel slide in full and straight at its shown size.
void BM_DecodeFourMegapixels(benchmark::State& state) {
    const QString path = slides().path(1);
    const QSize size = state.range(0) ? shownSize(path) : QSize();
    for (auto _ : state) benchmark::DoNotOptimize(player::PictureCache::decode(path, size));
}
BENCHMARK(BM_DecodeFourMegapixels)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
