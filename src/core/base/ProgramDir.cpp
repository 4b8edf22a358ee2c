#include "base/ProgramDir.h"

#include "base/PathOption.h"

#include <string_view>
#include <system_error>

namespace kanavo {
namespace {

std::filesystem::path withTrailingSeparator(std::filesystem::path folder) {
    // Appending an empty element adds the separator exactly once.
    return folder.has_filename() ? folder / "" : folder;
}

std::filesystem::path absoluteOrSelf(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path result = std::filesystem::absolute(path, error);
    return error ? path : result.lexically_normal();
}

} // namespace

HomeOption findHomeOption(std::span<const char* const> arguments) {
    PathOption found = findPathOption(arguments, "--home", "folder name");
    return {std::move(found.path), std::move(found.error)};
}

std::filesystem::path executableFolder(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && self.is_absolute()) {
        return self.parent_path();
    }
    const std::string_view name = argv0 ? argv0 : "";
    if (name.find('/') != std::string_view::npos) {
        return absoluteOrSelf(std::filesystem::path(name).parent_path());
    }
    const std::filesystem::path working = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : working;
}

std::filesystem::path programDir(const HomeOption& option, const char* argv0) {
    return withTrailingSeparator(option.folder ? absoluteOrSelf(*option.folder) : executableFolder(argv0));
}

} // namespace kanavo
