#pragma once

#include "platform/base/Result.h"
#include "platform/registry/RegistryRoot.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Key paths and names: what the registry accepts and how roots are spelled.
//
// A path is key names separated by single backslashes; one trailing backslash is allowed.
// A key name is 1 to 255 bytes without a backslash, NUL, CR or LF (CR and LF could not be
// written back to a .reg file). A value name is up to 16383 bytes without NUL, CR or LF.
// A path that creates keys may be at most 512 names deep, which also bounds every walk
// over the tree.
class RegistryPath {
public:
    static constexpr size_t kMaxKeyName = 255;
    static constexpr size_t kMaxValueName = 16383;
    static constexpr size_t kMaxDepth = 512;

    // The names of a path; a failure says what is wrong with it.
    static Result<std::vector<std::string_view>> split(std::string_view path);
    static std::optional<std::string> keyNameProblem(std::string_view name);
    static std::optional<std::string> valueNameProblem(std::string_view name);

    // "HKEY_CLASSES_ROOT" and so on.
    static std::string_view rootName(RegistryRoot root);
    // The full or abbreviated (HKCR, HKCU, HKLM) name, ignoring case.
    static std::optional<RegistryRoot> parseRoot(std::string_view name);

    static bool equalsAsciiIgnoreCase(std::string_view a, std::string_view b);
};

} // namespace platform
