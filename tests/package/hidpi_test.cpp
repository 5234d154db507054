// The program on a screen with a device pixel ratio of 2 (QT_SCALE_FACTOR=2): the built program
// is started twice on the same lesson, once on an ordinary 800 x 800 screen and once on a
// screen of the same logical size at twice the pixels, and the two screenshots are compared.
#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

const QString kProgram = QStringLiteral(TEXTARIA_PROGRAM);

// A picture, too large to be shown unscaled, whose fine checks show at once whether it was drawn at
// the screen's own pixels, framed in magenta so that it can be found in a screenshot.
QImage testPicture() {
    QImage picture(960, 720, QImage::Format_RGB32);  // larger than the panel: scaled down
    picture.fill(Qt::magenta);
    QPainter painter(&picture);
    constexpr int kCheck = 6;
    for (int y = 24; y < picture.height() - 24; y += kCheck)
        for (int x = 24; x < picture.width() - 24; x += kCheck)
            painter.fillRect(x, y, kCheck, kCheck, ((x + y) / kCheck) % 2 ? Qt::black : Qt::white);
    return picture;
}

bool isFrame(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) > 200; }

// The rectangle of the magenta frame in a screenshot, if there is one.
std::optional<QRect> findPicture(const QImage& shot) {
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (isFrame(shot.pixel(x, y))) box |= QRect(x, y, 1, 1);
    if (box.width() < 20 || box.height() < 20) return std::nullopt;
    return box;
}

// Mean difference per channel (0..255) of two images of the same size.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

class HighDpi : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFile::exists(kProgram)) GTEST_SKIP() << "the program is not built";
        ASSERT_TRUE(folder.isValid());
        // A single text shows its picture (same name, .jpg) as soon as it is loaded.
        QFile text(folder.filePath(QStringLiteral("bild.rtf")));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write(
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 "
            "Das Bild zeigt ein Schachbrett.\\par Es hat viele [Felder].\\par}");
        text.close();
        ASSERT_TRUE(testPicture().save(folder.filePath(QStringLiteral("bild.jpg")), "JPEG", 100));
    }

    // Screenshots of the program at scale 1 and 2, both started at once to save time.
    void takeScreenshots() {
        QProcess runs[2];
        for (int scale = 1; scale <= 2; ++scale) {
            const QString name = QStringLiteral("scale%1").arg(scale);
            QDir().mkpath(folder.filePath(name));
            QFile config(folder.filePath(name + QStringLiteral(".json")));
            ASSERT_TRUE(config.open(QIODevice::WriteOnly));
            // The same logical screen as the offscreen default, at 1 or 2 pixels per point.
            config.write(QStringLiteral("{\"screens\": [{\"name\": \"s\", \"x\": 0, \"y\": 0, "
                                        "\"width\": %1, \"height\": %1, \"logicalDpi\": 96, "
                                        "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                             .arg(800 * scale)
                             .toUtf8());
            config.close();
            auto env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config.fileName());
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
            env.insert(QStringLiteral("TMPDIR"), folder.filePath(name));
            env.insert(QStringLiteral("TEXTARIA_INSTANCE_NAME"),
                       QStringLiteral("textaria-hidpi-%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(scale));
            QProcess& run = runs[scale - 1];
            run.setProcessEnvironment(env);
            run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            run.start(kProgram,
                      {QStringLiteral("--open"), folder.filePath(QStringLiteral("bild.rtf")),
                       QStringLiteral("--screenshot"), folder.filePath(name + ".png"),
                       QStringLiteral("--quit-after"), QStringLiteral("3")});
        }
        for (QProcess& run : runs) {
            ASSERT_TRUE(run.waitForFinished(30000));
            ASSERT_EQ(run.exitCode(), 0);
        }
        ASSERT_TRUE(shot1.load(folder.filePath(QStringLiteral("scale1.png"))));
        ASSERT_TRUE(shot2.load(folder.filePath(QStringLiteral("scale2.png"))));
    }

    QTemporaryDir folder;
    QImage shot1, shot2;
};

// The window at scale 2 is the same window at twice the pixels: same layout, same texts and
// sizes, the picture in the same place.
TEST_F(HighDpi, MainWindowIsTheSameLayoutAtTwiceThePixels) {
    takeScreenshots();
    ASSERT_FALSE(shot1.isNull());
    ASSERT_EQ(shot2.size(), shot1.size() * 2);

    const auto picture1 = findPicture(shot1);
    const auto picture2 = findPicture(shot2);
    ASSERT_TRUE(picture1 && picture2) << "the lesson's picture is not shown";
    const QRect doubled(picture1->topLeft() * 2, picture1->size() * 2);
    EXPECT_LE(std::abs(picture2->left() - doubled.left()), 2);
    EXPECT_LE(std::abs(picture2->top() - doubled.top()), 2);
    EXPECT_LE(std::abs(picture2->width() - doubled.width()), 2);
    EXPECT_LE(std::abs(picture2->height() - doubled.height()), 2);

    // The rest of the window, the picture's sharpness left to the next test. Text drawn at
    // twice the pixels is shaped a little differently (0.2 here); a moved or resized control or
    // text differs in whole areas (a layout made for a screen of half the size: 19).
    QImage halved = shot2.scaled(shot1.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage ordinary = shot1;
    for (QImage* image : {&halved, &ordinary}) {
        QPainter painter(image);
        painter.fillRect(picture1->adjusted(-2, -2, 2, 2), Qt::black);
    }
    EXPECT_LT(meanDifference(halved, ordinary), 1.0);
}

// The picture is scaled to the screen's pixels, not to points and then enlarged: it must look
// like the picture scaled straight to its size on screen, not like one enlarged from half.
TEST_F(HighDpi, PictureIsDrawnAtTheScreensPixels) {
    takeScreenshots();
    const auto box = findPicture(shot2);
    ASSERT_TRUE(box) << "the lesson's picture is not shown";
    const QImage source = testPicture();
    const QImage sharp =
        source.scaled(box->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage enlarged =
        source.scaled(box->size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .scaled(box->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Inside the frame, away from its blurred edge.
    const QRect inner(box->width() / 10, box->height() / 10, box->width() * 8 / 10,
                      box->height() * 8 / 10);
    const QImage shown = shot2.copy(*box).copy(inner);
    const double toSharp = meanDifference(shown, sharp.copy(inner));
    const double toEnlarged = meanDifference(shown, enlarged.copy(inner));
    EXPECT_LT(toSharp, toEnlarged / 2) << "sharp " << toSharp << ", enlarged " << toEnlarged;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
