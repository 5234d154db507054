// The example scripts' pictures against stored ones. Texts depend on the installed fonts, so a
// few pixels may differ; the figures may not. TEXTARIA_UPDATE_PICTURES=1 stores new pictures.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "calc/eval_u.h"
#include "platform/codepage.h"
#include "platform/ui/qt_canvas.h"
#include "script/draw_host.h"
#include "script/editor_files.h"
#include "script/headless_run.h"
#include "script/script_runner.h"

namespace textaria::script {
namespace {

namespace fs = std::filesystem;

constexpr int kSide = 724;
constexpr double kAllowedDifference = 0.002;  // of all pixels

fs::path examples() { return fs::path(__FILE__).parent_path() / "../../../examples/scripts"; }
fs::path stored() { return fs::path(__FILE__).parent_path() / "pictures"; }

QImage render(const fs::path& script) {
    const ScriptFileLoad loaded = loadScriptFile(script.string());
    EXPECT_TRUE(loaded.ok) << script;
    LineBuffer lines = LineBuffer::fromText(loaded.text);
    calc::FormulaVariables variables;
    ScriptState state(variables);
    state.random.seed(1);
    platform::QtCanvas canvas(kSide, kSide);
    DrawingContext drawing(canvas, screenForSurfaceSide(kSide));
    DrawingHost host(drawing);
    ScriptedAnswers answers;
    LineBudgetKeys keys(1u << 20);
    ScriptEnvironment env{lines, answers, answers, keys, host, &drawing};
    runScript(state, env, {100000});
    return canvas.image().copy();
}

TEST(ExamplePictures, MatchTheStoredPictures) {
    std::vector<fs::path> scripts;
    for (const auto& entry : fs::directory_iterator(examples()))
        if (entry.path().extension() == ".txt" && entry.path().stem() != "CMakeLists")
            scripts.push_back(entry.path());
    ASSERT_GE(scripts.size(), 3u);
    const bool update = qEnvironmentVariableIsSet("TEXTARIA_UPDATE_PICTURES");
    for (const fs::path& script : scripts) {
        const QImage picture = render(script);
        const fs::path expectedPath = stored() / (script.stem().string() + ".png");
        if (update) {
            picture.save(QString::fromStdString(expectedPath.string()));
            continue;
        }
        const QImage expected = QImage(QString::fromStdString(expectedPath.string()))
                                    .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(expected.size(), picture.size()) << expectedPath;
        long differing = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                if ((expected.pixel(x, y) & 0xFFFFFF) != (picture.pixel(x, y) & 0xFFFFFF))
                    ++differing;
        EXPECT_LE(differing, static_cast<long>(kAllowedDifference * kSide * kSide))
            << script.stem() << ": " << differing << " pixels differ";
    }
}

}  // namespace
}  // namespace textaria::script
