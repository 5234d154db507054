// The cache of compiled formulas must never hand out the program of another text: texts that
// differ in one character anywhere, a text changed in place, and more texts than it holds.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calc/eval_u.h"

namespace textaria::calc {
namespace {

TEST(EvalCache, TextsDifferingInOneCharacterAnywhereKeepTheirOwnValues) {
    const FormulaVariables none;
    for (int factors = 1; factors <= 40; ++factors) {  // "1*1*...*1", 1 to 79 characters
        std::string ones = "1";
        for (int i = 1; i < factors; ++i) ones += "*1";
        // Each variant changes one character: a factor to 2 or a "*" to "+", both giving 2.
        std::vector<std::string> texts = {ones};
        for (std::size_t at = 0; at < ones.size(); ++at) {
            texts.push_back(ones);
            texts.back()[at] = at % 2 == 0 ? '2' : '+';
        }
        for (int round = 0; round < 2; ++round) {  // the second round comes from the cache
            for (std::size_t k = 0; k < texts.size(); ++k) {
                const Evaluation r = EvaluateFormula(texts[k], none);
                EXPECT_EQ(r.value, k == 0 ? 1.0 : 2.0) << texts[k];
                EXPECT_EQ(r.code, 1) << texts[k];
            }
        }
    }
}

TEST(EvalCache, TextChangedInPlaceAndMoreTextsThanTheCacheHolds) {
    FormulaVariables v;
    v['X'] = 2;
    std::string text = "x+1";
    EXPECT_EQ(EvaluateFormula(text, v).value, 3.0);
    text[2] = '5';  // same storage, new contents
    EXPECT_EQ(EvaluateFormula(text, v).value, 7.0);
    text[0] = 'Y';
    EXPECT_EQ(EvaluateFormula(text, v).value, 5.0);
    for (std::string longer :
         {"x*1+1*1+1*1+1*1+1*1+1*1+1*1+1", "x*1+1*1+1*1+1*1+1*1+1*1+1*1+1*1+1*1+1"}) {
        const double sum = EvaluateFormula(longer, v).value;
        for (std::size_t at = 2; at < longer.size(); at += 2) {  // every digit once
            longer[at] = '2';
            EXPECT_EQ(EvaluateFormula(longer, v).value, sum + (at == 2 ? 2.0 : 1.0)) << longer;
            longer[at] = '1';
        }
    }

    std::vector<std::string> texts;
    for (int i = 0; i < 2000; ++i) texts.push_back("x*" + std::to_string(i) + "+1");
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 2000; i += round + 1)
            ASSERT_EQ(EvaluateFormula(texts[i], v).value, 2.0 * i + 1) << texts[i];
}

TEST(EvalCache, AnOwnedCacheIsResetAndTheShortOverloadsPrintNothing) {
    FormulaVariables v;
    v['X'] = 2;
    FormulaCache cache;
    std::string text = "x*3";
    const CompiledFormula& first = cache.program(text);
    EXPECT_EQ(&cache.program(text), &first);  // found again, not compiled again
    EXPECT_EQ(EvaluateFormula(text, v, cache).value, 6.0);
    cache.reset();
    text[2] = '4';
    EXPECT_EQ(EvaluateFormula(text, v, cache).value, 8.0);

    const std::string overflowing = std::string(40, '(') + "1";
    std::ostringstream out;
    EXPECT_EQ(EvaluateFormula(overflowing, v, cache, out).code, kSyntaxError);
    EXPECT_NE(out.str(), "");
    testing::internal::CaptureStdout();
    EXPECT_EQ(EvaluateFormula(overflowing, v).code, kSyntaxError);
    EXPECT_EQ(EvaluateFormula(overflowing, v, cache).code, kSyntaxError);
    EXPECT_EQ(evaluateFormulaFresh(overflowing, v).code, kSyntaxError);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
}  // namespace textaria::calc
