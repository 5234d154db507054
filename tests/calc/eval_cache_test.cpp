// The cache of compiled formulas must never hand out the program of another text: texts that
// differ in one character anywhere, a text changed in place, and more texts than it holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/eval_u.h"

namespace textaria::calc {
namespace {

TEST(EvalCache, TextsDifferingInOneCharacterAnywhereKeepTheirOwnValues) {
    const FormulaVariables none;
    for (int terms = 1; terms <= 40; ++terms) {  // "0+0+...+0", 1 to 79 characters
        std::string zeros = "0";
        for (int i = 1; i < terms; ++i) zeros += "+0";
        std::vector<std::string> texts = {zeros};
        for (std::size_t at = 0; at < zeros.size(); at += 2) {
            texts.push_back(zeros);
            texts.back()[at] = '1';
        }
        for (int round = 0; round < 2; ++round) {  // the second round comes from the cache
            for (std::size_t k = 0; k < texts.size(); ++k) {
                const Evaluation r = EvaluateFormula(texts[k], none);
                EXPECT_EQ(r.value, k == 0 ? 0.0 : 1.0) << texts[k];
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

    std::vector<std::string> texts;
    for (int i = 0; i < 2000; ++i) texts.push_back("x*" + std::to_string(i) + "+1");
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 2000; i += round + 1)
            ASSERT_EQ(EvaluateFormula(texts[i], v).value, 2.0 * i + 1) << texts[i];
}

}  // namespace
}  // namespace textaria::calc
