// Subcommands of textaria-cli register themselves here; each lives in its own cmd_*.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textaria::cli {

using CommandArgs = std::vector<std::string>;

struct Command {
    const char* name;                     // e.g. "eval"
    const char* summary;                  // one line for the overview of --help
    const char* help;                     // full text for "textaria-cli NAME --help"
    int (*run)(const CommandArgs& args);  // args after the subcommand name; returns the exit status
};

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUnreadable = 1;
inline constexpr int kExitUsage = 2;

// Adds a command to the table; used through a static CommandRegistration in each cmd_*.cpp.
void registerCommand(const Command& command);

struct CommandRegistration {
    explicit CommandRegistration(const Command& command) { registerCommand(command); }
};

// Prints "textaria-cli NAME: MESSAGE" on stderr and returns the status, for one-line error exits.
int fail(const char* command, const std::string& message, int status);

// Writes the command's whole output to stdout: kExitOk, or the failure when it cannot be written.
int writeOutput(const char* command, std::string_view text);

// The value of --seed: a whole number 0 … 2^64 - 1; nothing for any other text.
std::optional<std::uint64_t> parseSeed(const std::string& text);

}  // namespace textaria::cli
