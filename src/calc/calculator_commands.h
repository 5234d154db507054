// The calculator's commands for school mathematics (prime factors, quadratic equations,
// derivatives, integrals, zeros, combinations, normal distribution) and the sampling of a
// function term f(x) they share. Every command answers with the text for the entry line.
#pragma once

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calculator_interrupt.h"
#include "calc/eval_u.h"

namespace textaria::platform {
class UserDialogs;
}

namespace textaria::calc {

// What a command needs from the calculator while it runs.
struct CommandContext {
    FormulaVariables& variables;  // the term's X is written here while sampling
    int decimals = 2;             // NumberDecimals of the answer
    InterruptPoll& interrupt;
    platform::UserDialogs* dialogs = nullptr;  // for the integral's argument message
    std::ostream* overflowOut = &std::cout;    // the evaluator's stack-overflow message
    bool errorFlag = false;                    // CommandErrorFlag
};

// One value of a term or of one of its derivatives; ok is false when an evaluation failed.
struct Sample {
    double value = 0.0;
    bool ok = false;
};

// f(x): X := x, evaluate, clamp to +-1e36. A failed evaluation gives 0 and sets the error flag.
Sample sampleTerm(std::string_view term, double x, CommandContext& context);

// The n-th derivative (n = 0, 1, 2) by nested five-point central differences. When f fails
// close to a sampled point the value is 1e18 and ok is false.
Sample derivativeAt(std::string_view term, int n, double x, CommandContext& context);

// Simpson's rule with 1000 intervals; nothing when f fails or changes its sign on the way.
std::optional<double> simpsonIntegral(std::string_view term, double a, double b,
                                      CommandContext& context);

// The commands. `arguments` is the text inside the command's parentheses, as the entry line
// cuts it: for dif, int and nul the term and the numbers, for the others the numbers only.
std::string primeFactorsCommand(std::string_view arguments, CommandContext& context);        // pfz
std::string quadraticCommand(std::string_view arguments, CommandContext& context);           // qua
std::string derivativeCommand(std::string_view arguments, CommandContext& context);          // dif
std::string integralCommand(std::string_view arguments, CommandContext& context);            // int
std::string zeroCommand(std::string_view arguments, CommandContext& context);                // nul
std::string combinationsCommand(std::string_view arguments, CommandContext& context);        // kom
std::string normalDistributionCommand(std::string_view arguments, CommandContext& context);  // gau

}  // namespace textaria::calc
