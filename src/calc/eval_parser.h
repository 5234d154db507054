// The table-driven shift-reduce parser of the formula evaluator. What a reduction computes is
// left to a semantics type, so the same parse either computes values directly or compiles a
// postfix program.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calc/eval_scan.h"

namespace textaria::calc::eval {

inline constexpr int kStackSize = 30;
inline constexpr int kStateCount = 30;

enum class Nonterminal : std::uint8_t { Sum, Product, Power, Signed, Operand, Primary };

struct Rule {
    Nonterminal left;
    std::uint8_t length;
    bool passesOn = false;  // one symbol whose value goes up unchanged, for every semantics
};

// Rules 1..16; index 0 unused.
inline constexpr std::array<Rule, 17> kRules = {{
    {Nonterminal::Sum, 0},
    {Nonterminal::Sum, 3},            // 1  Sum + Product
    {Nonterminal::Sum, 3},            // 2  Sum - Product
    {Nonterminal::Sum, 1, true},      // 3  Product
    {Nonterminal::Product, 3},        // 4  Product * Power
    {Nonterminal::Product, 3},        // 5  Product / Power
    {Nonterminal::Product, 1, true},  // 6  Power
    {Nonterminal::Power, 3},          // 7  Signed ^ Power
    {Nonterminal::Power, 1, true},    // 8  Signed
    {Nonterminal::Signed, 2},         // 9  - Operand
    {Nonterminal::Signed, 1, true},   // 10 Operand
    {Nonterminal::Operand, 3},        // 11 variable : variable
    {Nonterminal::Operand, 1, true},  // 12 Primary
    {Nonterminal::Primary, 1},        // 13 variable
    {Nonterminal::Primary, 3},        // 14 ( Sum )
    {Nonterminal::Primary, 1},        // 15 number
    {Nonterminal::Primary, 4},        // 16 function ( Sum )
}};

enum class ActionKind : std::uint8_t { Error, Shift, Reduce, Accept };
struct Action {
    ActionKind kind = ActionKind::Error;
    std::uint8_t target = 0;  // state to shift to, or rule to reduce by
};

using ActionTable = std::array<std::array<Action, kTokenKindCount>, kStateCount>;
using GotoTable = std::array<std::array<std::uint8_t, 6>, kStateCount>;

namespace detail {

constexpr int tok(TokenKind k) { return static_cast<int>(k); }
constexpr int nt(Nonterminal n) { return static_cast<int>(n); }
constexpr Action shift(int s) { return {ActionKind::Shift, static_cast<std::uint8_t>(s)}; }
constexpr Action reduce(int r) { return {ActionKind::Reduce, static_cast<std::uint8_t>(r)}; }

constexpr void fill(ActionTable& t, int state, Action a) {
    for (auto& cell : t[state]) cell = a;
}

constexpr ActionTable makeActions() {
    ActionTable t{};
    for (int s : {0, 9, 12, 13, 14, 15, 16, 20, 5}) {
        t[s][tok(TokenKind::Number)] = shift(10);
        t[s][tok(TokenKind::Variable)] = shift(7);
        t[s][tok(TokenKind::Function)] = shift(11);
        t[s][tok(TokenKind::Open)] = shift(9);
        if (s != 5) t[s][tok(TokenKind::Minus)] = shift(5);
    }
    t[1][tok(TokenKind::End)] = {ActionKind::Accept, 0};
    for (int s : {1, 19, 28}) {
        t[s][tok(TokenKind::Plus)] = shift(12);
        t[s][tok(TokenKind::Minus)] = shift(13);
    }
    t[19][tok(TokenKind::Close)] = shift(27);
    t[28][tok(TokenKind::Close)] = shift(29);
    const std::array<std::pair<int, int>, 3> products = {{{2, 3}, {21, 1}, {22, 2}}};
    for (auto [s, r] : products) {
        fill(t, s, reduce(r));
        t[s][tok(TokenKind::Times)] = shift(14);
        t[s][tok(TokenKind::Divide)] = shift(15);
    }
    fill(t, 4, reduce(8));
    t[4][tok(TokenKind::Power)] = shift(16);
    fill(t, 7, reduce(13));
    t[7][tok(TokenKind::Colon)] = shift(18);
    t[11][tok(TokenKind::Open)] = shift(20);
    t[18][tok(TokenKind::Variable)] = shift(26);
    // State 26 (variable ":" variable) stays an error: the colon form has no value.
    const std::array<std::pair<int, int>, 10> reductions = {{{3, 6},
                                                             {6, 10},
                                                             {8, 12},
                                                             {10, 15},
                                                             {17, 9},
                                                             {23, 4},
                                                             {24, 5},
                                                             {25, 7},
                                                             {27, 14},
                                                             {29, 16}}};
    for (auto [s, r] : reductions) fill(t, s, reduce(r));
    return t;
}

constexpr GotoTable makeGotos() {
    GotoTable g{};
    g[0][nt(Nonterminal::Sum)] = 1;
    g[9][nt(Nonterminal::Sum)] = 19;
    g[20][nt(Nonterminal::Sum)] = 28;
    for (int s : {0, 9, 20}) g[s][nt(Nonterminal::Product)] = 2;
    g[12][nt(Nonterminal::Product)] = 21;
    g[13][nt(Nonterminal::Product)] = 22;
    for (int s : {0, 9, 12, 13, 20}) g[s][nt(Nonterminal::Power)] = 3;
    g[14][nt(Nonterminal::Power)] = 23;
    g[15][nt(Nonterminal::Power)] = 24;
    g[16][nt(Nonterminal::Power)] = 25;
    for (int s : {0, 9, 12, 13, 14, 15, 16, 20}) {
        g[s][nt(Nonterminal::Signed)] = 4;
        g[s][nt(Nonterminal::Operand)] = 6;
    }
    g[5][nt(Nonterminal::Operand)] = 17;
    for (int s : {0, 5, 9, 12, 13, 14, 15, 16, 20}) g[s][nt(Nonterminal::Primary)] = 8;
    return g;
}

using ChainTable =
    std::array<std::array<std::array<std::uint8_t, kTokenKindCount>, kStateCount>, kStateCount>;

// Runs of pass-on reductions (number up to Sum is five of them) only relabel the top entry, and
// where they end depends just on the state below it, the top state and the lookahead. So they
// are followed here once, ahead of time, and the parser takes the whole run in one step.
constexpr ChainTable makeChains(const ActionTable& actions, const GotoTable& gotos) {
    ChainTable chains{};
    for (int below = 0; below < kStateCount; ++below)
        for (int top = 0; top < kStateCount; ++top)
            for (int t = 0; t < kTokenKindCount; ++t) {
                int state = top;
                for (;;) {
                    const Action a = actions[state][t];
                    if (a.kind != ActionKind::Reduce || !kRules[a.target].passesOn) break;
                    state = gotos[below][static_cast<int>(kRules[a.target].left)];
                }
                chains[below][top][t] = static_cast<std::uint8_t>(state);
            }
    return chains;
}

}  // namespace detail

inline constexpr ActionTable kActions = detail::makeActions();
inline constexpr GotoTable kGotos = detail::makeGotos();
inline constexpr detail::ChainTable kPassOnChains = detail::makeChains(kActions, kGotos);

enum class ParseOutcome : std::uint8_t { Accepted, SyntaxError, StackOverflow };

template <class Value>
struct StackEntry {
    std::uint8_t state;
    std::uint8_t payload;  // variable index or function id of the shifted token
    Value value;
};

// Runs the parser over a prepared text. Semantics provides:
//   using Value; Value token(const Token&); Value reduce(int rule, const StackEntry<Value>* rhs);
// On Accepted, result holds the value of the top entry.
template <class Semantics>
ParseOutcome parse(std::string_view text, Semantics& semantics, ScanFlags& flags,
                   typename Semantics::Value& result) {
    using Value = typename Semantics::Value;
    StackEntry<Value> stack[kStackSize];
    int top = 0;
    stack[0] = {0, 0, Value{}};
    Scanner scanner(text);
    Token token = scanner.next(flags);
    for (;;) {
        const Action action = kActions[stack[top].state][static_cast<int>(token.kind)];
        switch (action.kind) {
            case ActionKind::Shift:
                if (top + 1 == kStackSize) return ParseOutcome::StackOverflow;
                stack[++top] = {action.target, token.payload, semantics.token(token)};
                token = scanner.next(flags);
                break;
            case ActionKind::Reduce: {
                const Rule rule = kRules[action.target];
                if (rule.passesOn) {
                    stack[top].state = kPassOnChains[stack[top - 1].state][stack[top].state]
                                                    [static_cast<int>(token.kind)];
                    break;
                }
                top -= rule.length;
                const Value value = semantics.reduce(action.target, &stack[top + 1]);
                const std::uint8_t state = kGotos[stack[top].state][static_cast<int>(rule.left)];
                stack[++top] = {state, 0, value};
                break;
            }
            case ActionKind::Accept:
                result = stack[top].value;
                return ParseOutcome::Accepted;
            case ActionKind::Error:
                return ParseOutcome::SyntaxError;
        }
    }
}

}  // namespace textaria::calc::eval
