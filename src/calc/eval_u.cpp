#include "calc/eval_u.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <streambuf>

#include "calc/eval_math.h"
#include "calc/eval_parser.h"
#include "calc/eval_result.h"
#include "calc/eval_text.h"

namespace textaria::calc {
namespace {

using eval::finalResult;
using eval::FunctionId;
using eval::StackEntry;
using eval::writeOverflow;

// Values computed during the reductions, as the evaluator defines them.
struct DirectSemantics {
    using Value = double;
    const FormulaVariables& variables;
    bool calcError = false;

    double token(const eval::Token& t) const { return t.value; }
    double reduce(int rule, const StackEntry<double>* rhs) {
        switch (rule) {
            case 1:
                return eval::add(rhs[0].value, rhs[2].value, calcError);
            case 2:
                return eval::subtract(rhs[0].value, rhs[2].value, calcError);
            case 4:
                return eval::multiply(rhs[0].value, rhs[2].value, calcError);
            case 5:
                return eval::divide(rhs[0].value, rhs[2].value, calcError);
            case 7:
                return eval::power(rhs[0].value, rhs[2].value, calcError);
            case 9:
                return -rhs[1].value;
            case 13:
                return eval::readVariable(variables.values[rhs[0].payload], calcError);
            case 14:
                return rhs[1].value;
            case 16:
                return eval::applyFunction(static_cast<FunctionId>(rhs[0].payload), rhs[2].value,
                                           calcError);
            default:
                return rhs[0].value;  // rules that pass their only value on
        }
    }
};

std::uint64_t load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

std::uint64_t load4(const char* p) {
    std::uint32_t word;
    std::memcpy(&word, p, 4);
    return word;
}

std::uint64_t rotate(std::uint64_t x, int n) { return (x << n) | (x >> (64 - n)); }

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

// A quick hash of the length and up to three 8-byte windows (start, middle, end), multiplied
// independently so the work overlaps; the key itself is compared on a hit, so a weak spot only
// costs a slot. Never 0, which marks an empty slot.
std::uint64_t textHash(std::string_view text) {
    const std::size_t n = text.size();
    const char* p = text.data();
    std::uint64_t a = 0, b = 0, c = 0;
    if (n >= 8) {
        a = load8(p);
        b = load8(p + n / 2 - 4);
        c = load8(p + n - 8);
    } else if (n >= 4) {
        a = load4(p);
        c = load4(p + n - 4);
    } else if (n > 0) {
        a = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[n / 2]) << 8 |
            static_cast<unsigned char>(p[n - 1]) << 16;
    }
    const std::uint64_t h = (a ^ n) * 0xC2B2AE3D27D4EB4Full +
                            rotate(b * 0x165667B19E3779F9ull, 21) +
                            rotate(c * 0x27D4EB2F165667C5ull, 43);
    return (h * kGolden) | 1;
}

// Texts of 8 to 32 characters, the usual ones, are compared as four overlapping words at 0,
// 8, 16 (each at most n - 8) and n - 8, with no branch on the length: its outcome would vary
// from text to text and cost more than the loads.
[[gnu::always_inline]] inline bool sameText(const char* a, const char* b, std::size_t n) {
    auto differs = [&](std::size_t at) { return load8(a + at) ^ load8(b + at); };
    const std::size_t x = n - 8;
    if (x <= 24) [[likely]]
        return (differs(0) | differs(std::min<std::size_t>(8, x)) |
                differs(std::min<std::size_t>(16, x)) | differs(x)) == 0;
    if (n < 8) {
        if (n >= 4) return ((load4(a) ^ load4(b)) | (load4(a + n - 4) ^ load4(b + n - 4))) == 0;
        return n == 0 || (a[0] == b[0] && a[n / 2] == b[n / 2] && a[n - 1] == b[n - 1]);
    }
    std::uint64_t d = differs(x);
    for (std::size_t i = 0; i < x; i += 8) d |= differs(i);
    return d == 0;
}

[[gnu::always_inline]] inline bool sameText(const std::string& key, std::string_view text) {
    return key.size() == text.size() && sameText(key.data(), text.data(), text.size());
}

// The most recently used texts and their programs, found by their contents.
class ContentSlots {
  public:
    struct Slot {
        std::string key;
        CompiledFormula program;
    };

    Slot& find(std::string_view text) {
        const std::uint64_t hash = textHash(text);
        const std::size_t home = hash >> (64 - kSlotBits);  // the well-mixed top bits
        for (std::size_t probe = 0; probe < kProbes; ++probe) {
            const std::size_t i = (home + probe) & (kSlots - 1);
            if (hashes_[i] == hash && sameText(slots_[i].key, text)) return slots_[i];
            if (hashes_[i] == 0) return fill(i, hash, text);
        }
        // All candidate slots taken: replace them in turn.
        victim_ = (victim_ + 1) % kProbes;
        return fill((home + victim_) & (kSlots - 1), hash, text);
    }

