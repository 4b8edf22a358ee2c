#include "base/PathOption.h"

namespace kanavo {

PathOption findPathOption(std::span<const char* const> arguments, std::string_view option,
                          std::string_view valueName) {
    PathOption found;
    const std::string missing = std::string(option) + " needs a " + std::string(valueName);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i] ? arguments[i] : "";
        if (argument == "--") {
            break;
        }
        std::string_view value;
        if (argument == option) {
            if (i + 1 >= arguments.size() || !arguments[i + 1]) {
                found.error = missing;
                return found;
            }
            value = arguments[++i];
        } else if (argument.size() > option.size() && argument.starts_with(option) &&
                   argument[option.size()] == '=') {
            value = argument.substr(option.size() + 1);
        } else {
            continue;
        }
        if (value.empty()) {
            found.error = missing;
            return found;
        }
        found.path = std::filesystem::path(value);
    }
    return found;
}

} // namespace kanavo
