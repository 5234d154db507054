#include "calc/calculator_external.h"

#include <filesystem>
#include <system_error>

namespace textaria::calc {

namespace {

bool isExecutableFile(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return false;
    const auto exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & exec) != fs::perms::none;
}

}  // namespace

std::optional<std::string> findDesktopCalculator(std::string_view searchPath) {
    for (const std::string_view name : kDesktopCalculators) {
        std::string_view rest = searchPath;
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
            if (folder.empty()) continue;
            const std::filesystem::path candidate = std::filesystem::path(folder) / name;
            if (isExecutableFile(candidate)) return candidate.string();
        }
    }
    return std::nullopt;
}

}  // namespace textaria::calc