  private:
    static constexpr int kSlotBits = 8;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
    static constexpr std::size_t kProbes = 4;

    Slot& fill(std::size_t i, std::uint64_t hash, std::string_view text) {
        hashes_[i] = hash;
        slots_[i].key.assign(text);
        slots_[i].program.compile(text);
        return slots_[i];
    }

    std::array<std::uint64_t, kSlots> hashes_{};
    std::unique_ptr<Slot[]> slots_ = std::make_unique<Slot[]>(kSlots);
    std::size_t victim_ = 0;
};

// Callers mostly evaluate the same string object again and again, so its address and length
// lead straight to its slot; the contents are still compared, since the text may have been
// changed in place.
struct Recent {
    const char* data;
    std::size_t size;  // kNoText marks an unused entry
    const ContentSlots::Slot* slot;
};
constexpr std::size_t kNoText = ~std::size_t{0};
// Two entries per set, so that a few texts whose addresses meet in one set do not keep
// pushing each other out.
constexpr int kRecentSetBits = 7;
using RecentTable = std::array<Recent, std::size_t{2} << kRecentSetBits>;

constexpr RecentTable emptyRecent() {
    RecentTable table{};
    for (Recent& r : table) r = {nullptr, kNoText, nullptr};
    return table;
}

std::size_t recentIndex(std::string_view text) {
    const auto address = reinterpret_cast<std::uintptr_t>(text.data());
    return 2 * (((address ^ (text.size() << 40)) * kGolden) >> (64 - kRecentSetBits));
}

[[gnu::always_inline]] inline bool holds(const Recent& recent, std::string_view text) {
    return recent.data == text.data() && recent.size == text.size() &&
           sameText(recent.slot->key, text);
}

// Output nobody reads, for the overloads without an overflow stream. The buffer keeps no
// state; each thread has its own stream, whose state formatted output touches.
class DiscardBuffer final : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
};

std::ostream& discardedOutput() {
    static DiscardBuffer buffer;
    thread_local std::ostream out(&buffer);
    return out;
}

FormulaCache& threadCache() {
    thread_local FormulaCache cache;
    return cache;
}

}  // namespace

Evaluation evaluateFormulaFresh(std::string_view formula, const FormulaVariables& variables,
                                std::ostream& overflowOut) {
    eval::PreparedText prepared;
    eval::prepareInto(formula, prepared);
    eval::ScanFlags flags;
    DirectSemantics semantics{variables};
    double value = 0.0;
    switch (eval::parse(prepared.view(), semantics, flags, value)) {
        case eval::ParseOutcome::StackOverflow:
            writeOverflow(overflowOut);
            return {0.0, kSyntaxError};
        case eval::ParseOutcome::SyntaxError:
            return {0.0, kSyntaxError};
        case eval::ParseOutcome::Accepted:
            break;
    }
    return finalResult(value, flags.calcError || semantics.calcError, flags.variableUsed);
}

Evaluation evaluateFormulaFresh(std::string_view formula, const FormulaVariables& variables) {
    return evaluateFormulaFresh(formula, variables, discardedOutput());
}

struct FormulaCache::Table {
    RecentTable recent = emptyRecent();
    ContentSlots slots;
};

FormulaCache::FormulaCache() : table_(std::make_unique<Table>()) {}
FormulaCache::~FormulaCache() = default;

void FormulaCache::reset() { table_ = std::make_unique<Table>(); }

namespace {
[[gnu::noinline]] const CompiledFormula& findAndRemember(ContentSlots& slots, Recent* set,
                                                         std::string_view text) {
    const ContentSlots::Slot& slot = slots.find(text);
    set[1] = set[0];  // the older entry goes
    set[0] = {text.data(), text.size(), &slot};
    return slot.program;
}
}  // namespace

const CompiledFormula& FormulaCache::program(std::string_view text) {
    Recent* set = &table_->recent[recentIndex(text)];
    if (holds(set[0], text)) [[likely]]
        return set[0].slot->program;
    if (holds(set[1], text)) return set[1].slot->program;
    return findAndRemember(table_->slots, set, text);
}

Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables,
                           FormulaCache& cache, std::ostream& overflowOut) {
    return cache.program(formula).evaluate(variables, overflowOut);
}

Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables,
                           FormulaCache& cache) {
    return cache.program(formula).evaluate(variables);
}

Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables,
                           std::ostream& overflowOut) {
    return threadCache().program(formula).evaluate(variables, overflowOut);
}

Evaluation EvaluateFormula(std::string_view formula, const FormulaVariables& variables) {
    return threadCache().program(formula).evaluate(variables);
}

}  // namespace textaria::calc
