// Starting a desktop calculator of the host system beside ours.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace textaria::calc {

// Looked for in this order.
inline constexpr std::array<std::string_view, 4> kDesktopCalculators = {
    "gnome-calculator", "kcalc", "galculator", "qalculate-gtk"};

// The full path of the first desktop calculator that is an executable file in one of the
// folders of a PATH-style list (folders separated by ":"; empty entries are skipped).
std::optional<std::string> findDesktopCalculator(std::string_view searchPath);

// Starts a program without waiting for it. The window starts a real process; tests record.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    virtual bool startDetached(const std::string& program) = 0;
};

}  // namespace textaria::calc
