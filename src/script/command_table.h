// The table of three-letter script commands and what a command's action receives.
//
// Adding a family of commands: create src/script/commands_<family>.cpp defining
//
//     void registerCommands_<family>(CommandTable& table) {
//         table.add({"KRS", ArgumentForm::Points, count(3), circleCommand});
//         ...
//     }
//
// in namespace textaria::script. The build finds every commands_*.cpp and calls its register
// function when the table is built (see CMakeLists.txt), so no other file is edited. A name
// that is in kCommandList but has no entry is accepted and does nothing. A name must be
// registered by one family only.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "calc/numeric_text.h"
#include "script/script_environment.h"
#include "script/script_state.h"

namespace textaria::script {

// Every valid command name; the editor also uses it to tell command lines from others.
// SKK stands in it twice and PIX has no action, as scripts have always had it.
inline constexpr std::string_view kCommandList =
    ",ZUF,DEZ,MOD,GGT,KGV,DIF,INT,PEN,KOR,LIB,WIB,PFA,FIL,TXT,LNG,WIN,FLA,CLR,LIN,REC,HAP,SWP,"
    "GER,LOT,SYM,SSM,KRS,KSE,KBO,KRU,KRI,ELL,HYP,PAR,NUL,TKP,TNG,SGG,SKG,SFF,LGS,QUA,FUN,FNA,UMS,"
    "KXY,PFZ,KAL,EL2,HY2,PA1,PNT,STW,GWG,STP,TXV,PFT,SKK,TXG,TXF,TXR,TXN,DET,MLD,MIN,MAX,BOG,RVE,"
    "NSC,NDR,NSP,NST,SRD,SRK,TXZ,EBO,KPX,ADD,SUB,MUL,DIV,POT,WUR,POL,BIN,VEK,VSU,VDI,VFA,VPR,VSK,"
    "VLE,VWI,VFL,VOL,VEV,VNV,VNG,VNA,VGG,VEG,EET,GET,DZN,NZD,PFL,SCS,SCR,RAS,KOM,SKK,SCH,DRE,SPI,"
    "STR,ROU,CUT,BEW,PAG,SWI,ZZF,HZF,TEX,LPC,GAU,AFF,FNT,IND,LG2,LG3,LG4,PIX,DXY,SXY,LXY,WXY,RXY,"
    "IBO,IBX,IBY";

// name: three upper-case letters or digits.
bool isCommandName(std::string_view name);

// How a command reads its argument text into numbers before its action runs.
enum class ArgumentForm {
    None,         // nothing is read
    Numbers,      // N: variable letters replaced by their values, then numeric literals
    Points,       // P: a letter is a point (2 or 3 coordinates by SpaceMode), else a literal
    PlanePoints,  // P for complex numbers: a letter is always a plane point
    Formulas,     // F: every item evaluated as a formula; one failure makes the count 0
    Text,         // T: only split into items
};

// Allowed counts of numbers: min..max in steps of step.
struct CountSpan {
    int min = 0;
    int max = 1000;
    int step = 1;
    constexpr bool allows(std::size_t n) const {
        const auto count = static_cast<int>(n);
        return count >= min && count <= max && (count - min) % step == 0;
    }
};

struct CountRule {
    CountSpan plane;
    CountSpan space;
    bool always = false;  // also tested during a run (most rules only outside one)
    constexpr bool allows(std::size_t n, bool spaceMode) const {
        return (spaceMode ? space : plane).allows(n);
    }
};

inline constexpr CountRule anyCount() { return {}; }
inline constexpr CountRule count(int n) { return {{n, n, 1}, {n, n, 1}, false}; }
inline constexpr CountRule count(int plane, int space) {
    return {{plane, plane, 1}, {space, space, 1}, false};
}
inline constexpr CountRule countRange(int min, int max, int step = 1) {
    return {{min, max, step}, {min, max, step}, false};
}
inline constexpr CountRule always(CountRule rule) {
    rule.always = true;
    return rule;
}

struct CommandCall;
using CommandHandler = void (*)(CommandCall&);

struct CommandEntry {
    std::string_view name;
    ArgumentForm form = ArgumentForm::None;
    CountRule countRule;
    CommandHandler handler = nullptr;
};

class CommandTable {
  public:
    // A second entry of the same name is a programming error and is refused (returns false).
    bool add(const CommandEntry& entry);
    const CommandEntry* find(std::string_view name) const;
    std::size_t size() const { return entries_.size(); }

  private:
    std::unordered_map<std::string_view, CommandEntry> entries_;
};

// The table with every family of the program; built on first use and never changed.
const CommandTable& standardCommands();

// What an action gets: the state, the outside, its arguments and where its results go.
struct CommandCall {
    ScriptState& state;
    ScriptEnvironment& env;
    std::string name;       // upper case
    std::string arguments;  // between the parentheses: blanks removed, upper case
    std::string typed;      // the same stretch with the case as typed
    std::size_t line = 0;   // the command's line
    calc::ItemList items;   // the argument text split at "," (upper case, trimmed)
    calc::NumberList numbers;
    std::size_t nextResultLine = 0;              // where the next result line is inserted
    std::optional<std::string> rewrittenSource;  // replaces the command line instead of the
                                                 // compact source

    bool running() const { return state.RunningFlag; }
    bool spaceMode() const { return state.SpaceMode; }
    std::size_t count() const { return numbers.count; }
    // Number i (0-based); past the end 0.
    double number(std::size_t index) const { return numbers.value(index); }

    // reportEvaluationError: ErrorFlag during a run, otherwise the message box.
    void reportError();

    // A number in the current format (NumberDecimals unless decimals is given).
    std::string format(double value, int decimals = -1) const;

    // Result lines, inserted below the command in the order written.
    void writeLine(std::string_view text);                                  // four blanks + text
    void writeValue(char letter, double value, int decimals = -1);          // "    z = 1.50"
    void writePoint(char letter, const double* values, std::size_t count);  // "    = Z(1.00,2.00)"
    void writePoint(char letter, calc::Point2 point);
    void writePoint(char letter, calc::Point3 point);
    void writeText(std::string_view text);  // "    = " + text
};

// reportEvaluationError for callers without a CommandCall.
void reportEvaluationError(ScriptState& state, platform::UserDialogs& dialogs);

// Runs the command: checks the name against kCommandList, reads the arguments in the entry's
// form, tests the count, calls the action. Returns the text that replaces the command line
// when the action rewrote it.
std::optional<std::string> executeCommand(std::string_view name, std::string_view arguments,
                                          std::string_view typedArguments, std::size_t line,
                                          ScriptState& state, ScriptEnvironment& env);

}  // namespace textaria::script
