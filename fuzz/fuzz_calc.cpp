// Calculator session: up to eight entry lines (one per input line) in one session, each with
// a step budget (a tenth of the command line's, for speed under the sanitizers); no line may
// fault or run away.
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "platform/user_dialogs.h"

using namespace textaria;

namespace {

using SilentDialogs = platform::DecliningDialogs;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    calc::FormulaVariables variables;
    calc::Calculator calculator(variables);
    SilentDialogs dialogs;
    calc::StepBudget budget(2000);
    std::ostringstream overflow;
    calculator.setDialogs(&dialogs);
    calculator.setInterruptPoll(budget);
    calculator.setOverflowOutput(overflow);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int n = 0; n < 8 && !rest.empty(); ++n) {
        const std::size_t end = rest.find('\n');
        const std::string line = calc::prepareEntryText(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        budget.refill(2000);
        if (!line.empty()) (void)calculator.evaluate(line);
        (void)calculator.addToSum(line);
    }
    (void)calculator.sumText();
    (void)calculator.variableList();
    return 0;
}
