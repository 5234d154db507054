// Scripts written to break the drawing: they give pictures or errors, never a crash or a hang.
#include <gtest/gtest.h>

#include "platform/ui/qt_canvas.h"
#include "script/draw_host.h"
#include "script/headless_run.h"
#include "script/script_runner.h"

namespace textaria::script {
namespace {

TEST(HostileScripts, GivePicturesOrErrors) {
    const std::string longText(10000, 'W');
    const char* scripts[] = {
        "kor(1000000,2)\nfun(x*x)\nkrs(0,0,999999)\nfil(1,1,1,2)",
        "kor(1,2)\nfun(1/x)\nfna(sqrt(x))\nfnt(x^3,-100000)\nell(0.0000001,1e300)",
        "kor(10,1)\nlin(-1e300,0,1e300,1e300)\nrec(-1e308,-1e308,1e308,1e308)\nbog(0,0,1e300,0,0,"
        "5)",
        "kor(10,1)\nebo(0,0,0,0,0,360)\nkse(0,0,0,0,0)\npfl(0,0,0,0,100,1)\nrve(256,1e300)",
        "kor(10,0)\ntxg(500)\ntxr(1)\ntxt(0,0,WWWW)\ntxz(99,text)\nwib(0,0,0,0,0,0,1,a)",
        "kor(10,1)\nnul(1/x,0,-1,2)\ntng(sqrt(x),0,5,-3,3)\nsff(x,x+1,-5,5)\nint(1/x,-1,1)",
    };
    for (const char* text : scripts) {
        std::string script = text;
        script += "\ntxt(-9,0," + longText + ")\nend.";
        LineBuffer lines = LineBuffer::fromText(script);
        calc::FormulaVariables variables;
        ScriptState state(variables);
        platform::QtCanvas canvas(300, 300);
        DrawingContext drawing(canvas, screenForSurfaceSide(300));
        DrawingHost host(drawing);
        ScriptedAnswers answers;
        LineBudgetKeys keys(100000);
        ScriptEnvironment env{lines, answers, answers, keys, host, &drawing};
        const RunResult result = runScript(state, env, {1000});
        EXPECT_EQ(result.end, RunEnd::EndMarker) << text;
    }
}

}  // namespace
}  // namespace textaria::script
