// Golden scripts: tests/script/<topic>/<case>.txt holds a script, optionally a line
// "#### answers" with the dialog answers, then a line "#### expected" and the text the script
// must leave after a run from its first line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script_test_support.h"

namespace textaria::testing {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
    std::string name;  // topic/case
    fs::path path;
};

std::vector<GoldenCase> goldenCases() {
    std::vector<GoldenCase> cases;
    const fs::path root = fs::path(__FILE__).parent_path();
    for (const auto& topic : fs::directory_iterator(root)) {
        if (!topic.is_directory()) continue;
        for (const auto& file : fs::directory_iterator(topic.path())) {
            if (file.path().extension() != ".txt") continue;
            cases.push_back({topic.path().filename().string() + "/" + file.path().stem().string(),
                             file.path()});
        }
    }
    std::sort(cases.begin(), cases.end(),
              [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
    return cases;
}

struct GoldenParts {
    std::string script;
    std::deque<std::string> answers;
    std::string expected;
};

GoldenParts readGolden(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    GoldenParts parts;
    std::string* target = &parts.script;
    bool inAnswers = false;
    bool first = true;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "#### answers") {
            inAnswers = true;
            continue;
        }
        if (line == "#### expected") {
            inAnswers = false;
            target = &parts.expected;
            first = true;
            continue;
        }
        if (inAnswers) {
            parts.answers.push_back(line);
            continue;
        }
        if (!first) *target += '\n';
        *target += line;
        first = false;
    }
    return parts;
}

class GoldenScript : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenScript, LeavesTheExpectedText) {
    const GoldenParts parts = readGolden(GetParam().path);
    ASSERT_FALSE(parts.expected.empty()) << "no #### expected section";
    ScriptRun run(parts.script, parts.answers);
    run.state.dataFolder = fs::temp_directory_path().string();
    run.run();
    EXPECT_EQ(run.text(), parts.expected);
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenScript, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& param) {
                             std::string name = param.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace textaria::testing
