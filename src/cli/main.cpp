// textaria-cli: the program's core without windows.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "cli/cli_command.h"

namespace textaria::cli {

namespace {
std::map<std::string, Command>& commandTable() {
    static std::map<std::string, Command> table;
    return table;
}

void printOverview(std::FILE* out) {
    std::fputs(
        "usage: textaria-cli SUBCOMMAND [ARGUMENTS...]\n"
        "       textaria-cli SUBCOMMAND --help\n\nSubcommands:\n",
        out);
    for (const auto& [name, command] : commandTable())
        std::fprintf(out, "  %-8s %s\n", name.c_str(), command.summary);
}
}  // namespace

void registerCommand(const Command& command) { commandTable()[command.name] = command; }

int fail(const char* command, const std::string& message, int status) {
    std::fprintf(stderr, "textaria-cli %s: %s\n", command, message.c_str());
    return status;
}

int writeOutput(const char* command, std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return fail(command, "cannot write the output", kExitUnreadable);
    return kExitOk;
}

std::optional<std::uint64_t> parseSeed(const std::string& text) {
    std::uint64_t n = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, n);
    if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
    return n;
}

}  // namespace textaria::cli

int main(int argc, char** argv) {
    using namespace textaria::cli;
    if (argc < 2) {
        printOverview(stderr);
        return kExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printOverview(stdout);
        return kExitOk;
    }
    const auto it = commandTable().find(argv[1]);
    if (it == commandTable().end()) {
        std::fprintf(stderr, "textaria-cli: unknown subcommand '%s' (see textaria-cli --help)\n",
                     argv[1]);
        return kExitUsage;
    }
    CommandArgs args(argv + 2, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(it->second.help, stdout);
        return kExitOk;
    }
    return it->second.run(args);
}
