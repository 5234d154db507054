// Formula evaluations per second over typical formula texts, with muparser alongside.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/eval_u.h"

#ifdef TEXTARIA_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

using textaria::calc::EvaluateFormula;
using textaria::calc::evaluateFormulaFresh;
using textaria::calc::FormulaVariables;

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Index just past the ")" that closes the "(" at open.
std::size_t closing(const std::string& s, std::size_t open) {
    int level = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        if (s[i] == '(') ++level;
        if (s[i] == ')' && --level == 0) return i + 1;
    }
    throw std::runtime_error("unbalanced formula: " + s);
}

// Our syntax to muparser's: pi is _pi, the trigonometric functions work in degrees.
std::string toMuparser(std::string s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i > 0 && isNameChar(s[i - 1])) continue;
        auto at = [&](const char* name) { return s.compare(i, std::strlen(name), name) == 0; };
        if (at("pi") && (i + 2 == s.size() || !isNameChar(s[i + 2]))) {
            s.insert(i, "_");
            ++i;
        } else if (at("sin(") || at("cos(") || at("tan(")) {
            const std::size_t end = closing(s, i + 3);
            s.insert(end - 1, ")*_pi/180");
            s.insert(i + 4, "(");
        } else if (at("atan(")) {
            const std::size_t end = closing(s, i + 4);
            s.insert(end, "*180/_pi)");
            s.insert(i, "(");
            ++i;
        }
    }
    return s;
}

struct Workload {
    std::vector<std::string> formulas;
    std::vector<std::string> muparserFormulas;
    FormulaVariables variables;
};

const Workload& workload() {
    static const Workload w = [] {
        Workload load;
        std::ifstream in(TEXTARIA_SOURCE_DIR "/bench/data/formulas.txt");
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#') continue;
            load.formulas.push_back(line);
            load.muparserFormulas.push_back(toMuparser(line));
        }
        if (load.formulas.empty()) throw std::runtime_error("bench/data/formulas.txt is empty");
        for (int i = 0; i < 26; ++i) load.variables.values[i] = 0.5 + 0.25 * i;
        auto& v = load.variables;
        v['A'] = 1.5, v['B'] = -2, v['C'] = 3, v['D'] = 0.5, v['H'] = 4, v['N'] = 10;
        v['P'] = 3, v['R'] = 2, v['X'] = 0.3;
        return load;
    }();
    return w;
}

// X varies from call to call, as it does in plots and integrals.
double nextX(unsigned& k) { return 0.3 + 1e-3 * (k++ & 1023u); }

void BM_EvaluateRepeated(benchmark::State& state) {
    const Workload& w = workload();
    FormulaVariables variables = w.variables;
    std::size_t i = 0;
    unsigned k = 0;
    for (auto _ : state) {
        variables['X'] = nextX(k);
        benchmark::DoNotOptimize(EvaluateFormula(w.formulas[i], variables));
        if (++i == w.formulas.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateRepeated);

void BM_EvaluateFresh(benchmark::State& state) {
    const Workload& w = workload();
    FormulaVariables variables = w.variables;
    std::size_t i = 0;
    unsigned k = 0;
    for (auto _ : state) {
        variables['X'] = nextX(k);
        benchmark::DoNotOptimize(evaluateFormulaFresh(w.formulas[i], variables));
        if (++i == w.formulas.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateFresh);

#ifdef TEXTARIA_HAVE_MUPARSER

void defineVariables(mu::Parser& parser, double* values) {
    for (int i = 0; i < 26; ++i)
        parser.DefineVar(std::string(1, static_cast<char>('a' + i)), &values[i]);
}

// Each translated formula must give our value, or the comparison would be unfair.
bool translationAgrees(mu::Parser& parser, const Workload& w, std::size_t i) {
    parser.SetExpr(w.muparserFormulas[i]);
    const double theirs = parser.Eval();
    const double ours = EvaluateFormula(w.formulas[i], w.variables).value;
    return std::fabs(theirs - ours) <= 1e-9 * std::max(1.0, std::fabs(ours));
}

void BM_MuparserParseAndEval(benchmark::State& state) {
    const Workload& w = workload();
    double values[26];
    std::copy(w.variables.values.begin(), w.variables.values.end(), values);
    mu::Parser parser;
    try {
        defineVariables(parser, values);
        for (std::size_t i = 0; i < w.formulas.size(); ++i)
            if (!translationAgrees(parser, w, i))
                state.SkipWithError(("translation differs: " + w.formulas[i]).c_str());
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
    }
    std::size_t i = 0;
    unsigned k = 0;
    for (auto _ : state) {
        values['x' - 'a'] = nextX(k);
        parser.SetExpr(w.muparserFormulas[i]);
        benchmark::DoNotOptimize(parser.Eval());
        if (++i == w.formulas.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MuparserParseAndEval);

void BM_MuparserEvalParsed(benchmark::State& state) {
    const Workload& w = workload();
    double values[26];
    std::copy(w.variables.values.begin(), w.variables.values.end(), values);
    std::vector<std::unique_ptr<mu::Parser>> parsers;
    try {
        for (const std::string& formula : w.muparserFormulas) {
            auto parser = std::make_unique<mu::Parser>();
            defineVariables(*parser, values);
            parser->SetExpr(formula);
            parser->Eval();  // parses once; later calls run the bytecode
            parsers.push_back(std::move(parser));
        }
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return;
    }
    std::size_t i = 0;
    unsigned k = 0;
    for (auto _ : state) {
        values['x' - 'a'] = nextX(k);
        benchmark::DoNotOptimize(parsers[i]->Eval());
        if (++i == parsers.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MuparserEvalParsed);

#endif

}  // namespace
