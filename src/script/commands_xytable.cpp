// The table of 101 (x, y) data pairs and its text files "xyfile<n>.txt".
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "script/command_util.h"
#include "script/script_format.h"
#include "script/texts.h"

namespace textaria::script {
namespace {

// An index 0..100 (ranges are tested also during a run: the table has no more pairs).
std::optional<std::size_t> pairIndex(CommandCall& call) {
    const double i = call.number(0);
    if (call.count() < 1 || i < 0 || i > kXyPairCount - 1 || i != std::floor(i)) {
        call.reportError();
        return std::nullopt;
    }
    return static_cast<std::size_t>(i);
}

// The file the user named, in the data folder. Only the name counts: a path in the answer
// cannot lead out of the folder.
std::filesystem::path xyFilePath(const ScriptState& state, const std::string& answer) {
    std::string name = std::filesystem::path(std::string(trimmed(answer))).filename().string();
    if (name.find('.') == std::string::npos) name += ".txt";
    std::error_code ec;
    std::filesystem::path folder = state.dataFolder;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        folder = std::filesystem::current_path(ec);
    return folder / name;
}

std::optional<std::string> askFileName(CommandCall& call, const char* title) {
    auto answer = call.env.dialogs.inputBox(title, texts::kXyFilePrompt, texts::kXyFileDefault);
    if (!answer || trimmed(*answer).empty() || *answer == "." || *answer == "..")
        return std::nullopt;
    return answer;
}

void clearPairs(CommandCall& call) {
    if (call.number(0) == 0) call.state.xyTable.fill({});
}

void storePair(CommandCall& call) {
    if (const auto i = pairIndex(call))
        call.state.xyTable[*i] = {call.state.variables['X'], call.state.variables['Y']};
}

void loadPair(CommandCall& call) {
    if (const auto i = pairIndex(call)) {
        call.writeValue('x', call.state.xyTable[*i].x);
        call.writeValue('y', call.state.xyTable[*i].y);
    }
}

void writePairs(CommandCall& call) {
    const auto answer = askFileName(call, texts::kXySaveTitle);
    if (!answer) return;
    const std::filesystem::path path = xyFilePath(call.state, *answer);
    const auto& table = call.state.xyTable;
    const double n = std::clamp(std::nearbyint(table[0].x), 0.0, double(kXyPairCount - 1));
    std::string content;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(n); ++i) {
        content += call.format(table[i].x) + ";" + call.format(table[i].y) + "\r\n";
    }
    // Written beside the target and renamed, so a failed write leaves no half file.
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        written = static_cast<bool>(out << content) && static_cast<bool>(out.flush());
    }
    std::error_code ec;
    if (written) std::filesystem::rename(temporary, path, ec);
    if (!written || ec) {
        std::filesystem::remove(temporary, ec);
        call.state.ErrorFlag() = true;
    }
}

void readPairs(CommandCall& call) {
    const auto answer = askFileName(call, texts::kXyLoadTitle);
    if (!answer) return;
    const std::filesystem::path path = xyFilePath(call.state, *answer);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        call.state.ErrorFlag() = true;
        call.env.dialogs.information("\"" + path.filename().string() + "\"" + texts::kNotFound);
        return;
    }
    std::size_t i = 0;
    for (std::string line; i < kXyPairCount && std::getline(in, line); ++i) {
        const std::size_t separator = line.find(';');
        const auto x = calc::readNumber(trimmed(std::string_view(line).substr(0, separator)));
        const auto y =
            separator == std::string::npos
                ? std::nullopt
                : calc::readNumber(trimmed(std::string_view(line).substr(separator + 1)));
        call.state.xyTable[i] = {x.value_or(0.0), y.value_or(0.0)};
    }
}

}  // namespace

void registerCommands_xytable(CommandTable& table) {
    using F = ArgumentForm;
    table.add({"DXY", F::Numbers, count(1), clearPairs});
    table.add({"SXY", F::Numbers, count(1), storePair});
    table.add({"LXY", F::Numbers, count(1), loadPair});
    table.add({"WXY", F::None, anyCount(), writePairs});
    table.add({"RXY", F::None, anyCount(), readPairs});
}

}  // namespace textaria::script
