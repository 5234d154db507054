// Scripts written to break the drawing: they give pictures or errors, never a crash or a hang.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/qt_canvas.h"
#include "script/draw_host.h"
#include "script/headless_run.h"
#include "script/script_runner.h"

namespace textaria::script {
namespace {

constexpr int kSide = 300;

// A square spiral of black walls 4 pixels apart around the centre, as LIN lines of at most 50
// points each (world units are pixels with R = 150); its corridor is a long winding region.
std::string spiralLines() {
    std::string out;
    int x = 0;
    int y = 0;
    const int dx[] = {1, 0, -1, 0};
    const int dy[] = {0, 1, 0, -1};
    std::vector<std::pair<int, int>> points{{0, 0}};
    for (int i = 0; 4 * (i / 2 + 1) <= 140; ++i) {
        x += dx[i % 4] * 4 * (i / 2 + 1);
        y += dy[i % 4] * 4 * (i / 2 + 1);
        points.emplace_back(x, y);
    }
    for (std::size_t start = 0; start + 1 < points.size(); start += 49) {
        out += "lin(";
        for (std::size_t i = start; i < std::min(points.size(), start + 50); ++i)
            out += (i > start ? "," : "") + std::to_string(points[i].first) + "," +
                   std::to_string(points[i].second);
        out += ")\n";
    }
    return out;
}

struct Outcome {
    const platform::QtCanvas& canvas;
    const std::vector<std::string>& messages;
    std::size_t count(platform::Rgb colour) const {
        std::size_t n = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) n += canvas.pixel(x, y) == colour;
        return n;
    }
};

TEST(HostileScripts, GivePicturesOrErrors) {
    const std::string longText(10000, 'W');
    const platform::Rgb red{255, 0, 0};
    struct Case {
        const char* name;
        std::string script;
        std::function<void(const Outcome&)> check;
    };
    const Case cases[] = {
        {"fill of a spiral corridor", "kor(150,0)\n" + spiralLines() + "fil(2,2,1,2)",
         [&](const Outcome& o) {
             EXPECT_GT(o.count(red), 10000u);
             EXPECT_EQ(o.canvas.pixel(152, 148), red);               // the centre (2, 2)
             EXPECT_EQ(o.canvas.pixel(154, 150), platform::kBlack);  // a wall stays
         }},
        {"R = 1", "kor(1,2)\nfun(x*x)\nkrs(0,0,1)\nfil(0.5,-0.5,1,2)",
         [&](const Outcome& o) { EXPECT_GT(o.count(platform::kBlack), 300u); }},
        {"R = 1,000,000", "kor(1000000,2)\nfun(x*x)\nkrs(0,0,999999)\nfil(1,1,1,2)",
         [&](const Outcome& o) { EXPECT_GT(o.count(platform::kBlack), 300u); }},
        {"huge coordinates",
         "kor(10,1)\nlin(-1e300,0,1e300,1e300)\nrec(-1e308,-1e308,1e308,1e308)\n"
         "krs(0,0,1e300)\nbog(0,0,1e300,0,0,5)\ntxt(1e300,-1e300,weit)\nfil(1e300,1e300,1,2)\n"
         "pfl(0,0,1e308,1e308,3,2)",
         [&](const Outcome& o) { EXPECT_GT(o.count(platform::kWhite), 1000u); }},
        {"degenerate shapes",
         "kor(10,1)\nebo(0,0,0,0,0,360)\nkse(0,0,0,0,0)\npfl(0,0,0,0,100,1)\nrve(256,1e300)\n"
         "wib(0,0,0,0,0,0,1,a)\nkru(0,0,1,1,2,2)",
         [&](const Outcome& o) { EXPECT_GT(o.count(platform::kWhite), 1000u); }},
        {"texts of 10,000 characters",
         "kor(10,0)\ntxg(500)\ntxr(1)\ntxt(-9,0," + longText + ")\ntxz(3," + longText +
             ")\ntxv(4," + longText + ")\ntex(0,0," + longText + ")\nlib(0,0,1,1," + longText +
             ")\ntxz(99,text)",
         [&](const Outcome& o) { EXPECT_GT(o.count(platform::kBlack), 100u); }},
        {"poles and searches without an end",
         "kor(10,1)\nfun(1/x)\nfna(sqrt(x))\nfnt(x^3,-100000)\nnul(1/x,0,-1,2)\n"
         "tng(sqrt(x),0,5,-3,3)\nsff(x,x+1,-5,5)\nint(1/x,-1,1)",
         [&](const Outcome& o) { EXPECT_GT(o.count(platform::kBlack), 100u); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineBuffer lines = LineBuffer::fromText(c.script + "\nend.");
        calc::FormulaVariables variables;
        ScriptState state(variables);
        platform::QtCanvas canvas(kSide, kSide);
        DrawingContext drawing(canvas, screenForSurfaceSide(kSide));
        DrawingHost host(drawing);
        ScriptedAnswers answers;
        LineBudgetKeys keys(100000);
        ScriptEnvironment env{lines, answers, answers, keys, host, &drawing};
        const RunResult result = runScript(state, env, {1000});
        EXPECT_EQ(result.end, RunEnd::EndMarker);
        c.check(Outcome{canvas, answers.messages});
    }
}

}  // namespace
}  // namespace textaria::script
