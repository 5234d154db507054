#include "app/startup_options.h"

#include <charconv>
#include <filesystem>

namespace textaria::app {

namespace {

bool takesValue(const std::string& option) {
    return option == "--open" || option == "--script" || option == "--screenshot" ||
           option == "--quit-after";
}

}  // namespace

StartupOptions parseStartupOptions(const std::vector<std::string>& arguments) {
    StartupOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string a = arguments[i];
        std::string value;
        // "--open=FILE" is the form of the desktop entry: a start from the menu, without a
        // file, leaves "--open=" and must not be an error.
        if (const auto equals = a.find('=');
            equals != std::string::npos && takesValue(a.substr(0, equals))) {
            value = a.substr(equals + 1);
            a.resize(equals);
        } else if (!takesValue(a)) {
            options.parameters.push_back(a);
            continue;
        } else if (i + 1 == arguments.size()) {
            options.error = a + " needs a value";
            break;
        } else {
            value = arguments[++i];
        }
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

std::vector<std::string> withAbsolutePaths(std::vector<std::string> arguments,
                                           const std::string& folder) {
    const auto absolute = [&](const std::string& path) {
        if (path.empty()) return path;
        return (std::filesystem::path(folder) / path).lexically_normal().string();
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string& a = arguments[i];
        const auto equals = a.find('=');
        const std::string name = a.substr(0, equals);
        if (equals != std::string::npos && takesValue(name)) {
            if (name == "--open" || name == "--script")
                a = name + "=" + absolute(a.substr(equals + 1));
        } else if (takesValue(a)) {
            if (++i < arguments.size() && (a == "--open" || a == "--script"))
                arguments[i] = absolute(arguments[i]);
        } else if (!a.starts_with("--")) {
            a = absolute(a);
        }
    }
    return arguments;
}

}  // namespace textaria::app
