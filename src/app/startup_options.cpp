#include "app/startup_options.h"

#include <charconv>

namespace textaria::app {

StartupOptions parseStartupOptions(const std::vector<std::string>& arguments) {
    StartupOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool takesValue =
            a == "--open" || a == "--script" || a == "--screenshot" || a == "--quit-after";
        if (!takesValue) {
            options.parameters.push_back(a);
            continue;
        }
        if (i + 1 == arguments.size()) {
            options.error = a + " needs a value";
            break;
        }
        const std::string& value = arguments[++i];
        if (a == "--open") {
            options.openFile = value;
        } else if (a == "--script") {
            options.scriptFile = value;
        } else if (a == "--screenshot") {
            options.screenshotFile = value;
        } else {
            int seconds = 0;
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), seconds);
            if (ec != std::errc{} || end != value.data() + value.size() || seconds < 0) {
                options.error = "--quit-after needs a number of seconds, not \"" + value + "\"";
                break;
            }
            options.quitAfterSeconds = seconds;
        }
    }
    return options;
}

}  // namespace textaria::app
